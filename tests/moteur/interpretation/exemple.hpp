#pragma once
// The model as "Calculer" leaves it for Anne-Marie Dupont, born 15/7/1975,
// with the year grid of Anne Dupont (17/5/1980) for 2026.

#include "modele/etat_fenetre.hpp"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kalder::essai {

// Out of line: GCC 12 sees a false overlap when one character is assigned inline.
void poser(Slot& slot, std::string_view texte);

template <std::size_t N>
void remplir(std::array<Slot, N>& slots, std::size_t debut,
             std::initializer_list<std::string_view> textes) {
    for (std::string_view t : textes)
        poser(slots[debut++], t);
}

EtatFenetre exemple_rempli();

// The lines of a text, each of which must end with CR LF.
inline std::vector<std::string> lignes(std::string_view texte) {
    std::vector<std::string> r;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string_view::npos) {
            r.emplace_back("<sans CR LF>");
            break;
        }
        r.emplace_back(texte.substr(debut, fin - debut));
        debut = fin + 2;
    }
    return r;
}

inline std::string joindre(std::initializer_list<std::string_view> lignes) {
    std::string r;
    for (std::string_view l : lignes) {
        r += l;
        r += "\r\n";
    }
    return r;
}

inline const std::string separation(150, '-');

} // namespace kalder::essai
