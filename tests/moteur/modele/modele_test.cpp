#include "modele/effacer.hpp"
#include "modele/etat_fenetre.hpp"
#include "modele/slots.hpp"
#include "repertoire/prendre_personne.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

struct CasDefaut {
    const char* nom;
    ChampId champ;
    BoutonId attendu;
};

class BoutonParDefaut : public testing::TestWithParam<CasDefaut> {};

TEST_P(BoutonParDefaut, SuitLeDernierChampModifie) {
    EtatFenetre e;
    e.bouton_defaut = BoutonId::effacer_tout; // a value no field leads to
    e.saisir(GetParam().champ, "1");
    EXPECT_EQ(e.bouton_defaut, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Champs, BoutonParDefaut,
    testing::Values(
        CasDefaut{"prenom", ChampId::prenom, BoutonId::calculer},
        CasDefaut{"annee", ChampId::annee, BoutonId::calculer},
        CasDefaut{"nom_partenaire", ChampId::nom_partenaire, BoutonId::calculer_entente},
        CasDefaut{"annee_partenaire", ChampId::annee_partenaire, BoutonId::calculer_entente},
        CasDefaut{"annee_calcul", ChampId::annee_calcul, BoutonId::calculer_annee},
        CasDefaut{"jour_rencontre", ChampId::jour_rencontre, BoutonId::effacer_tout},
        CasDefaut{"annee_rencontre", ChampId::annee_rencontre, BoutonId::effacer_tout}),
    ::essai::NomDuCas());

TEST(EtatFenetre, OuvertureEtEntree) {
    EtatFenetre e;
    EXPECT_EQ(e.bouton_entree(), BoutonId::calculer);
    EXPECT_EQ(e.tri2.texte, "Nombre clef");
    EXPECT_FALSE(e.deco[0].visible);
    EXPECT_FALSE(e.champ(ChampId::annee_calcul).actif);
    EXPECT_FALSE(e.liste_mois_active);
    for (BoutonId b : {BoutonId::synthese, BoutonId::details, BoutonId::annee, BoutonId::entente,
                       BoutonId::calculer_annee, BoutonId::calculer_entente})
        EXPECT_FALSE(e.actif(b)) << nom_bouton(b);
    // Before any theme the partner's "Calculer" is disabled: Enter does nothing.
    e.saisir(ChampId::prenom_partenaire, "Paul");
    EXPECT_EQ(e.bouton_entree(), std::nullopt);
    // The same text again is no change.
    e.saisir(ChampId::prenom, "");
    EXPECT_EQ(e.bouton_defaut, BoutonId::calculer_entente);
}

TEST(EtatFenetre, NomsDesSlots) {
    EtatFenetre e;
    const auto slots = slots_nommes(e);
    EXPECT_EQ(slots.size(), 9u + 7 + 5 + 3 + 15 + 3 + 15 + 1 + 3 + 11 + 2 + 12 * 5 + 8 + 96 + 7);
    EXPECT_EQ(trouver_slot(e, "Grille(1)"), &e.Grille[1]);
    EXPECT_EQ(trouver_slot(e, "semaine(48)"), &e.semaine[48]);
    EXPECT_EQ(trouver_slot(e, "Toi(12)"), &e.Toi[12]);
    EXPECT_EQ(trouver_slot(e, "annee_personnelle"), &e.annee_personnelle);
    EXPECT_EQ(trouver_slot(e, "Grille(0)"), nullptr);
}

EtatFenetre calcule() {
    EtatFenetre e = essai::anne_marie_dupont();
    e.saisir(ChampId::prenom_partenaire, "Paul");
    e.saisir(ChampId::jour_rencontre, "1");
    e.mois_choisi = 4;
    EXPECT_FALSE(calculer_theme(e, 2026).message);
    e.ent[5].texte = "7";
    e.activer(BoutonId::entente, true);
    e.interpretation.existe = true;
    e.interpretation.titre = "Synthèse";
    e.interpretation.texte = "texte\r\n";
    return e;
}

TEST(Effacer, ToutSaufLaRencontreEtLePanneauVert) {
    EtatFenetre e = calcule();
    const Issue issue = effacer_tout(e);
    EXPECT_EQ(issue.focus, ChampId::prenom);
    for (ChampId c : {ChampId::prenom, ChampId::nom, ChampId::jour, ChampId::mois, ChampId::annee,
                      ChampId::prenom_partenaire, ChampId::annee_calcul})
        EXPECT_EQ(e.texte(c), "") << nom_champ(c);
    EXPECT_EQ(e.texte(ChampId::jour_rencontre), "1");
    EXPECT_EQ(e.tri1.texte, "Pierre angulaire");
    EXPECT_EQ(e.tri2.texte, "Nombre clef");
    EXPECT_EQ(e.tri3.texte, "Dernière pierre");
    // "Nombre clef" was dark red (8 is missing from the grid).
    for (const Slot* s : {&e.tri1, &e.tri2, &e.tri3})
        EXPECT_EQ(s->couleur, Couleur::defaut);
    EXPECT_FALSE(e.deco[0].visible);
    EXPECT_EQ(e.des[0].texte, "");
    for (BoutonId b : {BoutonId::synthese, BoutonId::details, BoutonId::annee, BoutonId::entente,
                       BoutonId::calculer_annee, BoutonId::calculer_entente})
        EXPECT_FALSE(e.actif(b)) << nom_bouton(b);
    EXPECT_FALSE(e.liste_mois_active);
    EXPECT_EQ(e.mois_choisi, 4);
    EXPECT_FALSE(e.champ(ChampId::annee_calcul).actif);
    const auto slots = slots_nommes(e);
    for (const auto& [nom, slot] : slots) {
        const bool panneau_vert = nom == "vie(0)" || nom.rfind("cycle", 0) == 0 ||
                                  nom.rfind("apogee", 0) == 0 || nom.rfind("fin_apogee", 0) == 0 ||
                                  nom.rfind("defi_apogee", 0) == 0 || nom.rfind("tri", 0) == 0;
        if (!panneau_vert) {
            EXPECT_EQ(slot->texte, "") << nom;
        }
    }
    EXPECT_EQ(e.cycle3.texte, "22/4");
    EXPECT_EQ(e.vie[0].texte, "Chemin de vie : 8");
    EXPECT_FALSE(e.interpretation.existe);
    EXPECT_EQ(e.theme.jour, 0);
    EXPECT_EQ(e.theme.elan_brut, 0);
    EXPECT_EQ(e.theme.prenom, "Anne-Marie");
    EXPECT_EQ(e.theme.pierres[2], 8);
    // The last field that held text was the year to calculate.
    EXPECT_EQ(e.bouton_defaut, BoutonId::calculer_annee);
    EXPECT_EQ(e.bouton_entree(), std::nullopt);
}

TEST(Effacer, PartenaireSeulement) {
    EtatFenetre e = calcule();
    effacer_partenaire(e);
    EXPECT_EQ(e.texte(ChampId::prenom_partenaire), "");
    EXPECT_EQ(e.texte(ChampId::jour_rencontre), "1");
    EXPECT_EQ(e.texte(ChampId::prenom), "Anne-Marie");
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(e.ent[i].texte, "") << i;
    EXPECT_EQ(e.Grille[5].texte, "5");
    EXPECT_TRUE(e.actif(BoutonId::entente));
}

// "-> Vous" clears like "Effacer tout": "Nombre clef" was dark red.
TEST(Effacer, VersVousRendSaCouleurAuTriangle) {
    EtatFenetre e = essai::anne_marie_dupont();
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    ASSERT_EQ(e.tri2.couleur, Couleur::rouge_fonce);
    prendre_vous(e, Personne{"Martin", "Paul", "3", "12", "1980"});
    for (const Slot* s : {&e.tri1, &e.tri2, &e.tri3})
        EXPECT_EQ(s->couleur, Couleur::defaut);
    EXPECT_EQ(e.tri2.texte, "Nombre clef");
}

} // namespace
} // namespace kalder
