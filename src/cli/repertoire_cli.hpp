#pragma once
// The directory from the command line: listing and saving persons.

#include "cli/options.hpp"
#include "repertoire/fichiers.hpp"

#include <vector>

#include <filesystem>

namespace kalder::cli {

// The data folder: --dossier, else "Kalder" in $XDG_DATA_HOME (or
// ~/.local/share), the same folder the window uses.
std::filesystem::path dossier_choisi(const Options& o, const char* argv0,
                                     std::vector<Echec>* echecs);
// Says which data folders could not be made, and why.
int dossier_impossible(const std::vector<Echec>& echecs);

int lister(const std::filesystem::path& dossier);
int sauvegarder(const Options& o, const std::filesystem::path& dossier);
// Removes the entry whose five fields are given (an absent one is empty).
int supprimer(const Options& o, const std::filesystem::path& dossier);

} // namespace kalder::cli
