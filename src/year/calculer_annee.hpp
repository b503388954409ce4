#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// Fills the whole forecast grid of "Cycles" for year `annee`.
void calculer_annee(EtatFenetre& etat, Nombre annee);

// "Calculer pour l'année": validates `champ_annee_calcul`, then calculer_annee.
Issue calculer_pour_annee(EtatFenetre& etat);

} // namespace kalder
