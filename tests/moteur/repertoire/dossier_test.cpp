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

    const fs::path resultat = dossier_donnees(donnees, r / "programme");

    EXPECT_EQ(resultat, r / cas.attendu);
    EXPECT_TRUE(resultat.native().ends_with(fs::path::preferred_separator));
    EXPECT_TRUE(fs::is_directory(resultat));
    for (const auto& f : cas.fichiers_existants)
        EXPECT_EQ(lire_octets(r / f), "occupé");
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
                   "programme/Kalder/"},
        CasDossier{"donnees_d_application_est_un_fichier",
                   "appdata",
                   {},
                   {"appdata"},
                   "programme/Kalder/"},
        CasDossier{"programme_deja_pourvu", "", {"programme/Kalder"}, {}, "programme/Kalder/"}),
    ::essai::NomDuCas());

TEST(RepertoireDossierDonnees, ToutEchoueRendQuandMemeLeDossierDuProgramme) {
    DossierTemporaire racine;
    ecrire_octets(racine.chemin() / "programme", "fichier");
    const fs::path resultat = dossier_donnees({}, racine.chemin() / "programme");
    EXPECT_EQ(resultat, racine.chemin() / "programme" / "Kalder" / "");
    EXPECT_FALSE(fs::exists(resultat));
}

} // namespace
} // namespace kalder
