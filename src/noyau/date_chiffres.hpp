#pragma once
// The one form of a date in lists and tables: "15/07/1975", day and month on
// two digits. Sentences write their dates out ("1er janvier 2027").

#include <string>
#include <string_view>

namespace kalder {

std::string date_chiffres(int jour, int mois, int annee);

// The same from typed text: a one-digit day or month gets its 0; a part
// that is not a number is shown as typed; empty when all three are.
std::string date_chiffres(std::string_view jour, std::string_view mois, std::string_view annee);

} // namespace kalder
