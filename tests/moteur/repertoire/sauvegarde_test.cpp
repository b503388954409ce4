#include "modele/etat_fenetre.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "saisie_personne.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

struct Ligne {
    std::string prenom, nom, jour, mois, annee;
};

EtatFenetre fenetre(const Ligne& vous, const Ligne& partenaire = {}) {
    EtatFenetre e;
    essai::saisir_personne(e, vous.prenom, vous.nom, vous.jour, vous.mois, vous.annee);
    essai::saisir_partenaire(e, partenaire.prenom, partenaire.nom, partenaire.jour, partenaire.mois,
                             partenaire.annee);
    // Meeting date: never stored.
    e.saisir(ChampId::jour_rencontre, "1");
    e.saisir(ChampId::mois_rencontre, "2");
    e.saisir(ChampId::annee_rencontre, "2000");
    return e;
}

const Ligne anne{"Anne-Marie", "Dupont", "15", "7", "1975"};
const Ligne paul{"Paul", "Martin", "3", "12", "1980"};
const std::string ligne_anne = "\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n";
const std::string ligne_paul_decembre = "\"Martin\",\"Paul\",\"3\",\"12\",\"1980\"\r\n";

// One save into a folder that holds `avant` (nothing when absent).
struct CasSauvegarde {
    const char* nom;
    std::optional<std::string> avant;
    Ligne vous;
    Ligne partenaire;
    std::vector<bool> reponses;
    std::vector<std::string> questions; // texts, in the order asked
    std::string apres;
};

class RepertoireSauvegarde : public ::testing::TestWithParam<CasSauvegarde> {};

TEST_P(RepertoireSauvegarde, FichierApres) {
    const auto& cas = GetParam();
    DossierTemporaire dossier;
    const auto fichier = fichier_repertoire(dossier.chemin());
    if (cas.avant)
        ecrire_octets(fichier, *cas.avant);
    QuestionsScriptees questions(cas.reponses);

    const Issue issue =
        sauvegarder_personnes(fenetre(cas.vous, cas.partenaire), dossier.chemin(), questions);

    EXPECT_FALSE(issue.message.has_value()) << issue.message->texte;
    EXPECT_EQ(lire_octets(fichier), cas.apres);
    std::vector<std::string> posees;
    for (const auto& q : questions.posees)
        posees.push_back(q.texte);
    EXPECT_EQ(posees, cas.questions);
    if (cas.avant) {
        EXPECT_EQ(lire_octets(fichier_secours(dossier.chemin())), *cas.avant);
        EXPECT_EQ(noms_dans(dossier.chemin()),
                  (std::vector<std::string>{"Kalderrep.bak", "Kalderrep.txt"}));
    } else {
        EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalderrep.txt"});
    }
}

