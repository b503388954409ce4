#pragma once
// kalder-theme --pdf on Linux: the dossier needs Qt, which kalder-theme does
// not load; kalder-dossier, the same tool built with the dossier, writes it.

namespace kalder::cli {

// Runs kalder-dossier in place of this process with the same arguments; only
// returns, with the exit status after saying why, when it cannot be started.
int confier_dossier(char** argv);

} // namespace kalder::cli
