#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"

namespace kalder {

void calcul_synthese(EtatFenetre& etat) {
    vider_interpretation(etat.interpretation);
}

} // namespace kalder
