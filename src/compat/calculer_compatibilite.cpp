#include "compat/calculer_compatibilite.hpp"

namespace kalder {

Issue calculer_compatibilite(EtatFenetre&) { return {}; }

} // namespace kalder
