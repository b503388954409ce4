#include "modele/etat_fenetre.hpp"
#include "modele/slots.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

EtatFenetre saisie(const char* prenom, const char* nom, const char* jour = "",
                   const char* mois = "", const char* annee = "") {
    EtatFenetre e;
    essai::saisir_personne(e, prenom, nom, jour, mois, annee);
    return e;
}

EtatFenetre anne_marie() {
    EtatFenetre e = essai::anne_marie_dupont();
    EXPECT_FALSE(calculer_theme(e, 2026).message);
    return e;
}

TEST(Theme, ExempleAnneMarieDupont) {
    const EtatFenetre e = anne_marie();
    const char* grille[] = {"2", "1", "1", "2", "5", "1", "1", "0", "2"};
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(e.Grille[k].texte, grille[k - 1]) << k;
        EXPECT_EQ(e.Grille[k].couleur, k == 8 ? Couleur::rouge_fonce : Couleur::defaut) << k;
    }
    const Theme& t = e.theme;
    EXPECT_EQ(t.elan_brut, 30);
    EXPECT_EQ(t.expression_brut, 71);
    EXPECT_EQ(t.moi_intime_brut, 41);
    EXPECT_EQ(t.actif_brut, 44);
    EXPECT_EQ(t.hereditaire_brut, 27);
    EXPECT_EQ((std::array<Nombre, 7>{6, 4, 4, 1, 7, 6, 2}), t.modes);
    EXPECT_EQ(t.pierres[1], 1);
    EXPECT_EQ(t.pierres[2], 8);
    EXPECT_EQ(t.pierres[3], 5);

    const std::pair<const char*, const char*> attendus[] = {{"Nomb(0)", "3"},
                                                            {"Nomb(1)", "8"},
                                                            {"Nomb(2)", "9"},
                                                            {"Nomb(3)", "8"},
                                                            {"Nomb(4)", "5"},
                                                            {"Nomb(5)", "9"},
                                                            {"Nomb(6)", "U"},
                                                            {"Nomb(7)", "5"},
                                                            {"Nomb(8)", "7"},
                                                            {"Nomb(9)", "7"},
                                                            {"Nomb(10)", "7"},
                                                            {"Nomb(11)", "4"},
                                                            {"Nomb(12)", "15"},
                                                            {"Nomb(13)", "5"},
                                                            {"Nomb(14)", "4"},
                                                            {"synth(0)", "3"},
                                                            {"synth(1)", "5"},
                                                            {"synth(2)", "8"},
                                                            {"synth(3)", "8"},
                                                            {"synth(4)", "22/4"},
                                                            {"defi(0)", "5"},
                                                            {"defi(1)", "3"},
                                                            {"defi(2)", "2"},
                                                            {"deco(0)", "Anne"},
                                                            {"des(0)", "6"},
                                                            {"dei(0)", "1"},
                                                            {"deco(1)", "Marie"},
                                                            {"des(1)", "6"},
                                                            {"dei(1)", "13"},
                                                            {"deco(2)", "Dupont"},
                                                            {"des(2)", "9"},
                                                            {"dei(2)", "9"},
                                                            {"tri1", "Pierre angulaire : 1"},
                                                            {"tri2", "Nombre clef : 8"},
                                                            {"tri3", "Dernière pierre : 5"},
                                                            {"vie(0)", "Chemin de vie : 8"},
                                                            {"ent(1)", "8"},
                                                            {"ent(3)", "8"},
                                                            {"cycle1", "7"},
                                                            {"cycle2", "6"},
                                                            {"cycle3", "22/4"},
                                                            {"apogee1", "22/4"},
                                                            {"apogee2", "19/1"},
                                                            {"apogee3", "41/5"},
                                                            {"apogee4", "20/2"},
                                                            {"defi_apogee1", "1"},
                                                            {"defi_apogee2", "2"},
                                                            {"defi_apogee3", "1"},
                                                            {"defi_apogee4", "3"},
                                                            {"fin_apogee1", "28 ans"},
                                                            {"fin_apogee2", "37 ans"},
                                                            {"fin_apogee3", "46 ans"},
                                                            {"lettre(0)", "6"},
                                                            {"lettre(1)", "4"},
                                                            {"lettre(2)", "4"},
                                                            {"lettre(3)", "1"},
                                                            {"lettre(4)", "7"},
                                                            {"lettre(5)", "6"},
                                                            {"lettre(6)", "2"}};
    auto slots = slots_nommes(e);
    for (const auto& [nom, texte] : attendus) {
        const auto it =
            std::find_if(slots.begin(), slots.end(), [&](const auto& p) { return p.first == nom; });
        ASSERT_NE(it, slots.end()) << nom;
        EXPECT_EQ(it->second->texte, texte) << nom;
    }
    EXPECT_EQ(e.tri2.couleur, Couleur::rouge_fonce);
    EXPECT_EQ(e.tri1.couleur, Couleur::defaut);
    EXPECT_EQ(e.dei[1].couleur, Couleur::rouge_fonce);
    EXPECT_EQ(e.synth[3].couleur, Couleur::rouge_fonce); // 8 is missing from the grid
    EXPECT_EQ(e.synth[2].couleur, Couleur::rouge_fonce);
    EXPECT_EQ(e.synth[0].couleur, Couleur::defaut);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(e.deco[k].visible, k < 3) << k;
}

