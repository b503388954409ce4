#include "annee/calculer_annee.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace kalder {
namespace {

EtatFenetre theme(const char* prenom, const char* nom, const char* jour, const char* mois,
                  const char* annee, int annee_courante) {
    EtatFenetre e;
    essai::saisir_personne(e, prenom, nom, jour, mois, annee);
    EXPECT_FALSE(calculer_theme(e, annee_courante).message);
    return e;
}

template <std::size_t N>
std::vector<std::string> rangee(const std::array<Slot, N>& slots, int debut, int fin) {
    std::vector<std::string> r;
    for (int i = debut; i <= fin; ++i)
        r.push_back(slots[i].texte);
    return r;
}

using Textes = std::vector<std::string>;

TEST(Annee, ExempleAnneDupont2026) {
    const EtatFenetre e = theme("Anne", "Dupont", "17", "5", "1980", 2026);
    EXPECT_EQ(e.annee_personnelle.texte, "5");
    EXPECT_EQ(e.lettre_passage.texte, "P");
    EXPECT_EQ(rangee(e.Toi, 1, 12),
              (Textes{"6", "7", "8", "9", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(rangee(e.cym, 1, 12),
              (Textes{"6", "6", "6", "6", "6", "9", "9", "9", "9", "6", "6", "6"}));
    EXPECT_EQ(rangee(e.esse, 1, 12),
              (Textes{"3", "4", "5", "6", "7", "11", "3", "4", "5", "3", "4", "5"}));
    EXPECT_EQ(rangee(e.apog, 1, 4), (Textes{"32/5", "36/9", "68/5", "24/6"}));
    EXPECT_EQ(rangee(e.leco, 1, 4), (Textes{"6", "6", "8", "8"}));
    EXPECT_EQ(rangee(e.periode, 1, 12),
              (Textes{"5", "6", "6", "7", "7", "1", "2", "2", "3", "3", "4", "5"}));
    EXPECT_EQ(rangee(e.profec, 1, 12),
              (Textes{"10", "10", "10", "10", "10", "11", "11", "11", "11", "11", "11", "11"}));
    EXPECT_EQ(e.semaine[1].texte, "15/6");
    EXPECT_EQ(e.semdef[1].texte, "4");
    EXPECT_EQ(e.semaine[13].texte, "29/2");
    EXPECT_EQ(e.semdef[13].texte, "1");
    EXPECT_EQ(e.semaine[25].texte, "44/8");
    EXPECT_EQ(e.semdef[25].texte, "3");
    EXPECT_EQ(e.semaine[37].texte, "16/7");
    EXPECT_EQ(e.semdef[37].texte, "5");
}

TEST(Annee, SemaineQuandLaBaseEgaleLeMois) {
    // 2026 + 4 + 1 = 2031, base 6: the week-1 challenge of June is 0.
    const EtatFenetre e = theme("Anne", "Dupont", "1", "4", "1980", 2026);
    EXPECT_EQ(e.semdef[6].texte, "0");
    EXPECT_EQ(e.semaine[6].texte, "12/3");
}

struct CasPeriodes {
    const char* nom;
    const char* jour;
    const char* mois;
    Textes attendu; // January to December
};

class Periodes : public testing::TestWithParam<CasPeriodes> {};

TEST_P(Periodes, DecoupageEn52Jours) {
    const EtatFenetre e = theme("Anne", "Dupont", GetParam().jour, GetParam().mois, "1980", 2026);
    EXPECT_EQ(rangee(e.periode, 1, 12), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Naissances, Periodes,
    testing::Values(
        // Born on the 1st of January: 1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 7, 7 from the birth month.
        CasPeriodes{
            "ne_1_janvier", "1", "1", {"1", "1", "2", "3", "3", "4", "4", "5", "5", "6", "7", "7"}},
        // Born on the 17th of May: from June 1, 2, 2, 3, 3, 4, 5, 5, 6, 6, 7, 7.
        CasPeriodes{
            "ne_17_mai", "17", "5", {"5", "6", "6", "7", "7", "1", "2", "2", "3", "3", "4", "5"}},
        // Born on the 31st of December: the carry starts at 23, in January.
        CasPeriodes{"ne_31_decembre",
                    "31",
                    "12",
                    {"1", "1", "2", "3", "3", "4", "4", "5", "5", "6", "7", "7"}}),
    ::essai::NomDuCas());

struct CasDepart {
    const char* nom;
    const char* jour;
    const char* mois;
    int mois_a; // the first month showing A
};

class DepartCycleMensuel : public testing::TestWithParam<CasDepart> {};

TEST_P(DepartCycleMensuel, QuinzeOuSeize) {
    // 1982 reduces to 2, distinct from the other two values for these dates.
    const EtatFenetre e = theme("Anne", "Dupont", GetParam().jour, GetParam().mois, "1982", 2026);
    const int depart = GetParam().mois_a;
    const int avant = depart == 1 ? 12 : depart - 1;
    EXPECT_EQ(e.cym[depart].texte, "2");
    EXPECT_NE(e.cym[avant].texte, "2");
}

INSTANTIATE_TEST_SUITE_P(Jours, DepartCycleMensuel,
                         testing::Values(CasDepart{"le_15_mai", "15", "5", 5},
                                         CasDepart{"le_16_mai", "16", "5", 6},
                                         CasDepart{"le_16_decembre", "16", "12", 1}),
                         ::essai::NomDuCas());

TEST(Annee, LettreDePassage) {
    // Born in the current year: the first letter of the full name.
    EXPECT_EQ(theme("Anne", "Dupont", "1", "1", "2026", 2026).lettre_passage.texte, "A");
    EXPECT_EQ(theme("Anne", "Dupont", "1", "1", "2027", 2026).lettre_passage.texte, "");
    // Ten letters, eleventh year of life: back to the first letter... the tenth is the last.
    EXPECT_EQ(theme("Anne", "Dupont", "1", "1", "2017", 2026).lettre_passage.texte, "T");
    EXPECT_EQ(theme("Élise", "Ëx", "1", "1", "2026", 2026).lettre_passage.texte, "E");
    EXPECT_EQ(theme("123", "---", "1", "1", "2000", 2026).lettre_passage.texte, "");
}

struct CasAnneeSaisie {
    const char* nom;
    const char* texte;
    const char* message; // nullptr: accepted
};

class ValidationAnnee : public testing::TestWithParam<CasAnneeSaisie> {};

TEST_P(ValidationAnnee, AnneeIncorrecte) {
    EtatFenetre e = theme("Anne", "Dupont", "17", "5", "1980", 2026);
    e.saisir(ChampId::annee_calcul, GetParam().texte);
    const Issue issue = calculer_pour_annee(e);
    if (!GetParam().message) {
        EXPECT_FALSE(issue.message);
        return;
    }
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_EQ(issue.message->texte, GetParam().message);
    EXPECT_EQ(issue.focus, ChampId::annee_calcul);
    EXPECT_EQ(e.annee_personnelle.texte, "5"); // grid untouched
}

INSTANTIATE_TEST_SUITE_P(
    Saisies, ValidationAnnee,
    testing::Values(CasAnneeSaisie{"naissance", "1980", nullptr},
                    CasAnneeSaisie{"blancs_autour", " 2030 ", nullptr},
                    CasAnneeSaisie{"avant_naissance", "1979", "Année incorrecte"},
                    CasAnneeSaisie{"vide", "", "Année incorrecte"},
                    CasAnneeSaisie{"blancs", "   ", "Année incorrecte"},
                    CasAnneeSaisie{"lettres", "abc", "Année incorrecte"},
                    CasAnneeSaisie{"annee_32768", "32768", "Année incorrecte"},
                    CasAnneeSaisie{"vingt_chiffres", "99999999999999999999", "Année incorrecte"}),
    ::essai::NomDuCas());

TEST(Annee, CalculPourUneAutreAnnee) {
    EtatFenetre e = theme("Anne", "Dupont", "17", "5", "1980", 2026);
    e.saisir(ChampId::annee_calcul, "1980");
    ASSERT_FALSE(calculer_pour_annee(e).message);
    EXPECT_EQ(e.lettre_passage.texte, "A");
    EXPECT_EQ(e.profec[6].texte, "1");
    EXPECT_EQ(e.profec[1].texte, "12"); // k = 0 gives 12 before the start month
}

// After a refused "Calculer", the year grid is still that of the last
// person fully validated: no new name with the earlier date.
TEST(Annee, ApresUnRefusLaGrilleResteCelleDeLaDernierePersonneValide) {
    EtatFenetre e = theme("Anne", "Dupont", "17", "5", "1980", 2026);
    const EtatFenetre attendu = e;
    essai::saisir_personne(e, "Zoé", "Kowalski", "3", "", "");
    ASSERT_TRUE(calculer_theme(e, 2026).message);
    e.saisir(ChampId::annee_calcul, "2026");
    ASSERT_FALSE(calculer_pour_annee(e).message);
    EXPECT_EQ(e.lettre_passage.texte, attendu.lettre_passage.texte);
    EXPECT_EQ(rangee(e.semaine, 1, 48), rangee(attendu.semaine, 1, 48));
    EXPECT_EQ(rangee(e.cym, 1, 12), rangee(attendu.cym, 1, 12));
}

TEST(Annee, BoutonInactifNeFaitRien) {
    EtatFenetre e;
    e.saisir(ChampId::annee_calcul, "abc");
    EXPECT_FALSE(calculer_pour_annee(e).message);
}

} // namespace
} // namespace kalder
