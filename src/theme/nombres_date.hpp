#pragma once
// The numbers drawn from the birth date, alone or with the name sums.

#include "modele/etat_fenetre.hpp"

namespace kalder {

// Initiation, life number, cosmic number and the birth-day frame.
void calculer_nombres_mixtes(EtatFenetre& etat);

// Life path, mission, cycles, pinnacles, then the year tab for the current
// year (or its emptying when the date is absent).
void calculer_nombres_date(EtatFenetre& etat, Nombre annee_courante);

} // namespace kalder
