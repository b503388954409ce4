#include "repertoire/encodage_fichier.hpp"

#include "repertoire/composition.hpp"
#include "repertoire/cp1252.hpp"

namespace kalder {

namespace {

constexpr std::string_view marque_ordre = "\xEF\xBB\xBF";

// Length of the sequence starting at `p`, 0 when it is not valid UTF-8
// (overlong forms, surrogates and values past U+10FFFF are refused).
std::size_t sequence_valide(const unsigned char* p, const unsigned char* fin) {
    const unsigned char o = p[0];
    std::size_t n;
    char32_t c;
    if (o < 0x80)
        return 1;
    if (o >= 0xC2 && o <= 0xDF) {
        n = 2;
        c = o & 0x1F;
    } else if (o >= 0xE0 && o <= 0xEF) {
        n = 3;
        c = o & 0x0F;
    } else if (o >= 0xF0 && o <= 0xF4) {
        n = 4;
        c = o & 0x07;
    } else {
        return 0;
    }
    if (static_cast<std::size_t>(fin - p) < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    if ((n == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
        (n == 4 && (c < 0x10000 || c > 0x10FFFF)))
        return 0;
    return n;
}

} // namespace

bool ligne_en_utf8(std::string_view octets) {
    const auto* p = reinterpret_cast<const unsigned char*>(octets.data());
    const auto* const fin = p + octets.size();
    bool au_dela_ascii = false;
    while (p < fin) {
        const std::size_t n = sequence_valide(p, fin);
        if (n == 0)
            return false;
        au_dela_ascii |= n > 1;
        p += n;
    }
    return au_dela_ascii;
}

std::optional<std::string> lignes_en_cp1252(std::string_view octets, bool& hors_code_page) {
    hors_code_page = false;
    const bool marque = octets.starts_with(marque_ordre);
    if (marque)
        octets.remove_prefix(marque_ordre.size());
    std::optional<std::string> r;
    std::size_t copie = 0; // bytes of `octets` not yet copied into `r`
    for (std::size_t debut = 0; debut < octets.size();) {
        const std::size_t saut = octets.find('\n', debut);
        const std::size_t fin = saut == std::string_view::npos ? octets.size() : saut + 1;
        const std::string_view ligne = octets.substr(debut, fin - debut);
        if (ligne_en_utf8(ligne)) {
            // Accents composed line by line: the wide characters of the whole
            // file never sit in memory at once.
            if (auto converti = utf8_vers_cp1252(composer_utf8(ligne))) {
                if (!r) {
                    r.emplace();
                    r->reserve(octets.size());
                }
                r->append(octets.substr(copie, debut - copie));
                *r += *converti;
                copie = fin;
            } else {
                hors_code_page = true;
            }
        }
        debut = fin;
    }
    if (!r && !marque)
        return std::nullopt;
    if (!r)
        r.emplace();
    r->append(octets.substr(copie));
    return r;
}

} // namespace kalder
