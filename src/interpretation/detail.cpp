#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"

namespace kalder {

void calcul_detail(EtatFenetre& etat) {
    vider_interpretation(etat.interpretation);
}

} // namespace kalder
