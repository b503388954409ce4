#include "cli/relais_dossier.hpp"

#include "cli/saisie_cli.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>
#include <unistd.h>

namespace kalder::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* programme_dossier = "kalder-dossier";

// Beside kalder-theme (the build folder), then where the installation puts it
// relative to the programs' folder.
fs::path programme_trouve() {
    std::error_code ec;
    const fs::path soi = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return programme_dossier;
    const fs::path dossier = soi.parent_path();
    for (const fs::path& candidat :
         {dossier / programme_dossier, dossier / KALDER_DOSSIER_INSTALLE / programme_dossier})
        if (::access(candidat.c_str(), X_OK) == 0)
            return candidat;
    return dossier / KALDER_DOSSIER_INSTALLE / programme_dossier;
}

} // namespace

int confier_dossier(char** argv) {
    const fs::path programme = programme_trouve();
    std::cout.flush();
    ::execv(programme.c_str(), argv);
    std::cerr << "Erreur\u00a0: le programme qui écrit les dossiers PDF (" << programme.string()
              << ") n'a pas pu être lancé.\n";
    return sortie_ecriture;
}

} // namespace kalder::cli
