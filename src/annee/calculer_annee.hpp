#pragma once

#include "modele/theme_calcule.hpp"

namespace kalder {

// Fills the whole forecast grid of "Cycles" for year `annee`, from the stored
// person of the last theme.
void calculer_annee(ThemeCalcule& etat, Nombre annee);

// The rows from the monthly cycle on. A theme without a birth date runs only
// these, with the year 0: the rows guarded by the date keep their texts.
void calculer_grille_mensuelle(ThemeCalcule& etat, Nombre annee);

// The month the monthly cycle starts in: the birth month up to the 15th, the
// next one after; 0 without a date.
int mois_depart(const Theme& theme);

} // namespace kalder
