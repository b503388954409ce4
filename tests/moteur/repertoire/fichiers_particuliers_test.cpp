// Directory files that are not plain files, rights, and sizes.
#include "modele/etat_fenetre.hpp"
#include "nom_du_cas.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "saisie_personne.hpp"

#include <gtest/gtest.h>

#include <cstring>

#if !defined(_WIN32)
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

EtatFenetre fenetre_luc() {
    return essai::fenetre_saisie("Luc", "Roy");
}

// --- Only regular files: everything else refused at once, and left in place.

enum class Sorte { tube, peripherique, prise };

struct CasSpecial {
    const char* nom;
    const char* place; // "Kalderrep.txt" or "Kalderrep.bak"
    Sorte sorte;
    bool par_un_lien; // the name is a link to the special file
};

// False when this account may not make it (a device node needs root).
bool fabriquer(const fs::path& chemin, Sorte sorte) {
    switch (sorte) {
    case Sorte::tube:
        return mkfifo(chemin.c_str(), 0644) == 0;
    case Sorte::peripherique:
        // The numbers of the null device, but a node of our own folder.
        return mknod(chemin.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    case Sorte::prise: {
        // The folder's path is too long for a socket address: bound by its
        // name from inside the folder.
        const fs::path ici = fs::current_path();
        fs::current_path(chemin.parent_path());
        const int s = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        std::strncpy(adresse.sun_path, chemin.filename().c_str(), sizeof adresse.sun_path - 1);
        const bool fait = bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
        close(s);
        fs::current_path(ici);
        return fait;
    }
    }
    return false;
}

class RepertoireSpecial : public ::testing::TestWithParam<CasSpecial> {};

TEST_P(RepertoireSpecial, RefuseSansAttendreNiEcrire) {
    const auto& cas = GetParam();
    DossierTemporaire dossier;
    const fs::path autre = dossier.chemin() / "ailleurs";
    fs::create_directory(autre);
    const fs::path place = dossier.chemin() / cas.place;
    const fs::path speciale = cas.par_un_lien ? autre / "special" : place;
    if (!fabriquer(speciale, cas.sorte))
        GTEST_SKIP() << "ce compte ne peut pas fabriquer ce fichier";
    if (cas.par_un_lien)
        fs::create_symlink(speciale, place);
    const bool texte = std::string_view(cas.place) == "Kalderrep.txt";
    if (!texte)
        ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    const auto type_avant = fs::status(speciale).type();

    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(fenetre_luc(), dossier.chemin(), questions);
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_NE(issue.message->texte.find("n'est pas un fichier ordinaire"), std::string::npos)
        << issue.message->texte;
    EXPECT_EQ(fs::status(speciale).type(), type_avant);
    EXPECT_EQ(fs::is_symlink(place), cas.par_un_lien);
    if (!texte) {
        EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), ligne_paul);
    }

    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    if (texte) {
        ASSERT_TRUE(liste.erreur);
        EXPECT_NE(liste.erreur->texte.find("n'est pas un fichier ordinaire"), std::string::npos);
    } else {
        EXPECT_EQ(liste.lignes(), std::vector<std::string>{"Martin;Paul;3;4;1980"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireSpecial,
    ::testing::Values(CasSpecial{"tube", "Kalderrep.txt", Sorte::tube, false},
                      CasSpecial{"lien_vers_un_tube", "Kalderrep.txt", Sorte::tube, true},
                      CasSpecial{"peripherique", "Kalderrep.txt", Sorte::peripherique, false},
                      CasSpecial{"lien_vers_un_peripherique", "Kalderrep.txt", Sorte::peripherique,
                                 true},
                      CasSpecial{"prise", "Kalderrep.txt", Sorte::prise, false},
                      CasSpecial{"secours_tube", "Kalderrep.bak", Sorte::tube, false},
                      CasSpecial{"secours_lien_vers_un_peripherique", "Kalderrep.bak",
                                 Sorte::peripherique, true}),
    ::essai::NomDuCas());

TEST(RepertoireSpecial, LienVersUnFichierOrdinaireSuivi) {
    DossierTemporaire dossier;
    const fs::path reel = dossier.chemin() / "ailleurs.txt";
    ecrire_octets(reel, ligne_paul);
    fs::create_symlink(reel, fichier_repertoire(dossier.chemin()));
    QuestionsScriptees questions;
    ASSERT_FALSE(sauvegarder_personnes(fenetre_luc(), dossier.chemin(), questions).message);
    EXPECT_TRUE(fs::is_symlink(fichier_repertoire(dossier.chemin())));
    EXPECT_EQ(lire_octets(reel), ligne_paul + "\"Roy\",\"Luc\",\"\",\"\",\"\"\r\n");
}

TEST(RepertoireDroits, FichierProtegeEnEcritureDitLectureSeule) {
    DossierTemporaire dossier;
    const fs::path fichier = fichier_repertoire(dossier.chemin());
    ecrire_octets(fichier, ligne_paul);
    fs::permissions(fichier, fs::perms::owner_read | fs::perms::group_read,
                    fs::perm_options::replace);
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(fenetre_luc(), dossier.chemin(), questions);
    ASSERT_TRUE(issue.message);
    EXPECT_NE(issue.message->texte.find("Kalderrep.txt\u00a0» est en lecture seule"),
              std::string::npos)
        << issue.message->texte;
    EXPECT_EQ(lire_octets(fichier), ligne_paul);
    EXPECT_FALSE(fs::exists(fichier_secours(dossier.chemin())));
}

TEST(RepertoireDroits, SecoursEtNouveauFichierGardentLesDroitsPrives) {
    DossierTemporaire dossier;
    const fs::path fichier = fichier_repertoire(dossier.chemin());
    ecrire_octets(fichier, ligne_paul);
    const auto prives = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(fichier, prives, fs::perm_options::replace);
    // An older backup readable by all must not make the new one so.
    ecrire_octets(fichier_secours(dossier.chemin()), "ancien");
    fs::permissions(fichier_secours(dossier.chemin()), fs::perms::all, fs::perm_options::replace);
    QuestionsScriptees questions;
    ASSERT_FALSE(sauvegarder_personnes(fenetre_luc(), dossier.chemin(), questions).message);
    EXPECT_EQ(fs::status(fichier).permissions(), prives);
    EXPECT_EQ(fs::status(fichier_secours(dossier.chemin())).permissions(), prives);
}

TEST(RepertoireDroits, NouveauFichierAuxDroitsParDefaut) {
    DossierTemporaire dossier;
    const mode_t ancien = umask(027);
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(fenetre_luc(), dossier.chemin(), questions);
    umask(ancien);
    ASSERT_FALSE(issue.message);
    EXPECT_EQ(fs::status(fichier_repertoire(dossier.chemin())).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// --- Sizes.

TEST(RepertoireTaille, FichierDePlusDe256MoRefuse) {
    DossierTemporaire dossier;
    const fs::path fichier = fichier_repertoire(dossier.chemin());
    ecrire_octets(fichier, ligne_paul);
    // Sparse: no disk space taken.
    fs::resize_file(fichier, taille_maximale_repertoire + 1);
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(fenetre_luc(), dossier.chemin(), questions);
    ASSERT_TRUE(issue.message);
    EXPECT_NE(issue.message->texte.find("dépasse 256 Mo"), std::string::npos)
        << issue.message->texte;
    EXPECT_FALSE(fs::exists(fichier_secours(dossier.chemin())));
    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    ASSERT_TRUE(liste.erreur);
    EXPECT_NE(liste.erreur->texte.find("dépasse 256 Mo"), std::string::npos);
}

} // namespace
} // namespace kalder

#endif
