#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// Fills the whole forecast grid of "Cycles" for year `annee`, from the stored
// person of the last theme.
void calculer_annee(EtatFenetre& etat, Nombre annee);

// The rows from the monthly cycle on. A theme without a birth date runs only
// these, with the year 0: the rows guarded by the date keep their texts.
void calculer_grille_mensuelle(EtatFenetre& etat, Nombre annee);

// The month the monthly cycle starts in: the birth month up to the 15th, the
// next one after; 0 without a date.
int mois_depart(const Theme& theme);

// "Calculer pour l'année": validates `champ_annee_calcul`, then calculer_annee.
Issue calculer_pour_annee(EtatFenetre& etat);

} // namespace kalder
