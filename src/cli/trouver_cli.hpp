#pragma once
// --trouver-jour: the days of a range whose personal day is the number asked,
// for the person or for the person and another (--avec), as text or JSON.

#include "calendrier/calendrier.hpp"
#include "cli/options.hpp"

#include <optional>
#include <string>

namespace kalder::cli {

// "PRÉNOMS;NOM;JJ/MM/AAAA" (the date may be left out: the search then says
// that it lacks); nullopt when not of that shape or for a date that does not
// exist.
std::optional<Theme> personne_avec(const std::string& texte);

// The exit status, after writing the days found.
int trouver_jour(const Theme& t, const Options& o, const Plage& plage);

} // namespace kalder::cli
