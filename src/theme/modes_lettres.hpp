#pragma once
// Which expression mode each letter counts for: one row (mental .. intuitif)
// and one column (impulsion .. action) of the "Mode d'expression" table. The
// theme counts the letters of the name by it and the window captions its cells
// from it.

#include "modele/indices_slots.hpp"
#include "noyau/lettres.hpp"

#include <string>

namespace kalder {

struct ModeLettre {
    int ligne;   // mode::mental .. mode::intuitif
    int colonne; // mode::impulsion .. mode::action
};

inline constexpr ModeLettre modes_lettres[26] = {
    {0, 4}, {2, 5}, {3, 6}, {1, 6}, {1, 4}, {3, 5}, {0, 6}, {0, 5}, {2, 4}, // A..I
    {0, 5}, {3, 4}, {0, 6}, {1, 6}, {0, 5}, {2, 4}, {0, 5}, {3, 5}, {2, 4}, // J..R
    {2, 5}, {2, 5}, {3, 5}, {3, 6}, {1, 5}, {2, 5}, {3, 5}, {2, 4},         // S..Z
};

// The modes a character of a name counts for, accents and case folded;
// none for a character that is not a letter.
inline const ModeLettre* mode_lettre(char32_t c) {
    const char32_t p = plier(c);
    return p >= U'A' && p <= U'Z' ? &modes_lettres[p - U'A'] : nullptr;
}

// The letters of one cell of the table, in alphabetical order and spaced
// ("H J N P"); empty for a cell no letter falls in.
inline std::string lettres_du_mode(int ligne, int colonne) {
    std::string lettres;
    for (int i = 0; i < 26; ++i) {
        if (modes_lettres[i].ligne != ligne || modes_lettres[i].colonne != colonne)
            continue;
        if (!lettres.empty())
            lettres += ' ';
        lettres += static_cast<char>('A' + i);
    }
    return lettres;
}

} // namespace kalder
