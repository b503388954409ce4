#pragma once
// The directory from the command line: listing and saving persons.

#include "cli/options.hpp"
#include "repertoire/fichiers.hpp"

#include <vector>

#include <filesystem>
#include <string_view>

namespace kalder::cli {

// The data folder: --dossier, else "Kalder" in the user's application-data
// folder (%APPDATA% on Windows, $XDG_DATA_HOME or ~/.local/share elsewhere),
// the same folder the window uses; beside the program only when there is no
// application-data folder. Why it could not be made goes to `echecs`.
std::filesystem::path dossier_choisi(const Options& o, std::string_view nom_lance,
                                     std::vector<Echec>* echecs);
// Says which data folder could not be made, and why.
int dossier_impossible(const std::vector<Echec>& echecs);

// With `json`, one JSON list of the persons instead of their lines.
int lister(const std::filesystem::path& dossier, bool json);
// (sauvegarde_cli.cpp, built into each program with or without the client file)
int sauvegarder(const Options& o, const std::filesystem::path& dossier);
// Removes the entry whose five fields are given (an absent one is empty);
// with --effacer-fiche its client record is erased, else it is kept and the
// user told so (sauvegarde_cli.cpp too).
int supprimer(const Options& o, const std::filesystem::path& dossier);

} // namespace kalder::cli
