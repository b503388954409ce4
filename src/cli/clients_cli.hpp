#pragma once
// The client file from the command line: --fiche, --note, --clients,
// --exporter-clients and --importer-clients.

#include "cli/options.hpp"

#include <filesystem>

namespace kalder::cli {

int executer_clients(const Options& o, const std::filesystem::path& dossier);

} // namespace kalder::cli
