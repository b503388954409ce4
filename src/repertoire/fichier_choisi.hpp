#pragma once
// A file the user names for an export (the consultation dossier), written as
// the directory file is: whole or not at all, never through a link another
// user made, its owner, group and rights kept, a write-protected file left
// alone. A device, or a named pipe a program reads, may be written into as it
// is; nothing waits on a pipe no program reads.

#include "repertoire/fichiers.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kalder {

enum class EnPlace {
    refuse,  // only a regular file, new or replaced (the window)
    accepte, // a device or a read pipe too (the command line's /dev/stdout)
};

enum class Lecteurs {
    usuels,       // a new file gets the user's default rights, a replaced one keeps its own
    proprietaire, // private data: the owner alone may read it, from its creation on
};

// Nothing on success; otherwise why, with no file left behind and the old one
// as it was.
std::optional<Echec> ecrire_fichier_choisi(const std::filesystem::path& chemin,
                                           std::string_view octets, EnPlace en_place,
                                           Lecteurs lecteurs = Lecteurs::usuels);

// Why `chemin` could not be written, as the end of a French sentence: a full
// disk named by the file it was to hold, as the user chose it.
std::string expliquer_echec_fichier_choisi(const std::filesystem::path& chemin, const Echec& echec);

} // namespace kalder
