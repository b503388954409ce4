#pragma once

#include "modele/etat_fenetre.hpp"

#include <string>

namespace kalder::cli {

// A readable French summary of every number on the four tabs; with
// `explications`, followed by how each number shown was reached.
std::string ecrire_resume(const EtatFenetre& etat, bool explications = false);

} // namespace kalder::cli