TEST(Theme, ActiveLesCommandesEtEcritLAnneeCourante) {
    const EtatFenetre e = anne_marie();
    for (BoutonId b : {BoutonId::synthese, BoutonId::details, BoutonId::annee,
                       BoutonId::calculer_annee, BoutonId::calculer_entente})
        EXPECT_TRUE(e.actif(b)) << nom_bouton(b);
    EXPECT_FALSE(e.actif(BoutonId::entente));
    EXPECT_TRUE(e.liste_mois_active);
    EXPECT_EQ(e.texte(ChampId::annee_calcul), "2026");
    EXPECT_TRUE(e.champ(ChampId::annee_calcul).actif);
    // Writing the year is a change of its field: Enter now calculates the year.
    EXPECT_EQ(e.bouton_defaut, BoutonId::calculer_annee);
    EXPECT_EQ(e.annee_personnelle.texte, "5");
}

struct CasValidation {
    const char* nom;
    const char* prenom;
    const char* nom_famille;
    const char* jour;
    const char* mois;
    const char* annee;
    const char* message; // nullptr: accepted
    ChampId focus;
};

class Validation : public testing::TestWithParam<CasValidation> {};

TEST_P(Validation, MessageEtFocus) {
    const CasValidation& c = GetParam();
    EtatFenetre e = saisie(c.prenom, c.nom_famille, c.jour, c.mois, c.annee);
    const Issue issue = calculer_theme(e, 2026);
    if (!c.message) {
        EXPECT_FALSE(issue.message) << issue.message->texte;
        return;
    }
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_EQ(issue.message->texte, c.message);
    EXPECT_EQ(issue.message->icone, Icone::avertissement);
    EXPECT_EQ(issue.focus, c.focus);
    EXPECT_EQ(e.Grille[1].texte, ""); // a refusal writes no slot
}

