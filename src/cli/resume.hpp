#pragma once

#include "modele/theme_calcule.hpp"
#include "variantes/comparer_noms.hpp"

#include <span>
#include <string>

namespace kalder::cli {

// A readable French summary of every number on the four tabs; with
// `explications`, followed by how each number shown was reached.
std::string ecrire_resume(const ThemeCalcule& etat, bool explications = false);

// The compared names side by side: the date's numbers once, then one line per
// name-decided number with its caption and one column per name.
std::string ecrire_variantes(std::span<const LigneVariante> lignes);

} // namespace kalder::cli
