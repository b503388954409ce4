#pragma once
// The numbers drawn from the first names and the last name alone. The theme
// calculation interleaves them with the date numbers, hence two halves.

#include "modele/etat_fenetre.hpp"

#include <string>

namespace kalder {

// Grid, spiritual impulse, active, hereditary, expression, intimate self,
// personality number.
void calculer_nombres_nom(EtatFenetre& etat);

// Stones, words of the name, dynamism coefficient, balance number, first
// vowel, the three name challenges and the expression modes.
void calculer_nombres_nom_suite(EtatFenetre& etat);

} // namespace kalder
