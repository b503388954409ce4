#pragma once
// The parts of the compatibility numbers (noyau/decomposition.hpp).

#include "noyau/decomposition.hpp"

namespace kalder {

// The two values as the tab shows them, master numbers whole.
Somme somme_expression_commune(Nombre partenaire, Nombre vous);
Somme somme_chemin_commun(Nombre partenaire, Nombre vous); // reduced to 22 at most

} // namespace kalder
