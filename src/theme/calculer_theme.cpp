#include "theme/calculer_theme.hpp"

namespace kalder {

Issue calculer_theme(EtatFenetre&, int) { return {}; }

} // namespace kalder
