// What differs between Windows and the others: the same tests run in the
// Linux build and, cross-built, under Wine.
#include "modele/etat_fenetre.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "saisie_personne.hpp"
#include "systeme/chemins.hpp"
#include "systeme/dossiers_systeme.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kalder {
namespace {

namespace fs = std::filesystem;
using essai::DossierTemporaire;
using essai::ecrire_octets;
using essai::lire_octets;

// "Données été Łódź" in UTF-8: "Ł", "ó", "ź" are outside Windows-1252, so a
// path made through the ANSI code page would lose them.
constexpr const char* dossier_accentue = "Donn\xC3\xA9"
                                         "es \xC3\xA9t\xC3\xA9 \xC5\x81\xC3\xB3\x64\xC5\xBA";

TEST(CheminUtf8, MemeCheminQueSesCaracteres) {
    const fs::path chemin = chemin_utf8(dossier_accentue);
    EXPECT_EQ(chemin, fs::path(u8"Données été Łódź"));
#ifdef _WIN32
    EXPECT_EQ(chemin.native(), L"Donn\u00e9es \u00e9t\u00e9 \u0141\u00f3d\u017a");
#endif
    EXPECT_EQ(utf8_du_chemin(chemin), dossier_accentue);
}

TEST(CheminUtf8, RepertoireDansUnDossierAccentue) {
    DossierTemporaire racine;
    const fs::path dossier = racine.chemin() / chemin_utf8(dossier_accentue);
    ASSERT_TRUE(fs::create_directory(dossier));
    EtatFenetre e;
    essai::saisir_personne(e, "Zo\xC3\xA9", "Dupont", "1", "2", "1990");
    essai::QuestionsScriptees questions;
    ASSERT_FALSE(sauvegarder_personnes(e, dossier, questions).message.has_value());

    // Windows-1252 and CR LF, whatever the platform.
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier)),
              "\"Dupont\",\"Zo\xE9\",\"1\",\"2\",\"1990\"\r\n");
    const ListePersonnes liste = lire_liste_personnes(dossier);
    ASSERT_FALSE(liste.erreur.has_value());
    EXPECT_EQ(liste.lignes(), std::vector<std::string>{"Dupont;Zo\xC3\xA9;1;2;1990"});

    // Saving again replaces the existing file through the temporary one.
    essai::QuestionsScriptees oui({true});
    e.saisir(ChampId::jour, "3");
    ASSERT_FALSE(sauvegarder_personnes(e, dossier, oui).message.has_value());
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier)),
              "\"Dupont\",\"Zo\xE9\",\"3\",\"2\",\"1990\"\r\n");
    EXPECT_EQ(lire_octets(fichier_secours(dossier)),
              "\"Dupont\",\"Zo\xE9\",\"1\",\"2\",\"1990\"\r\n");
}

#ifdef _WIN32
// The roaming application-data folder, as Windows names it in %APPDATA%.
TEST(DossiersSysteme, DonneesApplicationDeWindows) {
    const wchar_t* appdata = _wgetenv(L"APPDATA");
    ASSERT_NE(appdata, nullptr);
    EXPECT_EQ(donnees_application_utilisateur(), fs::path(appdata));
}
#else
TEST(DossiersSysteme, DonneesApplicationXdg) {
    const char* avant = std::getenv("XDG_DATA_HOME");
    const std::string garde = avant ? avant : "";
    setenv("XDG_DATA_HOME", "/donnees/xdg", 1);
    EXPECT_EQ(donnees_application_utilisateur(), fs::path("/donnees/xdg"));
    if (avant)
        setenv("XDG_DATA_HOME", garde.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

// XDG_DATA_HOME and HOME as a session may hold them (nullptr: not set).
TEST(DossiersSysteme, ReglesXdg) {
    struct Cas {
        const char* xdg;
        const char* home;
        const char* attendu; // "" = none given: the program's folder
    };
    const Cas cas[] = {
        {"/donnees/xdg", "/home/anne", "/donnees/xdg"},
        {"/donnees/xdg", nullptr, "/donnees/xdg"},
        {nullptr, "/home/anne", "/home/anne/.local/share"},
        {"", "/home/anne", "/home/anne/.local/share"},
        {"   ", "/home/anne", "/home/anne/.local/share"},
        {"relatif", "/home/anne", "/home/anne/.local/share"},
        {"relatif", nullptr, ""},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
        {nullptr, " \t ", ""},
        // Kept so that the data folder refuses it, rather than falling back.
        {nullptr, "maison", "maison/.local/share"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(donnees_application_xdg(c.xdg, c.home), fs::path(c.attendu))
            << (c.xdg ? c.xdg : "(null)") << " | " << (c.home ? c.home : "(null)");
}
#endif

} // namespace
} // namespace kalder
