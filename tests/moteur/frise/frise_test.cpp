#include "annee/calculer_annee.hpp"
#include "explication/explications.hpp"
#include "frise/frise.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include "lisible.hpp"
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalder {
namespace {

struct BandeAttendue {
    std::string titre, nombre;
    int chiffre, age_debut, age_fin;
    std::string debut_explication;
};

void comparer(const std::vector<BandeFrise>& bandes, const std::vector<BandeAttendue>& attendues) {
    ASSERT_EQ(bandes.size(), attendues.size());
    for (std::size_t i = 0; i < bandes.size(); ++i) {
        SCOPED_TRACE(attendues[i].titre);
        const BandeFrise& b = bandes[i];
        const BandeAttendue& a = attendues[i];
        EXPECT_EQ(b.titre, a.titre);
        EXPECT_EQ(b.nombre, a.nombre);
        EXPECT_EQ(b.chiffre, a.chiffre);
        EXPECT_EQ(b.age_debut, a.age_debut);
        EXPECT_EQ(b.age_fin, a.age_fin);
        EXPECT_EQ(::essai::lisible(b.explication).substr(0, a.debut_explication.size()),
                  a.debut_explication);
    }
}

template <std::size_t N> std::vector<BandeFrise> liste(const std::array<BandeFrise, N>& a) {
    return {a.begin(), a.end()};
}

TEST(Frise, ExempleAnneMarieDupont) {
    EtatFenetre e = essai::anne_marie_dupont();
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    const std::optional<Frise> f = construire_frise(e, 2026);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->annee_naissance, 1975);
    EXPECT_EQ(f->annee_courante, 2026);
    EXPECT_EQ(f->annee_calcul, 2026);
    EXPECT_EQ(f->age_maximal, 90);
    comparer(liste(f->cycles), {{"Cycle 1", "7", 7, 0, 29,
                                 "Cycle de 0 à 28 ans (1975–2003) : 7\nMois de naissance 7"},
                                {"Cycle 2", "6", 6, 29, 58, "Cycle de 29 à 57 ans"},
                                {"Cycle 3", "22/4", 4, 58, 90,
                                 "Cycle après 57 ans (dès 2033) : 22/4\nAnnée de naissance"}});
    comparer(liste(f->apogees), {{"Apogée 1", "22/4", 4, 0, 28,
                                  "Apogée 1, de 0 à 27 ans (1975–2002) : 22/4\nMois 7 + jour 15"},
                                 {"Apogée 2", "19/1", 1, 28, 37, "Apogée 2"},
                                 {"Apogée 3", "41/5", 5, 37, 46, "Apogée 3"},
                                 {"Apogée 4", "20/2", 2, 46, 90, "Apogée 4, à partir de 46 ans"}});
    comparer(liste(f->defis), {{"Défi 1", "1", 1, 0, 28, "Défi de l'apogée 1, de 0 à 27 ans"},
                               {"Défi 2", "2", 2, 28, 37, "Défi de l'apogée 2"},
                               {"Défi 3", "1", 1, 37, 46, "Défi de l'apogée 3"},
                               {"Défi 4", "3", 3, 46, 90, "Défi de l'apogée 4"}});
    EXPECT_EQ(f->noeuds[2].titre, "Noeud 3");
    EXPECT_EQ(f->noeuds[2].age_debut, 27);
    EXPECT_EQ(f->noeuds[2].nombre, "27");
    EXPECT_EQ(::essai::lisible(f->noeuds[8].explication).substr(0, 36),
              "Noeud 9 : 81 ans (2056)\nFin du 9e cy");
    // No year in two bands: each band starts the year after the last one's end.
    for (std::size_t i = 1; i < f->apogees.size(); ++i)
        EXPECT_NE(f->apogees[i - 1].explication.find(
                      "–" + std::to_string(1975 + f->apogees[i].age_debut - 1) + ")"),
                  std::string::npos)
            << f->apogees[i - 1].explication;
    // One personal year per year of the axis; the one of the year on screen
    // is the grid's own, with its explanation.
    ASSERT_EQ(f->annees_personnelles.size(), 90u);
    const BandeFrise& annee_2026 = f->annees_personnelles[2026 - 1975];
    EXPECT_EQ(annee_2026.titre, "2026");
    EXPECT_EQ(annee_2026.nombre, e.annee_personnelle.texte);
    EXPECT_NE(annee_2026.explication.find(expliquer_slot(e, "annee_personnelle")),
              std::string::npos);
    comparer({f->annees_personnelles[0], f->annees_personnelles[1]},
             {{"1975", "8", 8, 0, 1, "Année personnelle 1975 (0 an) : 8\nAnnée 1975 + mois 7"},
              {"1976", "9", 9, 1, 2, "Année personnelle 1976 (1 an) : 9"}});
}

TEST(Frise, AxeJusquApresLAnneeDeCalcul) {
    EtatFenetre e = essai::anne_marie_dupont();
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    e.saisir(ChampId::annee_calcul, "2080");
    ASSERT_FALSE(calculer_pour_annee(e).message);
    const std::optional<Frise> f = construire_frise(e, 2026);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->annee_calcul, 2080);
    EXPECT_EQ(f->age_maximal, 2080 - 1975 + 5);
    EXPECT_EQ(f->apogees[3].age_fin, f->age_maximal);
}

TEST(Frise, SansDateDeNaissance) {
    EtatFenetre e;
    essai::saisir_personne(e, "Anne-Marie", "Dupont");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_FALSE(construire_frise(e, 2026));
    EXPECT_FALSE(construire_frise(EtatFenetre{}, 2026));
}

} // namespace
} // namespace kalder
