#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"

namespace kalder {

void ecrire_interpretation_annee(EtatFenetre& etat) {
    vider_interpretation(etat.interpretation);
}

} // namespace kalder
