#pragma once
// A save that modifies a directory entry (same names, new date) takes the
// person's client record along.

#include "modele/etat_fenetre.hpp"
#include "repertoire/personne.hpp"

#include <filesystem>
#include <vector>

namespace kalder {

// Before a save: the directory entries bearing the names of the window's lines.
std::vector<Personne> entrees_avant_sauvegarde(const std::filesystem::path& dossier,
                                               const EtatFenetre& etat);

// After it: an entry found before that is gone, replaced by its line as now
// saved, moves its record to the new identity. Says nothing when there is no
// client file; a failure is returned in French.
std::optional<std::string> suivre_sauvegarde(const std::filesystem::path& dossier,
                                             const EtatFenetre& etat,
                                             const std::vector<Personne>& avant);

} // namespace kalder
