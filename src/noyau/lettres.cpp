#include "noyau/lettres.hpp"

#include "noyau/utf8.hpp"

namespace kalder {

namespace {

// Latin capitals that have a lower-case partner in the French code page.
char32_t minuscule(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    switch (c) {
    case 0x152:
        return 0x153; // Œ
    case 0x160:
        return 0x161; // Š
    case 0x17D:
        return 0x17E; // Ž
    case 0x178:
        return 0xFF; // Ÿ
    default:
        return c;
    }
}

char32_t majuscule(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    switch (c) {
    case 0x153:
        return 0x152;
    case 0x161:
        return 0x160;
    case 0x17E:
        return 0x17D;
    case 0xFF:
        return 0x178;
    default:
        return c;
    }
}

} // namespace

char32_t plier(char32_t c) {
    const char32_t m = minuscule(c);
    switch (m) {
    case U'â':
    case U'à':
        return U'A';
    case U'è':
    case U'é':
    case U'ê':
        return U'E';
    case U'î':
        return U'I';
    case U'ô':
        return U'O';
    case U'ù':
        return U'U';
    case U'ç':
        return U'C';
    default:
        return majuscule(m);
    }
}

bool est_lettre(char32_t c) {
    if (minuscule(c) != c || majuscule(c) != c)
        return true;
    // Letters without a case partner here: ß, µ, ª, º; then the letters of
    // other alphabets (Ł, Greek, Cyrillic …), short of the combining marks,
    // the punctuation and the symbols.
    if (c == 0xAA || c == 0xB5 || c == 0xBA || c == 0xDF)
        return true;
    if (c >= 0x100 && c < 0x2000)
        return c < 0x2B0 || c > 0x36F;
    return c >= 0x3040 && c < 0xFF00;
}

int valeur_caractere(char32_t c) {
    const char32_t p = plier(c);
    if (p < U'A' || p > U'Z')
        return 0;
    return static_cast<int>((p - U'A') % 9) + 1;
}

bool est_voyelle_pliee(char32_t p) {
    return p == U'A' || p == U'E' || p == U'I' || p == U'O' || p == U'U' || p == U'Y';
}

} // namespace kalder
