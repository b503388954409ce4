#pragma once
// The life timeline: the whole life along one axis of ages and years, built
// from the numbers a theme calculation wrote, with the explanation of each
// band. Drawing it is the document library's business.

#include "modele/theme_calcule.hpp"
#include "noyau/ages_vie.hpp"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalder {

// One band of the timeline, over the ages [age_debut, age_fin); a node is a
// point (age_debut == age_fin).
struct BandeFrise {
    std::string titre;  // "Cycle 1", "Apogée 2", "Noeud 3", "2027"
    std::string nombre; // as the window shows it: "7", "22/4"
    int chiffre = 0;    // its one-digit value, for the colour
    int age_debut = 0;
    int age_fin = 0;
    std::string explication; // what a hovered band tells
};

struct Frise {
    int annee_naissance = 0;
    int age_maximal = 0; // the axis runs from age 0 to this one
    std::array<BandeFrise, 3> cycles;
    std::array<BandeFrise, 4> apogees;
    std::array<BandeFrise, 4> defis; // the challenge of each pinnacle, over its ages
    std::array<BandeFrise, nombre_noeuds> noeuds;
    std::vector<BandeFrise> annees_personnelles; // one per calendar year, from the birth year
    int annee_courante = 0;
    int annee_calcul = 0; // the year of the forecast grid

    int annee(int age) const { return annee_naissance + age; }
};

// The timeline of the person of the last theme calculated into `etat`;
// nullopt when that theme has no birth date.
std::optional<Frise> construire_frise(const ThemeCalcule& etat, int annee_courante);

} // namespace kalder
