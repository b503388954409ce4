#pragma once
// Centring of a short text in a fixed width, for the printed report: the odd
// fill character goes to the right.

#include <string>
#include <string_view>

namespace kalder {

std::string centrer_souligne(std::string_view texte, long long largeur); // with "_"
std::string centrer_surligne(std::string_view texte, long long largeur); // with "¯"

} // namespace kalder
