#pragma once
// Whole-file reading and replacing that never leaves a half-written file: the
// new content goes to a temporary file of the same folder, reaches the disk,
// and only then takes the old file's name.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kalder {

enum class Operation { lire, creer, ecrire, remplacer };

struct Echec {
    Operation operation;
    // The file or folder the failure is about.
    std::filesystem::path chemin;
    std::error_code code;
};

std::optional<Echec> lire_fichier(const std::filesystem::path& chemin, std::string& octets);

// On failure the old file, if any, is left as it was and no temporary file remains.
std::optional<Echec> remplacer_fichier(const std::filesystem::path& chemin,
                                       std::string_view octets);

// Writes everything, then pushes it through the library's and the system's caches.
std::error_code ecrire_sur_disque(std::FILE* flux, std::string_view octets);

} // namespace kalder
