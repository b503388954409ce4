#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

// Folders of one case, relative to a fresh temporary folder.
struct CasDossier {
    const char* nom;
    std::string donnees_application; // "" = none given; "  x  " kept as typed
    std::vector<std::string> dossiers_existants;
    std::vector<std::string> fichiers_existants;
    std::string attendu; // relative; ends with "/"
    bool cree = true;    // else not made, with the reason given, and nothing made elsewhere
    std::vector<std::string> lecture_seule = {};
};

class RepertoireDossierDonnees : public ::testing::TestWithParam<CasDossier> {};

TEST_P(RepertoireDossierDonnees, DossierChoisiEtCree) {
    const auto& cas = GetParam();
    DossierTemporaire racine;
    const fs::path r = racine.chemin();
    fs::create_directories(r / "programme");
    for (const auto& d : cas.dossiers_existants)
        fs::create_directories(r / d);
    for (const auto& f : cas.fichiers_existants)
        ecrire_octets(r / f, "occupé");
    for (const auto& d : cas.lecture_seule)
        fs::permissions(r / d, fs::perms::owner_write | fs::perms::group_write,
                        fs::perm_options::remove);
    std::error_code ec;
    for (const auto& d : cas.lecture_seule) {
        if (fs::create_directory(r / d / "essai", ec)) {
            fs::remove(r / d / "essai");
            GTEST_SKIP() << "this account writes into read-only folders";
        }
    }

    fs::path donnees;
    if (!cas.donnees_application.empty()) {
        // Surrounding spaces stay around the whole path, as a platform may answer.
        const auto debut = cas.donnees_application.find_first_not_of(' ');
        if (debut == std::string::npos)
            donnees = cas.donnees_application;
        else
            donnees = cas.donnees_application.substr(0, debut) + (r / "").string() +
                      cas.donnees_application.substr(debut);
    }

    std::vector<Echec> echecs;
    const fs::path resultat = dossier_donnees(donnees, r / "programme", &echecs);

    EXPECT_EQ(resultat, r / cas.attendu);
    EXPECT_TRUE(resultat.native().ends_with(fs::path::preferred_separator));
    EXPECT_EQ(fs::is_directory(resultat), cas.cree);
    EXPECT_EQ(echecs.size(), cas.cree ? 0u : 1u);
    EXPECT_EQ(fs::exists(r / "programme" / "Kalder"),
              cas.cree && cas.attendu.starts_with("programme"));
    for (const auto& f : cas.fichiers_existants)
        EXPECT_EQ(lire_octets(r / f), "occupé");
    for (const auto& d : cas.lecture_seule)
        fs::permissions(r / d, fs::perms::owner_all, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireDossierDonnees,
    ::testing::Values(
        CasDossier{"donnees_d_application", "appdata", {"appdata"}, {}, "appdata/Kalder/"},
        CasDossier{"dossier_deja_la",
                   "appdata",
                   {"appdata/Kalder"},
                   {"appdata/Kalder/Kalderrep.txt"},
                   "appdata/Kalder/"},
        CasDossier{"espaces_autour", "  appdata  ", {"appdata"}, {}, "appdata/Kalder/"},
        CasDossier{"parents_crees", "nouveau/profil", {}, {}, "nouveau/profil/Kalder/"},
        CasDossier{"aucune_reponse", "", {}, {}, "programme/Kalder/"},
        CasDossier{"reponse_blanche", "   ", {}, {}, "programme/Kalder/"},
        CasDossier{"Kalder_est_un_fichier",
                   "appdata",
                   {"appdata"},
                   {"appdata/Kalder"},
                   "appdata/Kalder/",
                   false},
        CasDossier{"donnees_d_application_est_un_fichier",
                   "appdata",
                   {},
                   {"appdata"},
                   "appdata/Kalder/",
                   false},
        CasDossier{"donnees_d_application_en_lecture_seule",
                   "appdata",
                   {"appdata"},
                   {},
                   "appdata/Kalder/",
                   false,
                   {"appdata"}},
        CasDossier{"programme_deja_pourvu", "", {"programme/Kalder"}, {}, "programme/Kalder/"}),
    ::essai::NomDuCas());

TEST(RepertoireDossierDonnees, ToutEchoueRendQuandMemeLeDossierDuProgramme) {
    DossierTemporaire racine;
    ecrire_octets(racine.chemin() / "programme", "fichier");
    std::vector<Echec> echecs;
    const fs::path resultat = dossier_donnees({}, racine.chemin() / "programme", &echecs);
    EXPECT_EQ(resultat, racine.chemin() / "programme" / "Kalder" / "");
    EXPECT_FALSE(fs::exists(resultat));
    EXPECT_EQ(echecs.size(), 1u);
}

// A relative folder would follow the working folder: refused, with why.
TEST(RepertoireDossierDonnees, CheminRelatifRefuse) {
    DossierTemporaire racine;
    std::vector<Echec> echecs;
    const fs::path resultat =
        dossier_donnees(fs::path("relatif") / ".local" / "share", racine.chemin(), &echecs);
    EXPECT_EQ(resultat, fs::path("relatif") / ".local" / "share" / "Kalder" / "");
    EXPECT_FALSE(fs::exists("relatif"));
    EXPECT_FALSE(fs::exists(racine.chemin() / "Kalder"));
    ASSERT_EQ(echecs.size(), 1u);
    EXPECT_NE(message_dossier_impossible(echecs).texte.find("n'est pas absolu"), std::string::npos);
}

} // namespace
} // namespace kalder
