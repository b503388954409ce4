#include "noyau/utf8.hpp"

namespace kalder {

namespace {

constexpr char32_t remplacement = 0xFFFD;

// Decodes one character at `i`, advancing `i`; strict about overlongs and surrogates.
char32_t decoder_un(std::string_view t, std::size_t& i) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char b0 = octet(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int suite;
    char32_t c;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        suite = 1;
        c = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        suite = 2;
        c = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        suite = 3;
        c = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return remplacement;
    }
    std::size_t j = i + 1;
    for (int k = 0; k < suite; ++k, ++j) {
        if (j >= t.size() || (octet(j) & 0xC0) != 0x80) {
            i = j;
            return remplacement;
        }
        c = (c << 6) | (octet(j) & 0x3F);
    }
    i = j;
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return remplacement;
    return c;
}

} // namespace

std::u32string decoder_utf8(std::string_view t) {
    std::u32string r;
    r.reserve(t.size());
    std::size_t i = 0;
    while (i < t.size())
        r.push_back(decoder_un(t, i));
    return r;
}

void ajouter_utf8(std::string& s, char32_t c) {
    char octets[4] = {};
    s.append(octets, static_cast<std::size_t>(octets_utf8(c, octets)));
}

std::string encoder_utf8(std::u32string_view t) {
    std::string r;
    r.reserve(t.size());
    for (char32_t c : t)
        ajouter_utf8(r, c);
    return r;
}

char32_t premier_caractere(std::string_view t) {
    if (t.empty())
        return 0;
    std::size_t i = 0;
    return decoder_un(t, i);
}

std::size_t nombre_caracteres(std::string_view t) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < t.size()) {
        decoder_un(t, i);
        ++n;
    }
    return n;
}

bool utf8_valide(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t debut = i;
        // A U+FFFD written as such is a character like another.
        if (decoder_un(t, i) == remplacement && t.substr(debut, i - debut) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

} // namespace kalder