INSTANTIATE_TEST_SUITE_P(
    Saisies, Validation,
    testing::Values(
        CasValidation{"prenom_vide", "", "Dupont", "", "", "", "Le prénom doit être saisi",
                      ChampId::prenom},
        CasValidation{"prenom_blanc", "   ", "Dupont", "", "", "", "Le prénom doit être saisi",
                      ChampId::prenom},
        CasValidation{"nom_blanc", "Anne", " ", "", "", "", "Le nom doit être saisi", ChampId::nom},
        CasValidation{"jour_0", "Anne", "Dupont", "0", "7", "1975", "Jour incorrect",
                      ChampId::jour},
        CasValidation{"jour_32", "Anne", "Dupont", "32", "7", "1975", "Jour incorrect",
                      ChampId::jour},
        CasValidation{"jour_abc", "Anne", "Dupont", "abc", "7", "1975", "Jour incorrect",
                      ChampId::jour},
        CasValidation{"jour_vide", "Anne", "Dupont", "", "7", "1975", "Jour incorrect",
                      ChampId::jour},
        CasValidation{"jour_31_5", "Anne", "Dupont", "31.5", "7", "1975", "Jour incorrect",
                      ChampId::jour},
        CasValidation{"jour_40000", "Anne", "Dupont", "40000", "7", "1975", "Jour incorrect",
                      ChampId::jour},
        CasValidation{"mois_vide", "Anne", "Dupont", "15", "", "", "Mois incorrect", ChampId::mois},
        CasValidation{"mois_13", "Anne", "Dupont", "15", "13", "1975", "Mois incorrect",
                      ChampId::mois},
        CasValidation{"mois_99999", "Anne", "Dupont", "15", "99999", "1975", "Mois incorrect",
                      ChampId::mois},
        CasValidation{"annee_0", "Anne", "Dupont", "15", "7", "0", "Année incorrecte",
                      ChampId::annee},
        CasValidation{"annee_negative", "Anne", "Dupont", "15", "7", "-4", "Année incorrecte",
                      ChampId::annee},
        CasValidation{"annee_32768", "Anne", "Dupont", "15", "7", "32768", "Année incorrecte",
                      ChampId::annee},
        CasValidation{"annee_exposant", "Anne", "Dupont", "15", "7", "1e3", "Année incorrecte",
                      ChampId::annee},
        CasValidation{"fevrier_31_accepte", "Anne", "Dupont", "31", "2", "1975", nullptr,
                      ChampId::prenom},
        CasValidation{"jour_31_4", "Anne", "Dupont", "31.4", "2", "1975", "Jour incorrect",
                      ChampId::jour},
        CasValidation{"jour_30_6_accepte", "Anne", "Dupont", "30.6", "2", "32767", nullptr,
                      ChampId::prenom},
        CasValidation{"blancs_plus_virgule_acceptes", "Anne", "Dupont", " 15 ", "+7", "1975,0",
                      nullptr, ChampId::prenom}),
    ::essai::NomDuCas());

// A refused entry stores nothing: the stored person stays the one whose
// numbers are shown, so nothing mixes a new name with the earlier date.
TEST(Theme, UnEchecNeStockeRien) {
    EtatFenetre e = anne_marie();
    const std::string grille_avant = e.Grille[5].texte;
    e.saisir(ChampId::prenom, "  Paul ");
    e.saisir(ChampId::nom, "Martin");
    e.saisir(ChampId::jour, "3");
    e.saisir(ChampId::mois, "");
    const Issue issue = calculer_theme(e, 2026);
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->texte, "Mois incorrect");
    EXPECT_EQ(e.theme.prenom, "Anne-Marie");
    EXPECT_EQ(e.theme.nom, "Dupont");
    EXPECT_EQ(e.theme.jour, 15);
    EXPECT_EQ(e.theme.mois, 7);
    EXPECT_EQ(e.Grille[5].texte, grille_avant);
    EXPECT_EQ(e.deco[0].texte, "Anne");
}

TEST(Theme, ValeursArrondiesAuPair) {
    EtatFenetre e = saisie("Anne", "Dupont", "14.5", "6,5", "1975.5");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.theme.jour, 14);
    EXPECT_EQ(e.theme.mois, 6);
    EXPECT_EQ(e.theme.annee, 1976);
}

TEST(Theme, SansDateDeNaissance) {
    EtatFenetre e = saisie("Anne", "Dupont");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.theme.jour, 0);
    EXPECT_EQ(e.Nomb[12].texte, "0");
    EXPECT_EQ(e.Nomb[14].texte, "");
    EXPECT_EQ(e.Nomb[13].texte, "9");
    EXPECT_EQ(e.synth[4].texte, "");
    EXPECT_EQ(e.synth[3].texte, "");
    EXPECT_EQ(e.synth[3].couleur, Couleur::vert);
    EXPECT_EQ(e.cycle1.texte, "");
    EXPECT_EQ(e.apogee1.texte, "");
    EXPECT_EQ(e.fin_apogee1.texte, "");
    EXPECT_EQ(e.texte(ChampId::annee_calcul), "");
    EXPECT_FALSE(e.champ(ChampId::annee_calcul).actif);
    EXPECT_FALSE(e.actif(BoutonId::calculer_annee));
    EXPECT_TRUE(e.actif(BoutonId::annee));
    EXPECT_EQ(e.annee_personnelle.texte, "");
    EXPECT_EQ(e.Toi[1].texte, "");
    EXPECT_EQ(e.cym[1].texte, "");   // guarded row: never written
    EXPECT_EQ(e.esse[1].texte, "0"); // reduire_maitre of an empty cycle
    EXPECT_EQ(e.apog[1].texte, "0");
    EXPECT_EQ(e.leco[4].texte, "0");
    EXPECT_EQ(e.periode[1].texte, "");
    EXPECT_EQ(e.semaine[1].texte, "");
}

