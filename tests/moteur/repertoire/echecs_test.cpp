#include "modele/etat_fenetre.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "saisie_personne.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <cstdio>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif
#include <fstream>

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

const std::string prefixe = "Les personnes n'ont pas pu être enregistrées\u00a0: ";
const std::string contenu_anne = "\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n";

EtatFenetre fenetre_anne() {
    return essai::anne_marie_dupont();
}

void attendre_erreur(const Issue& issue, const std::string& morceau) {
    ASSERT_TRUE(issue.message.has_value());
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_EQ(issue.message->icone, Icone::avertissement);
    EXPECT_EQ(issue.message->texte.rfind(prefixe, 0), 0u) << issue.message->texte;
    EXPECT_NE(issue.message->texte.find(morceau), std::string::npos) << issue.message->texte;
}

// --- Fields that the file cannot hold: refused before anything is written or asked.

struct CasRefus {
    const char* nom;
    ChampId champ;
    std::string texte;
    std::string morceau;
};

class RepertoireRefus : public ::testing::TestWithParam<CasRefus> {};

TEST_P(RepertoireRefus, RienNEstEcritNiDemande) {
    const auto& cas = GetParam();
    DossierTemporaire dossier;
    const auto fichier = fichier_repertoire(dossier.chemin());
    ecrire_octets(fichier, contenu_anne);
    EtatFenetre e = fenetre_anne();
    e.saisir(ChampId::prenom_partenaire, "Paul");
    e.saisir(ChampId::nom_partenaire, "Martin");
    e.saisir(cas.champ, cas.texte);
    QuestionsScriptees questions;

    const Issue issue = sauvegarder_personnes(e, dossier.chemin(), questions);

    attendre_erreur(issue, cas.morceau);
    EXPECT_EQ(issue.focus, cas.champ);
    EXPECT_TRUE(questions.posees.empty());
    EXPECT_EQ(lire_octets(fichier), contenu_anne);
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalderrep.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireRefus,
    ::testing::Values(
        CasRefus{"guillemet_dans_le_prenom", ChampId::prenom, "Jean \"Jo\"",
                 "le prénom de la ligne «\u00a0Vous\u00a0» (Jean \"Jo\" Dupont) contient un "
                 "guillemet (\")"},
        CasRefus{"guillemet_dans_le_nom_du_partenaire", ChampId::nom_partenaire, "Mar\"tin",
                 "le nom du partenaire (Paul Mar\"tin) contient un guillemet"},
        CasRefus{"guillemet_dans_l_annee", ChampId::annee, "19\"75",
                 "l'année de naissance de la ligne «\u00a0Vous\u00a0»"},
        CasRefus{"caractere_hors_Windows_1252", ChampId::prenom, "Łukasz",
                 "contient le caractère «\u00a0Ł\u00a0» (U+0141)"},
        CasRefus{"emoji_chez_le_partenaire", ChampId::jour_partenaire, "1\xF0\x9F\x8E\x82",
                 "le jour de naissance du partenaire (Paul Martin) contient le caractère"},
        CasRefus{"UTF_8_mal_forme", ChampId::nom, "Dup\xE9nt", "un caractère illisible"},
        CasRefus{"retour_a_la_ligne", ChampId::mois, "7\r\n", "un retour à la ligne"}),
    ::essai::NomDuCas());

TEST(RepertoireRefus, PasDeFichierCreeNonPlus) {
    DossierTemporaire dossier;
    EtatFenetre e = fenetre_anne();
    e.saisir(ChampId::prenom, "Anne\"");
    QuestionsScriptees questions;
    attendre_erreur(sauvegarder_personnes(e, dossier.chemin(), questions), "guillemet");
    EXPECT_TRUE(noms_dans(dossier.chemin()).empty());
}

// --- Real failures of the file system: the directory file stays as it was.

TEST(RepertoireEchec, FichierRemplaceParUnDossier) {
    DossierTemporaire dossier;
    fs::create_directory(fichier_repertoire(dossier.chemin()));
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(fenetre_anne(), dossier.chemin(), questions);
    attendre_erreur(issue, "Kalderrep.txt\u00a0» est un dossier et non un fichier");
    EXPECT_TRUE(fs::is_directory(fichier_repertoire(dossier.chemin())));
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalderrep.txt"});
}

