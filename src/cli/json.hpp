#pragma once

#include "modele/etat_fenetre.hpp"

#include <string>
#include <utility>
#include <vector>

namespace kalder::cli {

// {"slots": {...}, "theme": {...}, then the extra texts in the given order}.
// With `explications`, every slot also carries "explication".
std::string ecrire_json(const EtatFenetre& etat,
                        const std::vector<std::pair<std::string, std::string>>& textes,
                        bool explications = false);

} // namespace kalder::cli
