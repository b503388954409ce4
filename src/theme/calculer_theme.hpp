#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// "Calculer" of the "Vous :" line: validates the five fields, stores the
// person and writes every slot of the theme, then the year grid for
// `annee_courante`.
Issue calculer_theme(EtatFenetre& etat, int annee_courante);

} // namespace kalder
