#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// "Calculer" of the compatibility tab.
Issue calculer_compatibilite(EtatFenetre& etat);

} // namespace kalder
