#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// Back to the state of a freshly opened window, except the meeting date, the
// whole-life panel of "Cycles", the stored names, stones and modes.
void effacer(EtatFenetre& etat);

// "Effacer tout": effacer, then the cursor goes back to the first names.
Issue effacer_tout(EtatFenetre& etat);

// "Effacer" of the compatibility tab.
void effacer_partenaire(EtatFenetre& etat);

} // namespace kalder
