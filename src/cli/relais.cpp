#include "cli/relais.hpp"

#include "cli/saisie_cli.hpp"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace kalder::cli {

namespace {

namespace fs = std::filesystem;

// Beside this program (the build folder), then where the installation puts
// the helpers relative to the programs' folder. Empty when this program's own
// place is unknown: a bare name would be looked for in the current folder.
fs::path programme_trouve(const char* nom) {
    std::error_code ec;
    const fs::path soi = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !soi.is_absolute())
        return {};
    const fs::path dossier = soi.parent_path();
    for (const fs::path& candidat : {dossier / nom, dossier / KALDER_AIDES_INSTALLES / nom})
        if (::access(candidat.c_str(), X_OK) == 0)
            return candidat;
    return dossier / KALDER_AIDES_INSTALLES / nom;
}

// Runs `programme` in place of this process; only returns, with the exit
// status after saying why, when it cannot be started.
int remplacer_par(const fs::path& programme, char* const* argv, const char* role) {
    std::cout.flush();
    if (programme.empty()) {
        std::cerr << "Erreur\u00a0: le programme qui " << role
                  << " n'a pas été lancé\u00a0: l'emplacement de kalder-theme n'a pas pu être "
                     "lu (/proc/self/exe), et un programme du dossier courant ne sera pas lancé "
                     "à sa place.\n";
        return sortie_ecriture;
    }
    ::execv(programme.c_str(), argv);
    std::cerr << "Erreur\u00a0: le programme qui " << role << " (" << programme.string()
              << ") n'a pas pu être lancé.\n";
    return sortie_ecriture;
}

} // namespace

int confier_dossier(char** argv) {
    return remplacer_par(programme_trouve("kalder-dossier"), argv, "écrit les dossiers PDF");
}

int confier_clients(char** argv, const fs::path& dossier) {
    std::vector<char*> arguments;
    for (char** a = argv; *a; ++a)
        arguments.push_back(*a);
    // Of the --dossier given, the last one counts: this one.
    std::string option = "--dossier";
    std::string chemin = dossier.string();
    arguments.push_back(option.data());
    arguments.push_back(chemin.data());
    arguments.push_back(nullptr);
    return remplacer_par(programme_trouve("kalder-clients"), arguments.data(),
                         "tient le fichier des clients");
}

} // namespace kalder::cli
