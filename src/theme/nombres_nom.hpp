#pragma once
// The numbers drawn from the first names and the last name alone. The theme
// calculation interleaves them with the date numbers, hence two halves.

#include "modele/theme_calcule.hpp"

#include <string>

namespace kalder {

// Grid, spiritual impulse, active, hereditary, expression, intimate self,
// personality number.
void calculer_nombres_nom(ThemeCalcule& etat);

// Stones, words of the name, dynamism coefficient, balance number, first
// vowel, the three name challenges and the expression modes.
void calculer_nombres_nom_suite(ThemeCalcule& etat);

} // namespace kalder