// A theme without a date after one with a date: every slot the date guards
// is emptied, none keeps the earlier person's value.
TEST(Theme, SansDateApresUneDateNeGardeRienDuPrecedent) {
    EtatFenetre e = anne_marie();
    e.saisir(ChampId::jour, "");
    e.saisir(ChampId::mois, "");
    e.saisir(ChampId::annee, "");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.synth[3].texte, "");
    EXPECT_EQ(e.synth[3].couleur, Couleur::vert);
    EXPECT_EQ(e.ent[3].texte, "");
    EXPECT_EQ(e.vie[0].texte, "");
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(e.cym[m].texte, "") << m;
        EXPECT_EQ(e.esse[m].texte, "0") << m;
        EXPECT_EQ(e.periode[m].texte, "") << m;
        EXPECT_EQ(e.profec[m].texte, "") << m;
        EXPECT_EQ(e.Toi[m].texte, "") << m;
    }
    for (int i = 1; i <= 48; ++i) {
        EXPECT_EQ(e.semaine[i].texte, "") << i;
        EXPECT_EQ(e.semdef[i].texte, "") << i;
    }
}

// Every slot of a theme calculated after another person is the slot of a
// first calculation of that person in a fresh window.
TEST(Theme, UnSecondCalculEgaleUnPremier) {
    const char* personnes[][5] = {{"Anne-Marie", "Dupont", "15", "7", "1975"},
                                  {"Jean-Luc Paul Marc", "Le Bon Roi", "31", "12", "1999"},
                                  {"Brzt", "Xx", "", "", ""},
                                  {"Élodie", "Aéïoù", "9", "1", "2001"},
                                  {"Straße", "O'Neil", "", "", ""}};
    for (const auto& premier : personnes) {
        for (const auto& second : personnes) {
            EtatFenetre suite = saisie(premier[0], premier[1], premier[2], premier[3], premier[4]);
            ASSERT_FALSE(calculer_theme(suite, 2026).message);
            essai::saisir_personne(suite, second[0], second[1], second[2], second[3], second[4]);
            ASSERT_FALSE(calculer_theme(suite, 2026).message);
            EtatFenetre neuf = saisie(second[0], second[1], second[2], second[3], second[4]);
            ASSERT_FALSE(calculer_theme(neuf, 2026).message);
            const auto a = slots_nommes(std::as_const(suite));
            const auto b = slots_nommes(std::as_const(neuf));
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(a[i].second->texte, b[i].second->texte)
                    << premier[0] << " puis " << second[0] << " : " << a[i].first;
                EXPECT_EQ(a[i].second->visible, b[i].second->visible) << a[i].first;
                EXPECT_EQ(a[i].second->couleur, b[i].second->couleur) << a[i].first;
            }
        }
    }
}

struct CasJour {
    const char* nom;
    const char* jour;
    const char* defi;
    const char* cadeau;
};

class JourDeNaissance : public testing::TestWithParam<CasJour> {};

TEST_P(JourDeNaissance, DefiEtCadeau) {
    EtatFenetre e = saisie("Anne", "Dupont", GetParam().jour, "7", "1975");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.Nomb[12].texte, GetParam().jour);
    EXPECT_EQ(e.Nomb[14].texte, GetParam().defi);
    EXPECT_EQ(e.Nomb[13].texte, GetParam().cadeau);
}

