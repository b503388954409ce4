#include "repertoire/cp1252.hpp"

#include "noyau/utf8.hpp"

#include <array>

namespace kalder {

namespace {

// 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> table_80_9f = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr char32_t vers_unicode(unsigned char octet) {
    if (octet >= 0x80 && octet <= 0x9F)
        return table_80_9f[octet - 0x80];
    return octet;
}

} // namespace

std::optional<unsigned char> octet_cp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < table_80_9f.size(); ++i)
        if (table_80_9f[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

namespace {

// Every byte's UTF-8 form, worked out once: reading a large directory
// converts each byte through this table.
struct EnUtf8 {
    char octets[4];
    int longueur;
};

constexpr std::array<EnUtf8, 256> construire_table_utf8() {
    std::array<EnUtf8, 256> t{};
    for (int o = 0; o < 256; ++o)
        t[o].longueur = octets_utf8(vers_unicode(static_cast<unsigned char>(o)), t[o].octets);
    return t;
}

constexpr std::array<EnUtf8, 256> table_utf8 = construire_table_utf8();

} // namespace

std::size_t taille_cp1252_en_utf8(std::string_view octets) {
    std::size_t taille = 0;
    for (char o : octets)
        taille += static_cast<std::size_t>(table_utf8[static_cast<unsigned char>(o)].longueur);
    return taille;
}

char* ecrire_cp1252_en_utf8(char* p, std::string_view octets) {
    for (char o : octets) {
        if (static_cast<unsigned char>(o) < 0x80) { // most letters of a name
            *p++ = o;
            continue;
        }
        const EnUtf8& u = table_utf8[static_cast<unsigned char>(o)];
        p[0] = u.octets[0];
        if (u.longueur > 1) {
            p[1] = u.octets[1];
            if (u.longueur > 2)
                p[2] = u.octets[2];
        }
        p += u.longueur;
    }
    return p;
}

void ajouter_cp1252_en_utf8(std::string& sortie, std::string_view octets) {
    unsigned char ou = 0;
    for (char o : octets)
        ou |= static_cast<unsigned char>(o);
    if (ou < 0x80) {
        sortie.append(octets);
        return;
    }
    const std::size_t debut = sortie.size();
    sortie.resize(debut + taille_cp1252_en_utf8(octets));
    ecrire_cp1252_en_utf8(sortie.data() + debut, octets);
}

std::string cp1252_vers_utf8(std::string_view octets) {
    std::string r;
    ajouter_cp1252_en_utf8(r, octets);
    return r;
}

std::optional<std::string> utf8_vers_cp1252(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    // A malformed sequence decodes to U+FFFD, which the code page cannot hold.
    for (char32_t c : decoder_utf8(texte)) {
        const auto o = octet_cp1252(c);
        if (!o)
            return std::nullopt;
        r.push_back(static_cast<char>(*o));
    }
    return r;
}

} // namespace kalder
