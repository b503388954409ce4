#pragma once

#include "modele/etat_fenetre.hpp"
#include "repertoire/personne.hpp"
#include "repertoire/verrou.hpp"

#include <chrono>
#include <filesystem>

namespace kalder {

// Removes the first entry whose five fields are those of `personne`, and only
// it, with the lock, the backup and the one-step replacement of a save. The
// Issue carries an "Erreur" message when nothing could be removed.
Issue supprimer_personne(const std::filesystem::path& dossier, const Personne& personne,
                         std::chrono::milliseconds attente = attente_verrou);

} // namespace kalder
