#include "exemple.hpp"
#include "interpretation/commandes.hpp"
#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "textes/textes.hpp"
#include "theme/calculer_theme.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kalder {
namespace {

using essai::joindre;
using textes::entree;

TEST(CommentaireEntente, TroisParagraphesDansLOrdre) {
    EtatFenetre e = essai::exemple_rempli();
    essai::remplir(e.ent, 5, {"11/2", "16/7", "4"});
    calcul_entente(e, e.interpretation);
    EXPECT_EQ(e.interpretation.texte,
              joindre({"Expression 11/2 : Le 11 conduit à des relations 'magnétiques' qui "
                       "peuvent être très fortes et très belles.",
                       "Chemin de vie 16/7 : " + std::string(entree("entente_chemin", 16)),
                       "Essence 4 : " + std::string(entree("entente_climat", 4))}));
    EXPECT_FALSE(entree("entente_chemin", 16).empty());
}

TEST(CommentaireEntente, CreneauxAbsents) {
    const std::array<std::string_view, 3> cas[] = {
        {"8", "", ""}, {"0", " ", "0"}, {"", "19/1", ""}, {"", "", "22/4"}};
    const std::string attendus[] = {
        "Expression 8 : " + std::string(entree("entente_expression", 8)),
        "",
        "Chemin de vie 19/1 : " + std::string(entree("entente_chemin", 19)),
        "Essence 22/4 : " + std::string(entree("entente_climat", 22)),
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        EtatFenetre e = essai::exemple_rempli();
        essai::remplir(e.ent, 5, {cas[i][0], cas[i][1], cas[i][2]});
        calcul_entente(e, e.interpretation);
        EXPECT_EQ(e.interpretation.texte, attendus[i].empty() ? "" : attendus[i] + "\r\n") << i;
        EXPECT_TRUE(e.interpretation.existe);
    }
}

struct CasValidation {
    std::array<std::string_view, 4> champs; // prenom, nom, partner's prenom, partner's nom
    std::string_view message;
    ChampId focus;
};

TEST(CommentaireEntente, Validation) {
    const CasValidation cas[] = {
        {{"  ", "Dupont", "Paul", "Martin"}, "Le prénom doit être saisi", ChampId::prenom},
        {{" Anne ", "", "Paul", "Martin"}, "Le nom doit être saisi", ChampId::nom},
        {{"Anne", " Dupont", "", "Martin"},
         "Le prénom doit être saisi",
         ChampId::prenom_partenaire},
        {{"Anne", "Dupont", "Paul", "\t"}, "Le nom doit être saisi", ChampId::nom_partenaire},
    };
    for (const CasValidation& c : cas) {
        EtatFenetre e = essai::exemple_rempli();
        e.theme.prenom = e.theme.nom = "ancien";
        e.saisir(ChampId::prenom, c.champs[0]);
        e.saisir(ChampId::nom, c.champs[1]);
        e.saisir(ChampId::prenom_partenaire, c.champs[2]);
        e.saisir(ChampId::nom_partenaire, c.champs[3]);
        const Issue issue = interpreter_entente(e);
        ASSERT_TRUE(issue.message.has_value());
        EXPECT_EQ(issue.message->titre, "Erreur");
        EXPECT_EQ(issue.message->texte, c.message);
        EXPECT_EQ(issue.message->icone, Icone::avertissement);
        EXPECT_EQ(issue.focus, c.focus);
        EXPECT_FALSE(issue.afficher_interpretation);
        EXPECT_FALSE(e.interpretation.existe);
        // Checked, never stored: the stored person is the one whose numbers are shown.
        EXPECT_EQ(e.theme.prenom, "ancien");
        EXPECT_EQ(e.theme.nom, "ancien");
    }
}

TEST(CommentaireEntente, ValidationReussie) {
    EtatFenetre e = essai::exemple_rempli();
    e.saisir(ChampId::prenom, " Anne ");
    e.saisir(ChampId::prenom_partenaire, "Paul");
    e.saisir(ChampId::nom_partenaire, "Martin");
    essai::remplir(e.ent, 5, {"8"});
    const std::string stocke = e.theme.prenom;
    const Issue issue = interpreter_entente(e);
    EXPECT_FALSE(issue.message.has_value());
    EXPECT_TRUE(issue.afficher_interpretation);
    EXPECT_EQ(e.theme.prenom, stocke);
    EXPECT_EQ(e.interpretation.titre, "Entente entre deux personnes");
    EXPECT_TRUE(e.interpretation.texte.starts_with("Expression 8 : "));
}

struct CasBouton {
    Issue (*commande)(EtatFenetre&);
    std::string_view bandeau;
    SorteInterpretation sorte;
};

TEST(BoutonsInterpreter, BoutonsInterpreterDuTheme) {
    const CasBouton boutons[] = {{interpreter_synthese, "Synthèse", SorteInterpretation::synthese},
                                 {interpreter_details, "Détails", SorteInterpretation::details},
                                 {interpreter_annee, "Cycles", SorteInterpretation::annee}};
    const std::pair<std::string_view, std::string_view> noms_vides[] = {
        {"  ", "Dupont"}, {"Anne", "  "}, {"", ""}};
    for (const CasBouton& b : boutons) {
        for (const auto& [prenom, nom] : noms_vides) {
            EtatFenetre e = essai::exemple_rempli();
            e.saisir(ChampId::prenom, prenom);
            e.saisir(ChampId::nom, nom);
            const Issue issue = b.commande(e);
            EXPECT_FALSE(issue.message || issue.focus || issue.afficher_interpretation);
            EXPECT_FALSE(e.interpretation.existe) << b.bandeau;
        }
        EtatFenetre e = essai::exemple_rempli();
        const EtatFenetre calcule = essai::exemple_rempli();
        const auto attendu = interpreter(calcule, b.sorte, calcule.mois_choisi);
        ASSERT_TRUE(attendu);
        titrer_interpretation(e.interpretation, "ancien titre");
        EXPECT_TRUE(b.commande(e).afficher_interpretation);
        EXPECT_EQ(e.interpretation.titre, b.bandeau);
        EXPECT_EQ(e.interpretation.texte, attendu->texte);
    }
}

// A new theme writes the open interpretation again for the new person, same
// month, or empties it with a line naming both persons when it can no longer
// be written.
TEST(BoutonsInterpreter, NouveauThemeReecritLInterpretation) {
    struct Cas {
        Issue (*commande)(EtatFenetre&);
        const char* partenaire_apres;
        bool reecrite;
    };
    const Cas cas[] = {{interpreter_synthese, "Paul", true},
                       {interpreter_details, "Paul", true},
                       {interpreter_annee, "Paul", true},
                       {interpreter_entente, "Paul", true},
                       {interpreter_entente, "", false}};
    for (const Cas& c : cas) {
        EtatFenetre e = essai::anne_marie_dupont();
        ASSERT_FALSE(calculer_theme(e, 2026).message);
        essai::saisir_partenaire(e, "Paul", "Martin");
        e.mois_choisi = 4;
        ASSERT_TRUE(c.commande(e).afficher_interpretation);
        EXPECT_EQ(e.interpretation.personne, "Anne-Marie Dupont");

        essai::saisir_personne(e, "Zoé", "Écuyer", "1", "2", "1991");
        e.saisir(ChampId::prenom_partenaire, c.partenaire_apres);
        ASSERT_FALSE(calculer_theme(e, 2026).message);
        EtatFenetre attendu = e;
        c.commande(attendu);
        reinterpreter(e);
        EXPECT_EQ(e.interpretation.personne, "Zoé Écuyer");
        if (c.reecrite)
            EXPECT_EQ(e.interpretation.texte, attendu.interpretation.texte);
        else
            EXPECT_EQ(e.interpretation.texte,
                      "Ce texte concernait Anne-Marie Dupont\u00a0; pressez "
                      "«\u00a0Interpréter\u00a0» pour Zoé Écuyer.\r\n");
    }
}

} // namespace
} // namespace kalder
