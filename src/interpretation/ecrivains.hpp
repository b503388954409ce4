#pragma once
// The writers of the interpretation document. Each adds one block and its
// line of plain text; every one of them brings the document into existence.

#include "modele/blocs.hpp"
#include "modele/theme_calcule.hpp"

#include <initializer_list>
#include <string_view>

namespace kalder {

void vider_interpretation(Interpretation& doc);
void titrer_interpretation(Interpretation& doc, std::string_view texte);

// The pieces are joined as they come.
void ecrire(Interpretation& doc, Genre genre, int niveau,
            std::initializer_list<std::string_view> morceaux);

// Level 1 heads a part, 2 a group of headed items, 3 the lines under it.
inline void titre(Interpretation& doc, int niveau, std::initializer_list<std::string_view> m) {
    ecrire(doc, Genre::titre, niveau, m);
}
inline void paragraphe(Interpretation& doc, std::initializer_list<std::string_view> m) {
    ecrire(doc, Genre::paragraphe, 0, m);
}
inline void element(Interpretation& doc, std::initializer_list<std::string_view> m) {
    ecrire(doc, Genre::element, 0, m);
}
inline void ligne_vide(Interpretation& doc) {
    ecrire(doc, Genre::paragraphe, 0, {});
}
void ligne_separation(Interpretation& doc); // 150 "-"

} // namespace kalder
