#pragma once
// Names arrive as UTF-8. The numerology works on characters, so the text is
// decoded once; malformed bytes become U+FFFD and count as non-letters.

#include <string>
#include <string_view>

namespace kalder {

// The UTF-8 bytes of one character; returns how many were written (1 to 4).
constexpr int octets_utf8(char32_t c, char (&octets)[4]) {
    const auto octet = [](char32_t v) { return static_cast<char>(v); };
    if (c < 0x80) {
        octets[0] = octet(c);
        return 1;
    }
    if (c < 0x800) {
        octets[0] = octet(0xC0 | (c >> 6));
        octets[1] = octet(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        octets[0] = octet(0xE0 | (c >> 12));
        octets[1] = octet(0x80 | ((c >> 6) & 0x3F));
        octets[2] = octet(0x80 | (c & 0x3F));
        return 3;
    }
    octets[0] = octet(0xF0 | (c >> 18));
    octets[1] = octet(0x80 | ((c >> 12) & 0x3F));
    octets[2] = octet(0x80 | ((c >> 6) & 0x3F));
    octets[3] = octet(0x80 | (c & 0x3F));
    return 4;
}

std::u32string decoder_utf8(std::string_view texte);
void ajouter_utf8(std::string& sortie, char32_t c);
std::string encoder_utf8(std::u32string_view texte);
// The first character of a text, U+FFFD for a malformed start, 0 for an empty text.
char32_t premier_caractere(std::string_view texte);
std::size_t nombre_caracteres(std::string_view texte);
// No malformed sequence, overlong form or surrogate.
bool utf8_valide(std::string_view texte);

} // namespace kalder
