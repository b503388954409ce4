#pragma once
// The four writers of the interpretation document, and its separator line.
// Every one of them brings the document into existence.

#include "modele/etat_fenetre.hpp"

#include <initializer_list>
#include <string_view>

namespace kalder {

void vider_interpretation(Interpretation& doc);
void titrer_interpretation(Interpretation& doc, std::string_view texte);

// Both append one line ending in CR LF; the pieces are joined as they come.
void titre(Interpretation& doc, std::string_view texte);
void titre(Interpretation& doc, std::initializer_list<std::string_view> morceaux);
void interprete2(Interpretation& doc, std::string_view texte);
void interprete2(Interpretation& doc, std::initializer_list<std::string_view> morceaux);

void ligne_separation(Interpretation& doc); // 150 "-"

} // namespace kalder
