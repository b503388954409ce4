#pragma once
// The pieces every explanation is written with: the letters counted with
// their values, and the chain of digit sums down to the text a slot shows.
// The chains walk the engine's own stop sets and digit sum, and the final
// text comes from the engine's own writers.

#include "noyau/decomposition.hpp"
#include "noyau/nombre.hpp"
#include "noyau/typographie.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace kalder::explication {

// The French spacing, ready to join with +.
inline const std::string deux_points{typo::deux_points};
inline const std::string point_virgule{typo::point_virgule};
inline const std::string egal{typo::egal};
inline const std::string insecable{typo::insecable};

// How a number is written in its slot.
enum class Forme {
    chiffre,   // 0..9
    maitre,    // master form: "7", "11/2"; empty for 0
    maitre_nu, // 0..9, 11, 22, 33 written bare
    karmique,  // karmic form: the master form, or "13", "14", "16", "19"
    jusqua22,  // "7", "16/7"
    apogee,    // reduced to 99 at most, "19/1"
};

std::string nombre(Nombre n);

// The slot's text for a raw value, as the calculation writes it.
std::string texte_forme(Nombre brut, Forme forme);

// "1997 → 1 + 9 + 9 + 7 = 26 → 2 + 6 = 8": the value, then each digit sum
// until the stop set of the form.
std::string chaine(Nombre brut, Forme forme);

// The chain, then the rule that stopped it and the text shown:
// "29 → 2 + 9 = 11, nombre maître gardé : 11/2", "49 → 4 + 9 = 13, dette
// karmique : 13", "1990 → 1 + 9 + 9 + 0 = 19 → 19/1".
std::string reduction(Nombre brut, Forme forme);

// "Mois 7 + jour 15": the parts of a sum with their values, the first word
// capitalised when asked.
std::string termes_somme(const Somme& somme, bool majuscule);
// The parts, then " = " and the reduction of their total.
std::string somme_ecrite(const Somme& somme, Forme forme);
std::string_view libelle_part(Part part);

// A character as written and as read: "A", "é→E" where an accent is folded,
// "ë" for a letter without value, "« 3 »" for a blank, a digit or a sign.
std::string lettre_affichee(char32_t c);
// What follows a character without value, wherever one is listed.
inline constexpr std::string_view sans_valeur = "\u00A0(sans valeur)\u00A00";
// The same with its value: "é→E 5", "ë (sans valeur) 0", "« - » (sans valeur) 0".
std::string lettre_comptee(char32_t c);

// " (les voyelles accentuées comptent ici comme consonnes)" when the text has
// one; empty otherwise.
std::string note_accents(std::u32string_view texte);

// What an explanation of a theme without a birth date begins with.
inline constexpr std::string_view date_absente = "Date de naissance absente";

// "A 1 + N 5 + é→E 5 + ë (sans valeur) 0": the letters of the class (the
// vowel class of the sums, not folded); "aucune lettre" when there are none.
std::string termes_lettres(std::u32string_view texte);
std::string termes_voyelles(std::u32string_view texte);
std::string termes_consonnes(std::u32string_view texte);

// Items joined with `separateur`, every one of them.
std::string joindre(const std::vector<std::string>& elements, std::string_view separateur);

// « texte »
std::string guillemets(std::string_view texte);

} // namespace kalder::explication
