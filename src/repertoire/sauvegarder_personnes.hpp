#pragma once

#include "modele/etat_fenetre.hpp"
#include "repertoire/questions.hpp"
#include "repertoire/verrou.hpp"

#include <chrono>
#include <filesystem>

namespace kalder {

// "Sauvegarder": the "Vous" line and the partner line go to the directory file
// of `dossier`, a person already there being replaced in place once the user
// agrees. The questions are asked before the directory is locked; the answers
// are then applied to the file as it is under the lock, so a person saved
// meanwhile by another window or program is kept. The file is replaced whole
// or not at all; when it cannot be, or when a field cannot be stored as typed,
// the Issue carries an "Erreur" message and the file is left as it was.
Issue sauvegarder_personnes(const EtatFenetre& etat, const std::filesystem::path& dossier,
                            Questions& questions,
                            std::chrono::milliseconds attente = attente_verrou);

} // namespace kalder
