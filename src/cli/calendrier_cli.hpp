#pragma once
// --ics and --calendrier: the person's personal days as an iCalendar file,
// as a text month grid or as JSON.

#include "cli/options.hpp"
#include "modele/theme_calcule.hpp"

#include <chrono>

namespace kalder::cli {

bool calendrier_demande(const Options& o);

// The exit status, after writing the file or the days asked.
int calendrier(const ThemeCalcule& etat, const Options& o, std::chrono::sys_seconds maintenant);

} // namespace kalder::cli
