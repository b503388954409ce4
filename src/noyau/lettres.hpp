#pragma once
// Letter values of the nine-column table, with the French accent folding.

#include <string>
#include <string_view>

namespace kalder {

// Lower case, then â à è é ê î ô ù ç lose their accent, anything else goes to
// upper case: É folds to E, but ë stays a letter outside A..Z (Ë).
char32_t plier(char32_t c);
// 1..9 for a character folding into A..Z, 0 otherwise.
int valeur_caractere(char32_t c);
bool est_voyelle_pliee(char32_t pliee); // A E I O U Y

// A letter: ë, Œ, ß and Ł are, though they count nothing; a blank, a digit
// or a sign is not.
bool est_lettre(char32_t c);

} // namespace kalder