INSTANTIATE_TEST_SUITE_P(
    Jours, JourDeNaissance,
    testing::Values(CasJour{"jour_7", "7", "", "2"}, CasJour{"jour_29", "29", "7", "2"},
                    CasJour{"jour_11", "11", "0", "9"}, CasJour{"jour_9", "9", "", "0"},
                    CasJour{"jour_22", "22", "0", "9"}, CasJour{"jour_15", "15", "4", "5"}),
    ::essai::NomDuCas());

struct CasChemin {
    const char* nom;
    const char* jour;
    const char* mois;
    const char* annee;
    const char* texte;
};

class CheminDeVie : public testing::TestWithParam<CasChemin> {};

TEST_P(CheminDeVie, FormeMaitre) {
    EtatFenetre e = saisie("Anne", "Dupont", GetParam().jour, GetParam().mois, GetParam().annee);
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.synth[3].texte, GetParam().texte);
    EXPECT_EQ(e.ent[3].texte, GetParam().texte);
    EXPECT_EQ(e.vie[0].texte, std::string("Chemin de vie : ") + GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(Dates, CheminDeVie,
                         testing::Values(CasChemin{"maitre_11", "1", "1", "2007", "11/2"},
                                         CasChemin{"maitre_22", "1", "1", "1991", "22/4"},
                                         CasChemin{"exemple_8", "15", "7", "1975", "8"}),
                         ::essai::NomDuCas());

struct CasMots {
    const char* nom;
    const char* prenom;
    const char* nom_famille;
    std::vector<std::string> mots;
};

class Mots : public testing::TestWithParam<CasMots> {};

TEST_P(Mots, Decoupage) {
    EtatFenetre e = saisie(GetParam().prenom, GetParam().nom_famille);
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    const auto& mots = GetParam().mots;
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(e.deco[k].visible, k < mots.size()) << k;
        EXPECT_EQ(e.deco[k].texte, k < mots.size() ? mots[k] : "") << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Noms, Mots,
    testing::Values(CasMots{"initiale_et_prenom", "J Pierre", "Dupont", {"J Pierre", "Dupont"}},
                    CasMots{"particules", "Anne", "de la Tour", {"Anne", "de", "la", "Tour"}},
                    CasMots{"a_la", "Anne", "a la Tour", {"Anne", "a la", "Tour"}},
                    CasMots{"cinq_mots_au_plus",
                            "Jean-Luc Paul Marc",
                            "Le Bon Roi",
                            {"Jean", "Luc", "Paul", "Marc", "Le"}},
                    CasMots{"apostrophe", "Anne", "O'Neil", {"Anne", "O'Neil"}},
                    CasMots{"tirets_seuls", "-", "-", {"- "}}),
    ::essai::NomDuCas());

TEST(Theme, DeuxBlancsAvantLeNomDonnentUnMotQuiCommenceParUnBlanc) {
    EtatFenetre e;
    e.theme.prenom = "Anne ";
    e.saisir(ChampId::prenom, "Anne");
    e.saisir(ChampId::nom, "Dupont");
    // The fields are trimmed, so only inner blanks can produce it.
    e.saisir(ChampId::prenom, "Anne  Marie");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.deco[0].texte, "Anne");
    EXPECT_EQ(e.deco[1].texte, " Marie");
}

TEST(Theme, CasParticuliersDuNom) {
    EtatFenetre e = saisie("Élodie", "Brzt");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.theme.pierres[1], 5); // É folds to E
    EXPECT_EQ(e.Nomb[6].texte, "");   // no vowel in the last name
    EtatFenetre f = saisie("Ay", "Ei");
    ASSERT_FALSE(calculer_theme(f, 2026).message);
    EXPECT_EQ(f.defi[1].texte, ""); // all vowels: no consonant challenge
    EtatFenetre g = saisie("Wx", "Brt");
    g.defi[0].texte = "avant";
    ASSERT_FALSE(calculer_theme(g, 2026).message);
    EXPECT_EQ(g.defi[0].texte, ""); // no vowel: emptied, not left as it was
}

TEST(Theme, MotKarmiqueEnRouge) {
    // "Marie" has a consonant sum of 13.
    EtatFenetre e = saisie("Marie", "Zola");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.dei[0].texte, "13");
    EXPECT_EQ(e.dei[0].couleur, Couleur::rouge_fonce);
}

} // namespace
} // namespace kalder
