#include "noyau/mots_nom.hpp"

namespace kalder {

bool est_separateur(char32_t c) {
    return c == U' ' || c == U'-' || c == U'_' || c == U',' || c == U';' || c == U':';
}

std::vector<std::u32string_view> couper_mots(std::u32string_view t) {
    constexpr std::size_t maximum = 5;
    std::vector<std::u32string_view> mots;
    // Positions are 1-based, as in the rule: a separator at i closes the word
    // s..i-1 only when that word is longer than one character.
    std::size_t s = 1;
    for (std::size_t i = 1; i <= t.size() && mots.size() < maximum; ++i) {
        if (!est_separateur(t[i - 1]))
            continue;
        if (i - 1 > s) {
            mots.push_back(t.substr(s - 1, i - s));
            s = i + 1;
        }
    }
    return mots;
}

} // namespace kalder
