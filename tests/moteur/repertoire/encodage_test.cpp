// Files saved as UTF-8 by another editor, composed accents, and messages that
// name the real cause.
#include "modele/etat_fenetre.hpp"
#include "nom_du_cas.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/encodage_fichier.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "saisie_personne.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

struct CasUtf8 {
    const char* nom;
    std::string fichier;
};

class RepertoireFichierUtf8 : public ::testing::TestWithParam<CasUtf8> {};

// "Zoé" is found, not added twice, and the file goes back to Windows-1252.
TEST_P(RepertoireFichierUtf8, LuEnUtf8ReecritEnWindows1252) {
    DossierTemporaire dossier;
    const std::string& avant = GetParam().fichier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), avant);
    EXPECT_EQ(lire_liste_personnes(dossier.chemin()).lignes(),
              (std::vector<std::string>{"Dupont;Zoé;1;2;1990", "Lefèvre;Œdipe;;;"}));

    EtatFenetre e;
    essai::saisir_personne(e, "Zoé", "Dupont", "3", "4", "2000");
    QuestionsScriptees questions({true});
    ASSERT_FALSE(sauvegarder_personnes(e, dossier.chemin(), questions).message);
    EXPECT_EQ(questions.posees.size(), 1u);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())),
              "\"Dupont\",\"Zo\xE9\",\"3\",\"4\",\"2000\"\r\n"
              "\"Lef\xE8vre\",\"\x8C"
              "dipe\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(lire_octets(fichier_secours(dossier.chemin())), avant);
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireFichierUtf8,
    ::testing::Values(CasUtf8{"avec_marque",
                              "\xEF\xBB\xBF\"Dupont\",\"Zo\xC3\xA9\",\"1\",\"2\",\"1990\"\r\n"
                              "\"Lef\xC3\xA8vre\",\"\xC5\x92"
                              "dipe\",\"\",\"\",\"\"\r\n"},
                      CasUtf8{"sans_marque", "\"Dupont\",\"Zo\xC3\xA9\",\"1\",\"2\",\"1990\"\n"
                                             "\"Lef\xC3\xA8vre\",\"\xC5\x92"
                                             "dipe\",\"\",\"\",\"\"\n"},
                      CasUtf8{"accents_combines",
                              "\"Dupont\",\"Zoe\xCC\x81\",\"1\",\"2\",\"1990\"\r\n"
                              "\"Lefe\xCC\x80vre\",\"\xC5\x92"
                              "dipe\",\"\",\"\",\"\"\r\n"}),
    ::essai::NomDuCas());

// One Windows-1252 line among UTF-8 ones: each person is read as written,
// and found again by a save.
TEST(RepertoireFichierUtf8, EncodageDecideLigneParLigne) {
    DossierTemporaire dossier;
    ecrire_octets(
        fichier_repertoire(dossier.chemin()),
        "\"Roy\",\"Zo\xC3\xAB\",\"\",\"\",\"\"\r\n\"Roy\",\"No\xEBl\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(lire_liste_personnes(dossier.chemin()).lignes(),
              (std::vector<std::string>{"Roy;Noël;;;", "Roy;Zoë;;;"}));
    EtatFenetre e;
    essai::saisir_personne(e, "Zoë", "Roy", "7");
    QuestionsScriptees questions({true});
    ASSERT_FALSE(sauvegarder_personnes(e, dossier.chemin(), questions).message);
    EXPECT_EQ(questions.posees.size(), 1u);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())),
              "\"Roy\",\"Zo\xEB\",\"7\",\"\",\"\"\r\n\"Roy\",\"No\xEBl\",\"\",\"\",\"\"\r\n");
}

TEST(RepertoireFichierUtf8, CaractereHorsWindows1252RefuseALaSauvegarde) {
    DossierTemporaire dossier;
    const std::string avant = "\"Wa\xC5\x82\xC4\x99sa\",\"Lech\",\"\",\"\",\"\"\r\n";
    ecrire_octets(fichier_repertoire(dossier.chemin()), avant);
    EtatFenetre e;
    essai::saisir_personne(e, "Luc", "Roy");
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(e, dossier.chemin(), questions);
    ASSERT_TRUE(issue.message);
    EXPECT_NE(issue.message->texte.find("est écrit en UTF-8 et contient un caractère que "
                                        "Windows-1252 ne peut pas représenter"),
              std::string::npos);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), avant);
    // The opening still shows what it can.
    EXPECT_EQ(lire_liste_personnes(dossier.chemin()).taille(), 1u);
}

struct CasDetection {
    const char* nom;
    std::string octets;
    bool utf8;
};

class RepertoireDetectionUtf8 : public ::testing::TestWithParam<CasDetection> {};

