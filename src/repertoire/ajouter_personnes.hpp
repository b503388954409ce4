#pragma once
// Persons restored from a backup into the directory: each one the file lacks
// is added after those there; none is changed or removed.

#include "repertoire/fichiers.hpp"
#include "repertoire/personne.hpp"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>

namespace kalder {

struct IssueAjout {
    std::size_t ajoutees = 0;
    // Persons the file cannot hold (a character outside Windows-1252, a
    // double quote, a line end), left out.
    std::size_t ecartees = 0;
    std::optional<Echec> echec;
};

// Under the directory's lock, as a save; the five fields compared as saved.
IssueAjout ajouter_personnes(const std::filesystem::path& dossier,
                             std::span<const Personne> personnes);

} // namespace kalder
