#include "interpretation/commandes.hpp"

namespace kalder {

std::string composer_rapport(const EtatFenetre&) {
    return {};
}

} // namespace kalder
