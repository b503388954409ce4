// The person kept from a calculation and the state computed again from it:
// every slot as the calculation from the typed fields gave it, and the
// calculations refused as the window refuses them.
#include "compat/calculer_compatibilite.hpp"
#include "identite/identite.hpp"
#include "modele/catalogue.hpp"
#include "modele/etat_fenetre.hpp"
#include "nom_du_cas.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kalder {
namespace {

constexpr int annee_courante = 2026;

struct Partenaire {
    const char* prenom;
    const char* nom;
    const char* jour;
    const char* mois;
    const char* annee;
    const char* rencontre[3];
};

struct Cas {
    const char* nom;
    const char* personne[5]; // first names, name, day, month, year
    std::optional<std::string> annee_calcul;
    std::optional<Partenaire> partenaire;
    int mois_choisi;
};

EtatFenetre saisie(const Cas& c, CalculsDemandes* demandes) {
    EtatFenetre e;
    e.mois_choisi = c.mois_choisi;
    essai::saisir_personne(e, c.personne[0], c.personne[1], c.personne[2], c.personne[3],
                           c.personne[4]);
    demandes->annee_calcul = c.annee_calcul;
    if (const auto& p = c.partenaire) {
        essai::saisir_partenaire(e, p->prenom, p->nom, p->jour, p->mois, p->annee);
        e.saisir(ChampId::jour_rencontre, p->rencontre[0]);
        e.saisir(ChampId::mois_rencontre, p->rencontre[1]);
        e.saisir(ChampId::annee_rencontre, p->rencontre[2]);
        demandes->compatibilite = true;
    }
    return e;
}

class Recalcul : public testing::TestWithParam<Cas> {};

TEST_P(Recalcul, RendChaqueSlotDuCalculSaisi) {
    CalculsDemandes demandes;
    EtatFenetre calcule = saisie(GetParam(), &demandes);
    const Issue issue = calculer_saisie(calcule, annee_courante, demandes);
    ASSERT_FALSE(issue.message) << issue.message->texte;

    std::string erreur;
    const auto refait = recalculer(identite_enregistree(calcule), annee_courante, &erreur);
    ASSERT_TRUE(refait) << erreur;
    EXPECT_EQ(refait->mois_choisi, calcule.mois_choisi);
    for (const SlotCatalogue& entree : catalogue_slots())
        for (int i = entree.premier; i <= entree.dernier; ++i) {
            const Slot& attendu = entree.slot(calcule, i);
            const Slot& obtenu = entree.slot(*refait, i);
            EXPECT_EQ(obtenu.texte, attendu.texte) << entree.nom_complet(i);
            EXPECT_EQ(obtenu.couleur, attendu.couleur) << entree.nom_complet(i);
            EXPECT_EQ(obtenu.visible, attendu.visible) << entree.nom_complet(i);
        }
}

constexpr Partenaire paul = {"Paul", "Martin", "17", "5", "1990", {"3", "9", "2015"}};

INSTANTIATE_TEST_SUITE_P(
    Identite, Recalcul,
    testing::Values(
        Cas{"exemple", {"Anne-Marie", "Dupont", "15", "7", "1975"}, {}, {}, 1},
        Cas{"annee_choisie", {"Anne-Marie", "Dupont", "15", "7", "1975"}, "2031", {}, 1},
        Cas{"partenaire", {"Anne-Marie", "Dupont", "15", "7", "1975"}, {}, paul, 4},
        Cas{"annee_et_partenaire", {"Zoé", "Lefèvre", "29", "2", "1984"}, "2040", paul, 12},
        Cas{"sans_date", {"Anne", "Dupont", "", "", ""}, {}, {}, 1},
        Cas{"nombre_maitre", {"Ève-Léa", "Œuvray", "11", "11", "1966"}, {}, {}, 1},
        // The theme's year (the current one) is before the birth: the
        // forecast is the theme's own, not one asked and refused.
        Cas{"ne_apres_l_annee_courante", {"Anne", "Dupont", "1", "1", "2030"}, {}, {}, 1}),
    ::essai::NomDuCas{});

struct Refus {
    const char* nom;
    Cas saisie;
    const char* message;
};

class CalculRefuse : public testing::TestWithParam<Refus> {};

TEST_P(CalculRefuse, DitPourquoi) {
    CalculsDemandes demandes;
    EtatFenetre e = saisie(GetParam().saisie, &demandes);
    const Issue issue = calculer_saisie(e, annee_courante, demandes);
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->texte, GetParam().message);
}

constexpr Partenaire sans_prenom = {" ", "Martin", "17", "5", "1990", {"", "", ""}};

INSTANTIATE_TEST_SUITE_P(
    Identite, CalculRefuse,
    testing::Values(
        Refus{"jour", {"", {"Anne", "Dupont", "0", "7", "1975"}, {}, {}, 1}, "Jour incorrect"},
        Refus{"annee_avant_la_naissance",
              {"", {"Anne", "Dupont", "1", "1", "1900"}, "1800", {}, 1},
              "Année incorrecte"},
        Refus{"annee_courante_avant_la_naissance",
              {"", {"Anne", "Dupont", "1", "1", "2030"}, "2026", {}, 1},
              "Année incorrecte"},
        Refus{"partenaire_sans_prenom",
              {"", {"Anne", "Dupont", "1", "1", "1980"}, {}, sans_prenom, 1},
              "Le prénom doit être saisi"}),
    ::essai::NomDuCas{});

// A partner goes into the dossier of the person it was entered for only: a
// new person calculated after it has the compatibility on screen, not in
// the dossier, until the compatibility is calculated for them.
TEST(Identite, PartenaireDUneAutrePersonne) {
    struct CasPartenaire {
        const char* nom;
        const char* personne_apres[5];
        bool compatibilite_calculee_apres;
        bool partenaire_au_dossier;
    };
    const CasPartenaire cas[] = {
        {"meme_personne", {"Anne-Marie", "Dupont", "15", "7", "1975"}, false, true},
        {"autre_personne", {"Hélène", "Saint-Exupéry", "22", "11", "1963"}, false, false},
        {"autre_date", {"Anne-Marie", "Dupont", "16", "7", "1975"}, false, false},
        {"calculee_pour_elle", {"Hélène", "Saint-Exupéry", "22", "11", "1963"}, true, true},
    };
    for (const CasPartenaire& c : cas) {
        EtatFenetre e;
        essai::saisir_personne(e, "Anne-Marie", "Dupont", "15", "7", "1975");
        essai::saisir_partenaire(e, "Paul", "Martin", "3", "3", "1970");
        ASSERT_FALSE(calculer_saisie(e, annee_courante, {std::nullopt, true}).message);
        essai::saisir_personne(e, c.personne_apres[0], c.personne_apres[1], c.personne_apres[2],
                               c.personne_apres[3], c.personne_apres[4]);
        ASSERT_FALSE(calculer_theme(e, annee_courante).message);
        actualiser_compatibilite(e);
        ASSERT_FALSE(e.ent[ent::expression_commune].texte.empty()) << c.nom;
        if (c.compatibilite_calculee_apres) {
            ASSERT_FALSE(calculer_compatibilite(e).message);
        }
        EXPECT_EQ(identite_enregistree(e).partenaire.has_value(), c.partenaire_au_dossier) << c.nom;
    }
}

} // namespace
} // namespace kalder
