#pragma once
// The grid-presence rule: a number whose digit is
// missing from the inclusion grid is shown in dark red. The counts are read back from the grid's
// slots, so the grid must have been written first.

#include "modele/ecriture.hpp"

namespace kalder {

Nombre compte_grille(const ThemeCalcule& etat, Nombre chiffre);
// A digit 1..9 whose grid count is 0; digit 0 has no cell and is never missing.
bool chiffre_manquant(const ThemeCalcule& etat, Nombre chiffre);
// Dark red when the grid has no cell for the digit of n; a digit 0 has no
// cell and keeps the default colour.
Couleur couleur_presence(const ThemeCalcule& etat, Nombre n);

} // namespace kalder
