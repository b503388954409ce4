#pragma once
// What the user typed: trimming, and the one rule for what counts as a number
// in a date or year field.

#include "noyau/nombre.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// Leading and trailing blanks removed; inner blanks kept.
std::string_view rogner(std::string_view texte);

// A displayed value worth reading: trimmed, neither empty nor "0".
bool present(std::string_view texte);

// A number is, once trimmed: an optional sign, ASCII digits, and optionally
// "," or "." followed by digits ("15", "-3", "15,5", "1975.0"). Anything else
// (empty, "abc", "1e3", "15,", "1 975") is not a number.
std::optional<double> lire_nombre_saisi(std::string_view texte);

// Nearest integer, halves going to the even neighbour.
Nombre arrondir_pair(double valeur);

} // namespace kalder