TEST(RepertoireEchec, DossierDeDonneesQuiEstUnFichier) {
    DossierTemporaire dossier;
    const auto faux_dossier = dossier.chemin() / "Kalder";
    ecrire_octets(faux_dossier, "pas un dossier");
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(fenetre_anne(), faux_dossier, questions);
    attendre_erreur(issue, "ne mène pas à un dossier");
    EXPECT_EQ(lire_octets(faux_dossier), "pas un dossier");
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalder"});
}

TEST(RepertoireEchec, DossierDeDonneesAbsent) {
    DossierTemporaire dossier;
    QuestionsScriptees questions;
    const Issue issue =
        sauvegarder_personnes(fenetre_anne(), dossier.chemin() / "disparu", questions);
    attendre_erreur(issue, "disparu\u00a0» n'existe pas");
    EXPECT_TRUE(noms_dans(dossier.chemin()).empty());
}

TEST(RepertoireEchec, SecoursImpossibleLeFichierNeBougePas) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), contenu_anne);
    fs::create_directory(fichier_secours(dossier.chemin()));
    fs::create_directory(fichier_secours(dossier.chemin()) / "occupe");
    EtatFenetre e = fenetre_anne();
    e.saisir(ChampId::jour, "1");
    QuestionsScriptees questions({true});
    const Issue issue = sauvegarder_personnes(e, dossier.chemin(), questions);
    attendre_erreur(issue, "la copie de sécurité n'a pas pu être faite");
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), contenu_anne);
    EXPECT_EQ(noms_dans(dossier.chemin()),
              (std::vector<std::string>{"Kalderrep.bak", "Kalderrep.txt"}));
}

// Root writes through a read-only mode; the test only means something for a user.
bool lecture_seule_respectee(const fs::path& dossier) {
    const auto essai = dossier / "essai-ecriture";
    if (!std::ofstream(essai, std::ios::binary))
        return true;
    fs::remove(essai);
    return false;
}

TEST(RepertoireEchec, DossierEnLectureSeule) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), contenu_anne);
    fs::permissions(dossier.chemin(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (!lecture_seule_respectee(dossier.chemin()))
        GTEST_SKIP() << "les droits n'arrêtent pas ce compte (root)";
    EtatFenetre e = fenetre_anne();
    e.saisir(ChampId::prenom, "Paul");
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(e, dossier.chemin(), questions);
    attendre_erreur(issue, "est en lecture seule ou vous n'avez pas le droit d'y écrire");
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), contenu_anne);
}

#if !defined(_WIN32)
// A "full disk" device node of the test's own folder, never the system's.
TEST(RepertoireEchec, DisquePlein) {
    DossierTemporaire dossier;
    const fs::path noeud = dossier.chemin() / "plein";
    if (mknod(noeud.c_str(), S_IFCHR | 0600, makedev(1, 7)) != 0)
        GTEST_SKIP() << "ce compte ne peut pas fabriquer un périphérique";
    const int plein = open(noeud.c_str(), O_WRONLY | O_CLOEXEC);
    if (plein < 0)
        GTEST_SKIP() << "périphérique inutilisable ici";
    const std::string beaucoup(1 << 17, 'x');
    const std::error_code ec = systeme::ecrire_tout(plein, beaucoup);
    close(plein);
    EXPECT_EQ(ec, std::errc::no_space_on_device);
    EXPECT_EQ(expliquer_echec(Echec{Operation::ecrire, "/donnees/Kalder", ec}),
              "le disque qui contient le dossier «\u00a0/donnees/Kalder\u00a0» est plein");
}
#endif

TEST(RepertoireEchec, RemplacementReussiNeLaissePasDeTemporaire) {
    DossierTemporaire dossier;
    const auto fichier = dossier.chemin() / "f.txt";
    ecrire_octets(fichier, "ancien");
    fs::permissions(fichier, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::replace);
    EXPECT_FALSE(remplacer_fichier(fichier, "nouveau").has_value());
    EXPECT_EQ(lire_octets(fichier), "nouveau");
#ifndef _WIN32 // Windows keeps no owner/group/others rights, only a read-only mark.
    EXPECT_EQ(fs::status(fichier).permissions(), fs::perms::owner_read | fs::perms::owner_write);
#endif
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"f.txt"});
}