TEST_P(RepertoireDetectionUtf8, Detection) {
    EXPECT_EQ(ligne_en_utf8(GetParam().octets), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Repertoire, RepertoireDetectionUtf8,
                         ::testing::Values(CasDetection{"ascii", "\"Roy\",\"Luc\"\r\n", false},
                                           CasDetection{"windows1252", "\"Zo\xE9\"\r\n", false},
                                           CasDetection{"windows1252_qui_ressemble", "\"\xC3\"\r\n",
                                                        false},
                                           CasDetection{"utf8", "\"Zo\xC3\xA9\"\r\n", true},
                                           CasDetection{"marque_seule", "\xEF\xBB\xBF", true},
                                           CasDetection{"forme_trop_longue", "\xC0\xA9", false},
                                           CasDetection{"moitie_de_paire", "\xED\xA0\x80", false},
                                           CasDetection{"emoji", "\xF0\x9F\x98\x80", true}),
                         ::essai::NomDuCas());

// --- Fields of the window.

TEST(RepertoireSaisie, AccentCombineComposeEtEnregistre) {
    DossierTemporaire dossier;
    EtatFenetre e;
    essai::saisir_personne(e, "Zoe\xCC\x81", "Lefe\xCC\x80vre");
    QuestionsScriptees questions;
    ASSERT_FALSE(sauvegarder_personnes(e, dossier.chemin(), questions).message);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())),
              "\"Lef\xE8vre\",\"Zo\xE9\",\"\",\"\",\"\"\r\n");
}

struct CasMessage {
    const char* nom;
    std::string prenom;
    std::string morceau;
};

class RepertoireMessageRefus : public ::testing::TestWithParam<CasMessage> {};

TEST_P(RepertoireMessageRefus, CeQueLeMessageMontre) {
    DossierTemporaire dossier;
    EtatFenetre e;
    essai::saisir_personne(e, GetParam().prenom, "Roy");
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(e, dossier.chemin(), questions);
    ASSERT_TRUE(issue.message);
    EXPECT_NE(issue.message->texte.find(GetParam().morceau), std::string::npos)
        << issue.message->texte;
    EXPECT_EQ(issue.message->texte.find('\n'), std::string::npos);
    EXPECT_EQ(issue.message->texte.find('\r'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Repertoire, RepertoireMessageRefus,
                         ::testing::Values(CasMessage{"emoji", "Luc\xF0\x9F\x98\x80", "(U+1F600)"},
                                           CasMessage{"quatre_chiffres", "\xC4\x80", "(U+0100)"},
                                           CasMessage{"plan_le_plus_haut", "\xF4\x8F\xBF\xBF",
                                                      "(U+10FFFF)"},
                                           CasMessage{"retour_a_la_ligne_visible", "Jean\r\nPaul",
                                                      "(Jean\u21B5Paul Roy)"},
                                           CasMessage{"saut_de_ligne_visible", "Jean\nPaul\n",
                                                      "(Jean\u21B5Paul\u21B5 Roy)"}),
                         ::essai::NomDuCas());

// --- System causes in French.

struct CasCause {
    const char* nom;
    std::errc code;
    std::string attendu;
};

class RepertoireCauseSysteme : public ::testing::TestWithParam<CasCause> {};

TEST_P(RepertoireCauseSysteme, Phrase) {
    EXPECT_EQ(
        expliquer_echec(Echec{Operation::lire, "/d/K", std::make_error_code(GetParam().code)}),
        GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireCauseSysteme,
    ::testing::Values(CasCause{"boucle", std::errc::too_many_symbolic_link_levels,
                               "le chemin «\u00a0/d/K\u00a0» passe par trop de liens symboliques "
                               "(sans doute une boucle "
                               "de liens)"},
                      CasCause{"trop_grand", std::errc::file_too_large,
                               "le fichier «\u00a0/d/K\u00a0» est trop grand pour ce disque"},
                      CasCause{"memoire", std::errc::not_enough_memory, "la mémoire a manqué"},
                      CasCause{"sans_peripherique", std::errc::no_such_device_or_address,
                               "«\u00a0/d/K\u00a0» ne mène à aucun fichier ordinaire"}),
    ::essai::NomDuCas());

#if !defined(_WIN32)
TEST(RepertoireCauseSysteme, BoucleDeLiensReelle) {
    DossierTemporaire dossier;
    const fs::path fichier = fichier_repertoire(dossier.chemin());
    fs::create_symlink(dossier.chemin() / "b", fichier);
    fs::create_symlink(fichier, dossier.chemin() / "b");
    EtatFenetre e;
    essai::saisir_personne(e, "Luc", "Roy");
    QuestionsScriptees questions;
    const Issue issue = sauvegarder_personnes(e, dossier.chemin(), questions);
    ASSERT_TRUE(issue.message);
    EXPECT_NE(issue.message->texte.find("boucle de liens"), std::string::npos)
        << issue.message->texte;
    EXPECT_TRUE(fs::is_symlink(fichier));
}
#endif

// --- The data folder names the folder that could not be made, and why.

TEST(RepertoireDossierDonnees, EchecsNommesAvecLeurCause) {
    DossierTemporaire racine;
    ecrire_octets(racine.chemin() / "appdata", "fichier");
    ecrire_octets(racine.chemin() / "programme", "fichier");
    std::vector<Echec> echecs;
    dossier_donnees(racine.chemin() / "appdata", racine.chemin() / "programme", &echecs);
    // The program's folder is not tried when an application-data folder is given.
    ASSERT_EQ(echecs.size(), 1u);
    EXPECT_EQ(echecs[0].chemin, racine.chemin() / "appdata" / "Kalder");
    const Message m = message_dossier_impossible(echecs);
    EXPECT_EQ(m.titre, "Erreur");
    const std::string attendu = "Le dossier de données n'a pas pu être créé\u00a0: «\u00a0" +
                                texte_chemin(racine.chemin() / "appdata" / "Kalder") +
                                "\u00a0», car un fichier ou un chemin sans dossier est à sa place.";
    EXPECT_EQ(m.texte, attendu);
}

} // namespace
} // namespace kalder
