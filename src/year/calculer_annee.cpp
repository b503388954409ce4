#include "year/calculer_annee.hpp"

namespace kalder {

void calculer_annee(EtatFenetre&, Nombre) {}
Issue calculer_pour_annee(EtatFenetre&) { return {}; }

} // namespace kalder
