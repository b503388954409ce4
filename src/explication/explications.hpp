#pragma once
// How each number on screen was reached, in French: the letters counted with
// their values, the raw total, each digit sum and the rule that stopped it,
// ending in the value the slot shows. Written only when asked (a hovered
// slot, the command line), never during a calculation.

#include "modele/theme_calcule.hpp"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalder {

// The explanation of one slot named as slots_nommes names it ("Nomb(3)",
// "tri1"); empty when the slot is empty or holds no number.
std::string expliquer_slot(const ThemeCalcule& etat, std::string_view nom_slot);

// Every slot with its explanation, in the order of slots_nommes.
std::vector<std::pair<std::string, std::string>> expliquer_slots(const ThemeCalcule& etat);

// Whether an explanation ends in the value its slot shows. Every one does
// (the tests hold it); one that would not is withheld.
bool atteint_la_valeur(std::string_view explication, const Slot& slot);

// What follows a slot's caption on its line: the colon and the explanation
// (" : jour 15 + …"), its first word in lower case; or, when the explanation
// starts with the caption's own words, the rest of it (" du prénom et du nom
// : …" after "Voyelles", " (A, G…) : …" after "Mode d'expression, Mental"):
// the caption is never said twice.
std::string apres_libelle(std::string_view libelle, std::string_view explication);

// The catalogue row each explainer was written for, in catalogue order; empty
// where a row has none.
std::vector<std::string_view> entrees_expliquees();

} // namespace kalder
