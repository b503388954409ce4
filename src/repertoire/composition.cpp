#include "repertoire/composition.hpp"

#include "noyau/utf8.hpp"

#include <array>

namespace kalder {

namespace {

// One combining mark and the letters it makes, as "base, letter" pairs.
struct Marque {
    char32_t marque;
    std::u32string_view paires;
};

constexpr std::array<Marque, 8> marques = {{
    {0x0300, U"AÀEÈIÌOÒUÙaàeèiìoòuù"},
    {0x0301, U"AÁEÉIÍOÓUÚYÝaáeéiíoóuúyý"},
    {0x0302, U"AÂEÊIÎOÔUÛaâeêiîoôuû"},
    {0x0303, U"AÃNÑOÕaãnñoõ"},
    {0x0308, U"AÄEËIÏOÖUÜYŸaäeëiïoöuüyÿ"},
    {0x030A, U"AÅaå"},
    {0x0327, U"CÇcç"},
    {0x030C, U"SŠZŽsšzž"},
}};

} // namespace

std::optional<char32_t> composer_paire(char32_t base, char32_t marque) {
    for (const Marque& m : marques) {
        if (m.marque != marque)
            continue;
        for (std::size_t i = 0; i + 1 < m.paires.size(); i += 2)
            if (m.paires[i] == base)
                return m.paires[i + 1];
    }
    return std::nullopt;
}

std::u32string composer(std::u32string_view texte) {
    std::u32string r;
    r.reserve(texte.size());
    for (char32_t c : texte) {
        if (!r.empty() && c >= 0x0300 && c <= 0x036F) {
            if (const auto lettre = composer_paire(r.back(), c)) {
                r.back() = *lettre;
                continue;
            }
        }
        r.push_back(c);
    }
    return r;
}

std::string composer_utf8(std::string_view texte) {
    // Pure ASCII has nothing to compose: most names stay as they are, unread.
    for (char o : texte)
        if (static_cast<unsigned char>(o) >= 0x80)
            return encoder_utf8(composer(decoder_utf8(texte)));
    return std::string(texte);
}

} // namespace kalder