const std::string question_anne = "Anne-Marie Dupont a déjà été enregistré, modifier ?";
const std::string question_paul = "Paul Martin a déjà été enregistré, modifier ?";

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireSauvegarde,
    ::testing::Values(
        CasSauvegarde{"premiere_sauvegarde",
                      std::nullopt,
                      anne,
                      paul,
                      {},
                      {},
                      ligne_anne + ligne_paul_decembre},
        CasSauvegarde{
            "premiere_sauvegarde_sans_partenaire", std::nullopt, anne, {}, {}, {}, ligne_anne},
        CasSauvegarde{"personne_ne_prend_part_pas_de_fichier",
                      std::nullopt,
                      {"  ", "Dupont", "1", "2", "3"},
                      {"Paul", "", "1", "2", "3"},
                      {},
                      {},
                      ""},
        CasSauvegarde{"champs_rognes",
                      std::nullopt,
                      Ligne{"  Anne-Marie ", "\tDupont  ", " 15", "7 ", "  1975  "},
                      {},
                      {},
                      {},
                      ligne_anne},
        CasSauvegarde{"champs_de_date_vides",
                      std::nullopt,
                      Ligne{"Anne", "Dupont", "", "", ""},
                      {},
                      {},
                      {},
                      "\"Dupont\",\"Anne\",\"\",\"\",\"\"\r\n"},
        CasSauvegarde{"accents_en_Windows_1252",
                      std::nullopt,
                      Ligne{"Hélène", "Lefèvre", "1", "2", "3"},
                      Ligne{"Zoé", "Cœur", "", "", ""},
                      {},
                      {},
                      "\"Lef\xE8vre\",\"H\xE9l\xE8ne\",\"1\",\"2\",\"3\"\r\n"
                      "\"C\x9C"
                      "ur\",\"Zo\xE9\",\"\",\"\",\"\"\r\n"},
        CasSauvegarde{"ajout_a_la_fin",
                      ligne_paul_decembre,
                      anne,
                      {},
                      {},
                      {},
                      ligne_paul_decembre + ligne_anne},
        CasSauvegarde{"oui_remplacee_a_sa_place",
                      ligne_paul_decembre + "\"Dupont\",\"Anne-Marie\",\"1\",\"1\",\"1900\"\r\n" +
                          ligne_paul_decembre,
                      anne,
                      {},
                      {true},
                      {question_anne},
                      ligne_paul_decembre + ligne_anne + ligne_paul_decembre},
        CasSauvegarde{"non_laissee_et_pas_doublee",
                      "Dupont,Anne-Marie,1,1,1900\r\n",
                      anne,
                      {},
                      {false},
                      {question_anne},
                      "\"Dupont\",\"Anne-Marie\",\"1\",\"1\",\"1900\"\r\n"},
        CasSauvegarde{"non_pour_vous_le_partenaire_est_tout_de_meme_ajoute",
                      "\"Dupont\",\"Anne-Marie\",\"1\",\"1\",\"1900\"\r\n",
                      anne,
                      paul,
                      {false},
                      {question_anne},
                      "\"Dupont\",\"Anne-Marie\",\"1\",\"1\",\"1900\"\r\n" + ligne_paul_decembre},
        CasSauvegarde{
            "les_deux_connus_vous_puis_partenaire",
            "\"Martin\",\"Paul\",\"\",\"\",\"\"\r\n\"Dupont\",\"Anne-Marie\",\"\",\"\",\"\"\r\n",
            anne,
            paul,
            {true, true},
            {question_anne, question_paul},
            ligne_paul_decembre + ligne_anne},
        CasSauvegarde{"casse_accent_trait_d_union_autres_personnes",
                      "\"dupont\",\"Anne-Marie\",\"\",\"\",\"\"\r\n"
                      "\"Dupont\",\"Anne Marie\",\"\",\"\",\"\"\r\n"
                      "\"Dupont\",\"Ann\xE9-Marie\",\"\",\"\",\"\"\r\n",
                      anne,
                      {},
                      {},
                      {},
                      "\"dupont\",\"Anne-Marie\",\"\",\"\",\"\"\r\n"
                      "\"Dupont\",\"Anne Marie\",\"\",\"\",\"\"\r\n"
                      "\"Dupont\",\"Ann\xE9-Marie\",\"\",\"\",\"\"\r\n" +
                          ligne_anne},
        CasSauvegarde{"deux_entrees_du_meme_nom_seule_la_premiere_remplacee",
                      "\"Dupont\",\"Anne-Marie\",\"1\",\"\",\"\"\r\n"
                      "\"Dupont\",\"Anne-Marie\",\"2\",\"\",\"\"\r\n",
                      anne,
                      {},
                      {true},
                      {question_anne},
                      ligne_anne + "\"Dupont\",\"Anne-Marie\",\"2\",\"\",\"\"\r\n"},
        CasSauvegarde{"meme_personne_sur_les_deux_lignes",
                      "\"Dupont\",\"Anne-Marie\",\"\",\"\",\"\"\r\n",
                      anne,
                      Ligne{"Anne-Marie", "Dupont", "1", "1", "2001"},
                      {true, true},
                      {question_anne, question_anne},
                      ligne_anne + "\"Dupont\",\"Anne-Marie\",\"1\",\"1\",\"2001\"\r\n"},
        CasSauvegarde{"nom_avec_une_virgule_relu_entier",
                      "\"Dupont, fils\",\"Jean\",\"\",\"\",\"\"\n",
                      Ligne{"Jean", "Dupont, fils", "4", "5", "1966"},
                      {},
                      {true},
                      {"Jean Dupont, fils a déjà été enregistré, modifier ?"},
                      "\"Dupont, fils\",\"Jean\",\"4\",\"5\",\"1966\"\r\n"},
        CasSauvegarde{"fichier_LF_sans_derniere_fin_de_ligne",
                      "\"Martin\",\"Paul\",\"3\",\"12\",\"1980\"\n\n\"Dupont\",\"Anne-Marie\"",
                      {},
                      {},
                      {},
                      {},
                      ligne_paul_decembre + "\"Dupont\",\"Anne-Marie\",\"\",\"\",\"\"\r\n"},
        CasSauvegarde{"lignes_ecrites_a_la_main_gardees",
                      "Du\"pont,Jean,1,2,3\r\n\"A\",\"B\",\"1\",\"2\",\"3\",\"note\"\r\n",
                      anne,
                      {},
                      {},
                      {},
                      "Du\"pont,Jean,1,2,3\r\n\"A\",\"B\",\"1\",\"2\",\"3\",\"note\"\r\n" +
                          ligne_anne},
        CasSauvegarde{"guillemet_dans_une_ligne_qui_ne_prend_pas_part",
                      ligne_paul_decembre,
                      anne,
                      Ligne{"\"Jo\"", "", "\"", "", ""},
                      {},
                      {},
                      ligne_paul_decembre + ligne_anne}),
    ::essai::NomDuCas());

