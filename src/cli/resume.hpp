#pragma once

#include "modele/etat_fenetre.hpp"

#include <string>

namespace kalder::cli {

// A readable French summary of every number on the four tabs.
std::string ecrire_resume(const EtatFenetre& etat);

} // namespace kalder::cli
