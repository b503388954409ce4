#pragma once
// Every display slot under its on-screen name: arrays as "Grille(1)",
// single slots bare ("tri1", "annee_personnelle").

#include "modele/catalogue.hpp"

#include <string>
#include <utility>
#include <vector>

namespace kalder {

std::vector<std::pair<std::string, Slot*>> slots_nommes(ThemeCalcule& etat);
std::vector<std::pair<std::string, const Slot*>> slots_nommes(const ThemeCalcule& etat);

} // namespace kalder
