#pragma once
// Sums of letter values over a whole text, and the readers that take a number
// back out of a displayed text such as "11/2".

#include "noyau/nombre.hpp"

#include <string_view>
#include <vector>

namespace kalder {

// The vowel class of the sums does not fold accents: é, à, ô... count with
// the consonants, at the value of their folded letter.
// A, E, I, O, U, Y in either case, accents not folded.
bool est_voyelle_des_sommes(char32_t c);

// The three classes a name is summed over; the sums below and the letters
// handed to an explanation both go through `dans_la_classe`.
enum class Classe : unsigned char { lettres, voyelles, consonnes };
bool dans_la_classe(Classe classe, char32_t c);

// One character of a class as it was counted: as written, folded, and its
// value (0 for a character outside A..Z after folding).
struct LettreComptee {
    char32_t ecrite;
    char32_t pliee;
    int valeur;
};
std::vector<LettreComptee> lettres_comptees(std::u32string_view texte, Classe classe);

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
