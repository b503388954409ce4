#pragma once
// The client file from the command line: --fiche, --note, --clients,
// --exporter-clients and --importer-clients.

#include "cli/options.hpp"

#include <filesystem>

namespace kalder::cli {

// Whether one of the client file's options was given.
bool commande_clients(const Options& o);
int executer_clients(const Options& o, const std::filesystem::path& dossier);

} // namespace kalder::cli
