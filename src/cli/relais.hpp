#pragma once
// What kalder-theme on Linux hands to the helper programs, so that its other
// runs load neither Qt nor SQLite: the dossier to kalder-dossier, the client
// file to kalder-clients, the same tool built with each. They are found
// beside kalder-theme (the build folder), else in the helpers' folder of the
// installation.

#include <filesystem>

namespace kalder::cli {

// Runs kalder-dossier in place of this process with the same arguments; only
// returns, with the exit status after saying why, when it cannot be started.
int confier_dossier(char** argv);

// Runs kalder-clients in place of this process with the same arguments and
// the data folder already chosen (that of kalder-theme's place, when it is
// the one beside the program); returns as confier_dossier does.
int confier_clients(char** argv, const std::filesystem::path& dossier);

} // namespace kalder::cli
