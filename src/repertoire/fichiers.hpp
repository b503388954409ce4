#pragma once
// Whole-file reading and replacing that never leaves a half-written file: the
// new content goes to a temporary file of the same folder, reaches the disk,
// and only then takes the old file's name.

#include "systeme/fichiers_systeme.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kalder {

enum class Operation { lire, creer, ecrire, remplacer, verrouiller };

struct Echec {
    Operation operation;
    // The file or folder the failure is about.
    std::filesystem::path chemin;
    std::error_code code;
};

// Larger directory files are refused: a person takes some fifty bytes.
inline constexpr std::uintmax_t taille_maximale_repertoire = std::uintmax_t{256} << 20;

// Only a regular file (a link to one is followed) is read; a device, a named
// pipe or a socket is refused without waiting on it.
std::optional<Echec> lire_fichier(const std::filesystem::path& chemin, std::string& octets,
                                  std::uintmax_t limite = taille_maximale_repertoire);

// Nothing when `chemin` is missing or a regular file (links followed); else
// why it must not be read or replaced.
std::optional<Echec> verifier_ordinaire(const std::filesystem::path& chemin, Operation operation);

// The new file is created with the rights of `modele` (by default the file
// it replaces; the user's default when there is none) and keeps its owner
// and group where the system allows. On failure, an exception included,
// the old file is left as it was and no temporary file remains.
std::optional<Echec> remplacer_fichier(const std::filesystem::path& chemin, std::string_view octets,
                                       const systeme::EtatFichier* modele = nullptr);

// The file `chemin` leads to, each link of a chain judged before it is
// followed: one made by another user is refused (the system's own rule for
// shared folders, which a program resolving links itself would bypass).
std::optional<Echec> suivre_liens_surs(const std::filesystem::path& chemin,
                                       std::filesystem::path& reel);

} // namespace kalder
