#pragma once
// What a personal day, month or year means, read from the program's own
// texts: a personal day reads as the personal month of the same number.

#include "noyau/nombre.hpp"

#include <string_view>

namespace kalder {

enum class Echelle { jour, mois, annee };

// "Travail et restrictions." for a personal day or month of 4; the year's
// longer text for a personal year. Empty for a number without a text.
std::string_view sens_personnel(Echelle echelle, Nombre valeur);

inline std::string_view sens_jour_personnel(Nombre n) {
    return sens_personnel(Echelle::jour, n);
}

} // namespace kalder
