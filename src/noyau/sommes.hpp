#pragma once
// Sums of letter values over a whole text, and the readers that take a number
// back out of a displayed text such as "11/2".

#include "noyau/nombre.hpp"

#include <string_view>

namespace kalder {

// The vowel class of the sums does not fold accents: é, à, ô... count with
// the consonants, at the value of their folded letter.
// A, E, I, O, U, Y in either case, accents not folded.
bool est_voyelle_des_sommes(char32_t c);
Nombre somme_lettres(std::string_view texte);
Nombre somme_voyelles(std::string_view texte);
Nombre somme_consonnes(std::string_view texte);
Nombre somme_lettres(std::u32string_view texte);
Nombre somme_voyelles(std::u32string_view texte);
Nombre somme_consonnes(std::u32string_view texte);

// The number at the start of a text: leading blanks skipped, 0 when none.
Nombre lire_debut_nombre(std::string_view texte);
Nombre avant_barre(std::string_view texte); // "11/2" -> 11, "7" -> 7
Nombre apres_barre(std::string_view texte); // "11/2" -> 2, "7" -> 7

} // namespace kalder
