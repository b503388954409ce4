#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// The calculation of a theme: every number of `personne` (names and birth
// date, as validated) written into `theme`, with the year tab of `annee`.
// Whether the year tab could be calculated (a date giving a life path).
bool calculer_theme(ThemeCalcule& theme, const Theme& personne, Nombre annee);

// The same into a fresh theme.
ThemeCalcule calculer_theme(const Theme& personne, Nombre annee);

// "Calculer" of the "Vous :" line: validates the five fields, stores the
// person and writes every slot of the theme, then the year grid for
// `annee_courante`.
Issue calculer_theme(EtatFenetre& etat, int annee_courante);

// "Calculer pour l'année": validates `champ_annee_calcul`, then calculer_annee.
Issue calculer_pour_annee(EtatFenetre& etat);

} // namespace kalder
