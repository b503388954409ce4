#pragma once
// One backup for the directory and the client file, written and merged back
// alike by the window and the command line.

#include "clients/base_clients.hpp"

#include <filesystem>
#include <span>
#include <string>

namespace kalder {

struct BilanRestauration {
    BilanImport fiches;
    std::size_t personnes_ajoutees = 0;
    // Persons the directory cannot hold (their characters), left out.
    std::size_t personnes_ecartees = 0;
};

// Writes the persons of the directory and every record to `chemin`,
// readable by its owner only (a device or a pipe is written into). The
// number of records written, or why not (the end of a French sentence).
Reponse<std::size_t> sauvegarder_tout(const BaseClients& base, std::span<const Personne> repertoire,
                                      const std::filesystem::path& chemin);

// Adds to the directory of `dossier` the persons it lacks, then merges the
// records by identity: nothing is removed or overwritten. On failure, what
// was done is still counted.
Reponse<BilanRestauration> restaurer_tout(BaseClients& base, const std::filesystem::path& dossier,
                                          const std::filesystem::path& chemin);

// "1 fiche créée, 2 fiches complétées, …, 1 personne ajoutée au répertoire".
std::string resume_restauration(const BilanRestauration& bilan);

} // namespace kalder
