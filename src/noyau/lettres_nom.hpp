#pragma once
// The walks over the letters of a name that several numbers rest on: the
// stones of the first names, the initials, the outer vowels and non-vowels
// and the letters A..Z after folding. The theme
// calculation and the explanations of its numbers both go through them.

#include "noyau/nombre.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// The first and last characters of the first names, separators skipped, and
// the sum of the letter values of all the characters met.
struct LettresPierres {
    bool trouvees = false;
    char32_t premiere = 0;
    char32_t derniere = 0;
    Nombre somme = 0;
};
LettresPierres lire_pierres(std::u32string_view prenom);

// The first character of every word (what follows a separator or the start).
std::u32string initiales(std::u32string_view texte);

// The first and last characters of a class, folded; nothing when the class
// is empty. Vowels are A E I O U Y after folding; non-vowels are every other
// character, separators and non-letters included.
struct Extremes {
    char32_t premier = 0;
    char32_t dernier = 0;
    char32_t premier_ecrit = 0; // as typed, before folding
    char32_t dernier_ecrit = 0;
};
std::optional<Extremes> extremes_voyelles(std::u32string_view complet);
std::optional<Extremes> extremes_non_voyelles(std::u32string_view complet);

// The characters folding into A..Z, folded, in order.
std::u32string lettres_pliees(std::u32string_view texte);

} // namespace kalder
