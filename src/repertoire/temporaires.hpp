#pragma once
// The temporary files of a replacement. Each one is held by the process
// writing it (a lock on it, or on Windows its open handle), so that a later
// save can tell the leftovers of a killed save from a file being written.

#include "repertoire/fichiers.hpp"
#include "systeme/fichiers_systeme.hpp"

#include <filesystem>
#include <optional>
#include <string_view>

namespace kalder {

struct FichierTemporaire {
    std::filesystem::path chemin;
    systeme::Poignee poignee = systeme::sans_poignee;
};

// A new file beside `cible`, named after it, created with `droits` (the
// user's default without them).
std::optional<Echec> creer_temporaire(const std::filesystem::path& cible,
                                      std::optional<std::filesystem::perms> droits,
                                      FichierTemporaire& temporaire);

// ".<name of the directory or backup file, or of `autre`>.<…>.tmp".
bool est_temporaire_repertoire(std::string_view nom, std::string_view autre = {});

// Removes the temporary files of `dossier` that no running program holds,
// those named after `autre` too (the file a link leads to); returns how many went.
std::size_t nettoyer_temporaires(const std::filesystem::path& dossier, std::string_view autre = {});

} // namespace kalder
