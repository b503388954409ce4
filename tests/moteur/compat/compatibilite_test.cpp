#include "compat/calculer_compatibilite.hpp"
#include "modele/ecriture.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

struct Partenaire {
    const char* prenom = "Paul";
    const char* nom = "Martin";
    const char* jour = "";
    const char* mois = "";
    const char* annee = "";
    const char* rjour = "";
    const char* rmois = "";
    const char* rannee = "";
};

EtatFenetre avec_theme() {
    EtatFenetre e = essai::anne_marie_dupont();
    EXPECT_FALSE(calculer_theme(e, 2026).message);
    return e;
}

void saisir(EtatFenetre& e, const Partenaire& p) {
    essai::saisir_partenaire(e, p.prenom, p.nom, p.jour, p.mois, p.annee);
    e.saisir(ChampId::jour_rencontre, p.rjour);
    e.saisir(ChampId::mois_rencontre, p.rmois);
    e.saisir(ChampId::annee_rencontre, p.rannee);
}

TEST(Compatibilite, PartenaireSansDates) {
    EtatFenetre e = avec_theme();
    e.ent[6].texte = "ancien";
    saisir(e, {});
    ASSERT_FALSE(calculer_compatibilite(e).message);
    EXPECT_EQ(e.ent[2].texte, "8");
    EXPECT_EQ(e.ent[4].texte, "");
    EXPECT_EQ(e.ent[5].texte, "7"); // 8 + 8 = 16
    EXPECT_EQ(e.ent[6].texte, "");  // no partner date: no common path, not the old one
    EXPECT_EQ(e.ent[7].texte, "");
    EXPECT_TRUE(e.actif(BoutonId::entente));
}

TEST(Compatibilite, CheminCommunEnFormeVingtDeux) {
    EtatFenetre e = avec_theme();
    ecrire(e.ent[3], nombre_reduit(11, Arret::maitre, Ecriture::barre_sauf_zero));
    saisir(
        e,
        {.jour = "17", .mois = "5", .annee = "1990", .rjour = "1", .rmois = "1", .rannee = "2000"});
    ASSERT_FALSE(calculer_compatibilite(e).message);
    EXPECT_EQ(e.ent[4].texte, "5");
    EXPECT_EQ(e.ent[6].texte, "16/7");
    EXPECT_EQ(e.ent[7].texte, "4");
}

TEST(Compatibilite, MaitresEntrentAvecLeurValeurEntiere) {
    EtatFenetre e = avec_theme();
    ecrire(e.ent[1], nombre_reduit(11, Arret::maitre, Ecriture::barre_sauf_zero));
    ecrire(e.ent[3], nombre_reduit(33, Arret::maitre, Ecriture::barre_sauf_zero));
    // "ZZ" sums to 16: 7. 11 + 7 = 18, written 9. 6999 reduces to 33; 33 + 33 = 66: 12/3.
    saisir(e, {.prenom = "Z", .nom = "Z", .jour = "1", .mois = "1", .annee = "6997"});
    ASSERT_FALSE(calculer_compatibilite(e).message);
    EXPECT_EQ(e.ent[2].texte, "7");
    EXPECT_EQ(e.ent[5].texte, "9");
    EXPECT_EQ(e.ent[4].texte, "33/6");
    EXPECT_EQ(e.ent[6].texte, "12/3");
}

struct CasRefus {
    const char* nom;
    Partenaire p;
    const char* message;
    ChampId focus;
};

class Refus : public testing::TestWithParam<CasRefus> {};

TEST_P(Refus, RienNeChange) {
    EtatFenetre e = avec_theme();
    saisir(e, GetParam().p);
    const Issue issue = calculer_compatibilite(e);
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_EQ(issue.message->texte, GetParam().message);
    EXPECT_EQ(issue.focus, GetParam().focus);
    EXPECT_EQ(e.ent[2].texte, "");
    EXPECT_FALSE(e.actif(BoutonId::entente));
}

