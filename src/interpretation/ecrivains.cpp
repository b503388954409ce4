#include "interpretation/ecrivains.hpp"

#include <string>

namespace kalder {

namespace {

constexpr std::string_view fin_ligne = "\r\n";

void ajouter_ligne(Interpretation& doc, std::initializer_list<std::string_view> morceaux) {
    doc.existe = true;
    // std::string grows geometrically, so a long commentary is never rebuilt.
    for (std::string_view m : morceaux)
        doc.texte.append(m);
    doc.texte.append(fin_ligne);
}

} // namespace

void vider_interpretation(Interpretation& doc) {
    doc.existe = true;
    doc.texte.clear();
}

void titrer_interpretation(Interpretation& doc, std::string_view texte) {
    doc.existe = true;
    doc.titre.assign(texte);
}

void titre(Interpretation& doc, std::string_view texte) {
    ajouter_ligne(doc, {texte});
}

void titre(Interpretation& doc, std::initializer_list<std::string_view> morceaux) {
    ajouter_ligne(doc, morceaux);
}

void interprete2(Interpretation& doc, std::string_view texte) {
    ajouter_ligne(doc, {texte});
}

void interprete2(Interpretation& doc, std::initializer_list<std::string_view> morceaux) {
    ajouter_ligne(doc, morceaux);
}

void ligne_separation(Interpretation& doc) {
    static const std::string tirets(150, '-');
    ajouter_ligne(doc, {tirets});
}

} // namespace kalder