TEST(RepertoireEchec, LireUnFichierAbsent) {
    DossierTemporaire dossier;
    std::string octets;
    const auto echec = lire_fichier(dossier.chemin() / "absent", octets);
    ASSERT_TRUE(echec.has_value());
    EXPECT_EQ(echec->code, std::errc::no_such_file_or_directory);
}

struct CasExplication {
    const char* nom;
    Operation operation;
    std::errc code;
    std::string attendu;
};

class RepertoireExplication : public ::testing::TestWithParam<CasExplication> {};

TEST_P(RepertoireExplication, Phrase) {
    const auto& cas = GetParam();
    EXPECT_EQ(expliquer_echec(Echec{cas.operation, "/d/K", std::make_error_code(cas.code)}),
              cas.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireExplication,
    ::testing::Values(
        CasExplication{
            "creer_sans_droit", Operation::creer, std::errc::permission_denied,
            "le dossier «\u00a0/d/K\u00a0» est en lecture seule ou vous n'avez pas le droit "
            "d'y écrire"},
        CasExplication{
            "remplacer_protege", Operation::remplacer, std::errc::permission_denied,
            "le fichier «\u00a0/d/K\u00a0» est protégé en écriture ou verrouillé par un autre "
            "programme"},
        CasExplication{
            "lire_refuse", Operation::lire, std::errc::operation_not_permitted,
            "le fichier «\u00a0/d/K\u00a0» ne peut pas être lu\u00a0: l'accès en est refusé"},
        CasExplication{"disque_lecture_seule", Operation::creer, std::errc::read_only_file_system,
                       "le dossier «\u00a0/d/K\u00a0» se trouve sur un disque en lecture seule"},
        CasExplication{"disque_plein", Operation::ecrire, std::errc::no_space_on_device,
                       "le disque qui contient le dossier «\u00a0/d/K\u00a0» est plein"},
        CasExplication{"lire_un_dossier", Operation::lire, std::errc::is_a_directory,
                       "«\u00a0/d/K\u00a0» est un dossier et non un fichier"},
        CasExplication{"dossier_absent", Operation::creer, std::errc::no_such_file_or_directory,
                       "le dossier «\u00a0/d/K\u00a0» n'existe pas"},
        CasExplication{"fichier_occupe", Operation::remplacer, std::errc::device_or_resource_busy,
                       "le fichier «\u00a0/d/K\u00a0» est utilisé par un autre programme"}),
    ::essai::NomDuCas());

// A folder that is there but takes no new file (a system folder) is not
// said to be missing.
TEST(RepertoireExplication, DossierPresentQuiRefuseLesFichiers) {
    DossierTemporaire dossier;
    const auto absent = std::make_error_code(std::errc::no_such_file_or_directory);
    EXPECT_EQ(expliquer_echec(Echec{Operation::creer, dossier.chemin(), absent}),
              "le système ne permet pas de créer de fichier dans le dossier «\u00a0" +
                  texte_chemin(dossier.chemin()) + "\u00a0»");
    EXPECT_EQ(expliquer_echec(Echec{Operation::creer, dossier.chemin() / "x", absent}),
              "le dossier «\u00a0" + texte_chemin(dossier.chemin() / "x") + "\u00a0» n'existe pas");
}

// The messages name a saved person as a reader would, not as its file line.
TEST(RepertoireMessages, PersonneNommeeLisiblement) {
    const Personne zoe{"Dupont", "Zoé", "1", "2", "1991"};
    EXPECT_EQ(question_supprimer(zoe).texte,
              "Supprimer «\u00a0Zoé Dupont (1/2/1991)\u00a0» du répertoire\u00a0?");
    EXPECT_EQ(message_personne_retiree(Personne{"Martin", "Paul", "", "", ""}, "/d/Kalderrep.txt"),
              "Personne retirée de «\u00a0/d/Kalderrep.txt\u00a0»\u00a0: Paul Martin");
}

TEST(RepertoireExplication, ErreurInconnueGardeSonNumero) {
    const auto texte = expliquer_echec(
        Echec{Operation::lire, "/d/K", std::make_error_code(std::errc::connection_reset)});
    EXPECT_NE(texte.find("le fichier «\u00a0/d/K\u00a0»"), std::string::npos);
    EXPECT_NE(texte.find(std::to_string(static_cast<int>(std::errc::connection_reset))),
              std::string::npos);
}

} // namespace
} // namespace kalder
