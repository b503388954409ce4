#include "modele/blocs.hpp"

namespace kalder {

void ajouter_texte_brut(std::string& texte, const Bloc& bloc) {
    // std::string grows geometrically, so a long text is never rebuilt.
    texte.append(bloc.texte);
    texte.append("\r\n");
}

std::string texte_brut(const Blocs& blocs) {
    std::size_t taille = 0;
    for (const Bloc& b : blocs)
        taille += b.texte.size() + 2;
    std::string texte;
    texte.reserve(taille);
    for (const Bloc& b : blocs)
        ajouter_texte_brut(texte, b);
    return texte;
}

} // namespace kalder
