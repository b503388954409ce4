#pragma once
// The numbers drawn from the birth date, alone or with the name sums.

#include "modele/theme_calcule.hpp"

namespace kalder {

// Initiation, life number, cosmic number and the birth-day frame.
void calculer_nombres_mixtes(ThemeCalcule& etat);

// Life path, mission, cycles, pinnacles, then the year tab for `annee` (or
// its emptying when the date gives no life path); whether the year tab has one.
bool calculer_nombres_date(ThemeCalcule& etat, Nombre annee);

} // namespace kalder
