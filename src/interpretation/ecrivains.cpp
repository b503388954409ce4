#include "interpretation/ecrivains.hpp"

#include <string>
#include <utility>

namespace kalder {

void vider_interpretation(Interpretation& doc) {
    doc.existe = true;
    doc.blocs.clear();
    doc.texte.clear();
}

void titrer_interpretation(Interpretation& doc, std::string_view texte) {
    doc.existe = true;
    doc.titre.assign(texte);
}

namespace {

// A text of the tables runs over several lines, each its own block, as the
// tables write them: "- " opens an alternative, and a line ending in a colon
// ("En négatif:") introduces the lines under it.
Bloc ligne_de_table(std::string_view ligne) {
    std::string_view fin = ligne;
    while (!fin.empty() && fin.back() == ' ')
        fin.remove_suffix(1);
    if (ligne.starts_with("- "))
        return {Genre::element, 0, std::string(ligne)};
    if (fin.ends_with(':'))
        return {Genre::titre, 3, std::string(ligne)};
    return {Genre::paragraphe, 0, std::string(ligne)};
}

void ajouter(Interpretation& doc, Bloc bloc) {
    ajouter_texte_brut(doc.texte, bloc);
    doc.blocs.push_back(std::move(bloc));
}

} // namespace

void ecrire(Interpretation& doc, Genre genre, int niveau,
            std::initializer_list<std::string_view> morceaux) {
    doc.existe = true;
    std::string texte;
    for (std::string_view m : morceaux)
        texte.append(m);
    constexpr std::string_view fin_ligne = "\r\n";
    std::size_t coupure = texte.find(fin_ligne);
    if (coupure == std::string::npos) {
        ajouter(doc, Bloc{genre, niveau, std::move(texte)});
        return;
    }
    const std::string_view tout = texte;
    // A paragraph of several lines is a text of the tables from its first line.
    if (genre == Genre::paragraphe)
        ajouter(doc, ligne_de_table(tout.substr(0, coupure)));
    else
        ajouter(doc, Bloc{genre, niveau, std::string(tout.substr(0, coupure))});
    while (coupure != std::string_view::npos) {
        const std::size_t debut = coupure + fin_ligne.size();
        coupure = tout.find(fin_ligne, debut);
        ajouter(doc, ligne_de_table(tout.substr(debut, coupure == std::string_view::npos
                                                           ? std::string_view::npos
                                                           : coupure - debut)));
    }
}

void ligne_separation(Interpretation& doc) {
    static const std::string tirets(150, '-');
    ecrire(doc, Genre::trait, 0, {tirets});
}

} // namespace kalder