TEST(RepertoireSauvegardeQuestions, TitresEtIcones) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_anne + ligne_paul_decembre);
    QuestionsScriptees questions({false, false});
    sauvegarder_personnes(fenetre(anne, paul), dossier.chemin(), questions);
    ASSERT_EQ(questions.posees.size(), 2u);
    EXPECT_EQ(questions.posees[0].titre, "Attention");
    EXPECT_EQ(questions.posees[0].icone, Icone::question);
    EXPECT_EQ(questions.posees[1].titre, "Attention");
    EXPECT_EQ(questions.posees[1].icone, Icone::aucune);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), ligne_anne + ligne_paul_decembre);
}

TEST(RepertoireSauvegardeFichierManuel, Windows1252RelusOctetPourOctet) {
    DossierTemporaire dossier;
    const std::string fait_main = "\"H\xE9l\xE8ne\",\"Fran\xE7oise\",\"1\",\"2\",\"1950\"\r\n"
                                  "\"\xC9lise\",\"\x8C"
                                  "dipe\",\"\",\"\",\"\"\r\n"
                                  "\"M\xFCller\",\"J\xF6rg \x80\",\"31\",\"12\",\"1999\"\r\n";
    ecrire_octets(fichier_repertoire(dossier.chemin()), fait_main);
    QuestionsScriptees questions({false});
    const Issue issue = sauvegarder_personnes(fenetre(Ligne{"Françoise", "Hélène", "9", "9", "9"}),
                                              dossier.chemin(), questions);
    EXPECT_FALSE(issue.message.has_value());
    ASSERT_EQ(questions.posees.size(), 1u);
    EXPECT_EQ(questions.posees[0].texte, "Françoise Hélène a déjà été enregistré, modifier ?");
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), fait_main);
}

TEST(RepertoireSauvegardeFichierManuel, SauvegardesSuccessivesLeSecoursSuit) {
    DossierTemporaire dossier;
    QuestionsScriptees questions({true});
    sauvegarder_personnes(fenetre(anne), dossier.chemin(), questions);
    EXPECT_FALSE(fs::exists(fichier_secours(dossier.chemin())));
    sauvegarder_personnes(fenetre(paul), dossier.chemin(), questions);
    EXPECT_EQ(lire_octets(fichier_secours(dossier.chemin())), ligne_anne);
    sauvegarder_personnes(fenetre(Ligne{"Anne-Marie", "Dupont", "1", "1", "1"}), dossier.chemin(),
                          questions);
    EXPECT_EQ(lire_octets(fichier_secours(dossier.chemin())), ligne_anne + ligne_paul_decembre);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())),
              "\"Dupont\",\"Anne-Marie\",\"1\",\"1\",\"1\"\r\n" + ligne_paul_decembre);
}

} // namespace
} // namespace kalder