INSTANTIATE_TEST_SUITE_P(
    Saisies, Refus,
    testing::Values(
        CasRefus{"prenom_blanc",
                 {.prenom = " "},
                 "Le prénom doit être saisi",
                 ChampId::prenom_partenaire},
        CasRefus{"nom_vide", {.nom = ""}, "Le nom doit être saisi", ChampId::nom_partenaire},
        CasRefus{"mois_manquant", {.jour = "3"}, "Mois incorrect", ChampId::mois_partenaire},
        CasRefus{"jour_lettre",
                 {.jour = "x", .mois = "1", .annee = "1"},
                 "Jour incorrect",
                 ChampId::jour_partenaire},
        CasRefus{"annee_0",
                 {.jour = "1", .mois = "1", .annee = "0"},
                 "Année incorrecte",
                 ChampId::annee_partenaire},
        CasRefus{"rencontre_annee_0",
                 {.rjour = "1", .rmois = "1", .rannee = "0"},
                 "Année incorrecte",
                 ChampId::annee_rencontre},
        CasRefus{"rencontre_jour_32",
                 {.rjour = "32", .rmois = "1", .rannee = "2000"},
                 "Jour incorrect",
                 ChampId::jour_rencontre},
        CasRefus{"rencontre_jour_vide", {.rmois = "1"}, "Jour incorrect", ChampId::jour_rencontre}),
    ::essai::NomDuCas());

// Without both values a common number is emptied, never left from an
// earlier partner.
TEST(Compatibilite, SansThemeLesValeursCommunesSontVides) {
    EtatFenetre e;
    e.activer(BoutonId::calculer_entente, true);
    e.ent[5].texte = "avant";
    e.ent[6].texte = "avant";
    saisir(e, {.jour = "17", .mois = "5", .annee = "1990"});
    ASSERT_FALSE(calculer_compatibilite(e).message);
    EXPECT_EQ(e.ent[2].texte, "8");
    EXPECT_EQ(e.ent[4].texte, "5");
    EXPECT_EQ(e.ent[5].texte, "");
    EXPECT_EQ(e.ent[6].texte, "");
}

// A partner with a birth date, then one without: the common life path of
// the first partner does not stay beside the second.
TEST(Compatibilite, UnPartenaireSansDateVideLeCheminCommun) {
    EtatFenetre e;
    essai::saisir_personne(e, "Anne-Marie", "Dupont", "15", "7", "1975");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    saisir(e, {.jour = "17", .mois = "5", .annee = "1990"});
    ASSERT_FALSE(calculer_compatibilite(e).message);
    ASSERT_NE(e.ent[6].texte, "");
    saisir(e, {});
    ASSERT_FALSE(calculer_compatibilite(e).message);
    EXPECT_EQ(e.ent[4].texte, "");
    EXPECT_EQ(e.ent[6].texte, "");
    EXPECT_NE(e.ent[5].texte, "");
}

// A new person after a compatibility: the common numbers follow the new
// person when the partner line still passes, and are emptied otherwise,
// never left from the earlier person beside the new one.
TEST(Compatibilite, NouveauThemeActualiseLesNombresCommuns) {
    struct Cas {
        const char* nom;
        Partenaire apres; // the partner line when the new theme is calculated
        bool recalculee;
    };
    const Partenaire paul{.jour = "17", .mois = "5", .annee = "1990"};
    const Cas cas[] = {
        {"meme_partenaire", paul, true},
        {"partenaire_sans_date", {}, true},
        {"prenom_efface", {.prenom = ""}, false},
        {"jour_faux", {.jour = "45", .mois = "5", .annee = "1990"}, false},
    };
    for (const Cas& c : cas) {
        EtatFenetre e = avec_theme();
        saisir(e, paul);
        ASSERT_FALSE(calculer_compatibilite(e).message);
        const std::string ancien_partenaire = e.ent[2].texte;
        saisir(e, c.apres);
        essai::saisir_personne(e, "Zoé", "Écuyer", "1", "2", "1991");
        ASSERT_FALSE(calculer_theme(e, 2026).message);
        actualiser_compatibilite(e);

        EtatFenetre attendu = e;
        ASSERT_EQ(calculer_compatibilite(attendu).message.has_value(), !c.recalculee) << c.nom;
        if (c.recalculee) {
            for (int i = ent::premier; i <= ent::dernier; ++i)
                EXPECT_EQ(e.ent[i].texte, attendu.ent[i].texte) << c.nom << ' ' << i;
            EXPECT_EQ(e.origines.entente.votre_chemin, e.ent[3].valeur()) << c.nom;
        } else {
            EXPECT_EQ(e.ent[2].texte, ancien_partenaire) << c.nom;
            EXPECT_EQ(e.ent[5].texte, "") << c.nom;
            EXPECT_EQ(e.ent[6].texte, "") << c.nom;
        }
    }
    // No compatibility on screen: the tab stays as it is.
    EtatFenetre e = avec_theme();
    saisir(e, paul);
    actualiser_compatibilite(e);
    EXPECT_EQ(e.ent[2].texte, "");
    EXPECT_FALSE(e.actif(BoutonId::entente));
}

} // namespace
} // namespace kalder
