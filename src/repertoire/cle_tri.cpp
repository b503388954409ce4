#include "repertoire/cle_tri.hpp"

#include <algorithm>
#include <array>

namespace kalder {

namespace {

struct Pli {
    // Each byte to its lower-case form, and to its base letters (up to two).
    std::array<unsigned char, 256> minuscule{};
    std::array<std::array<char, 2>, 256> base{};
};

// Accented and special letters of the code page, upper or lower case, and their base.
struct Lettre {
    unsigned char octet;
    const char* base;
};
constexpr Lettre lettres[] = {
    {0x83, "f"},  {0x8A, "s"}, {0x8C, "oe"}, {0x8E, "z"},  {0x9A, "s"}, {0x9C, "oe"}, {0x9E, "z"},
    {0x9F, "y"},  {0xC0, "a"}, {0xC1, "a"},  {0xC2, "a"},  {0xC3, "a"}, {0xC4, "a"},  {0xC5, "a"},
    {0xC6, "ae"}, {0xC7, "c"}, {0xC8, "e"},  {0xC9, "e"},  {0xCA, "e"}, {0xCB, "e"},  {0xCC, "i"},
    {0xCD, "i"},  {0xCE, "i"}, {0xCF, "i"},  {0xD0, "d"},  {0xD1, "n"}, {0xD2, "o"},  {0xD3, "o"},
    {0xD4, "o"},  {0xD5, "o"}, {0xD6, "o"},  {0xD8, "o"},  {0xD9, "u"}, {0xDA, "u"},  {0xDB, "u"},
    {0xDC, "u"},  {0xDD, "y"}, {0xDE, "th"}, {0xDF, "ss"}, {0xE0, "a"}, {0xE1, "a"},  {0xE2, "a"},
    {0xE3, "a"},  {0xE4, "a"}, {0xE5, "a"},  {0xE6, "ae"}, {0xE7, "c"}, {0xE8, "e"},  {0xE9, "e"},
    {0xEA, "e"},  {0xEB, "e"}, {0xEC, "i"},  {0xED, "i"},  {0xEE, "i"}, {0xEF, "i"},  {0xF0, "d"},
    {0xF1, "n"},  {0xF2, "o"}, {0xF3, "o"},  {0xF4, "o"},  {0xF5, "o"}, {0xF6, "o"},  {0xF8, "o"},
    {0xF9, "u"},  {0xFA, "u"}, {0xFB, "u"},  {0xFC, "u"},  {0xFD, "y"}, {0xFE, "th"}, {0xFF, "y"},
};

constexpr Pli construire_pli() {
    Pli p;
    for (int o = 0; o < 256; ++o)
        p.minuscule[o] = static_cast<unsigned char>(o);
    for (int o = 'A'; o <= 'Z'; ++o)
        p.minuscule[o] = static_cast<unsigned char>(o + 0x20);
    for (int o = 0xC0; o <= 0xDE; ++o)
        if (o != 0xD7) // ×
            p.minuscule[o] = static_cast<unsigned char>(o + 0x20);
    p.minuscule[0x8A] = 0x9A; // Š
    p.minuscule[0x8C] = 0x9C; // Œ
    p.minuscule[0x8E] = 0x9E; // Ž
    p.minuscule[0x9F] = 0xFF; // Ÿ
    // A control byte in a name must not pass for a break.
    p.minuscule[0x00] = p.minuscule[0x01] = 0x02;
    for (int o = 0; o < 256; ++o)
        p.base[o] = {static_cast<char>(p.minuscule[o]), 0};
    for (const Lettre& l : lettres)
        p.base[l.octet] = {l.base[0], l.base[1]};
    return p;
}

constexpr Pli pli = construire_pli();

// Field breaks and the break between the two levels sort below everything.
constexpr char coupure_champ = '\x01';
constexpr char coupure_niveau = '\x00';

} // namespace

std::size_t taille_cle_lettres(const std::array<std::string_view, champs_par_entree>& champs) {
    std::size_t taille = champs.size() - 1;
    for (auto champ : champs) {
        taille += champ.size();
        for (char c : champ)
            taille += pli.base[static_cast<unsigned char>(c)][1] != 0;
    }
    return taille;
}

std::size_t taille_cle_tri(const std::array<std::string_view, champs_par_entree>& champs) {
    std::size_t accents = champs.size() - 1;
    for (auto champ : champs)
        accents += champ.size();
    return taille_cle_lettres(champs) + 1 + accents;
}

namespace {

void ajouter_cle_lettres(std::string& cle,
                         const std::array<std::string_view, champs_par_entree>& champs) {
    // Exactly the key's size: a buffer reserved for all keys never grows.
    const std::size_t debut = cle.size();
    cle.resize(debut + taille_cle_lettres(champs));
    char* p = cle.data() + debut;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0)
            *p++ = coupure_champ;
        for (char c : champs[i]) {
            const auto& b = pli.base[static_cast<unsigned char>(c)];
            *p++ = b[0];
            if (b[1] != 0)
                *p++ = b[1];
        }
    }
}

void ajouter_cle_accents(std::string& cle,
                         const std::array<std::string_view, champs_par_entree>& champs) {
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0)
            cle += coupure_champ;
        for (char c : champs[i])
            cle += static_cast<char>(pli.minuscule[static_cast<unsigned char>(c)]);
    }
}

} // namespace

void construire_cle_tri(std::string& cle,
                        const std::array<std::string_view, champs_par_entree>& champs) {
    ajouter_cle_lettres(cle, champs);
    cle += coupure_niveau;
    ajouter_cle_accents(cle, champs);
}

namespace {

// The order of the entries that `entree` gives by index. Only the first
// level of the keys (letters without accents, no case) is kept, in one
// buffer: one allocation instead of one per entry. Their first bytes, copied
// beside each index as numbers, settle most comparisons without leaving the
// array being sorted; the accents decide only between equal first levels,
// their keys made then. Comparing (first level, accents) is comparing the
// whole key of construire_cle_tri, whose level break sorts below everything.
template <typename Entree>
std::vector<std::uint32_t> ordonner(Entree&& entree, std::size_t nombre, std::size_t taille_cles) {
    constexpr std::size_t mots = 2;
    struct Rang {
        std::array<std::uint64_t, mots> debut_cle;
        std::uint32_t index;
    };
    std::string cles;
    cles.reserve(taille_cles);
    std::vector<std::uint32_t> debuts;
    debuts.reserve(nombre + 1);
    std::vector<Rang> rangs;
    rangs.reserve(nombre);
    for (std::size_t i = 0; i < nombre; ++i) {
        const std::size_t debut = cles.size();
        debuts.push_back(static_cast<std::uint32_t>(debut));
        ajouter_cle_lettres(cles, entree(i).champs);
        Rang r{};
        r.index = static_cast<std::uint32_t>(i);
        unsigned char octets[8 * mots] = {};
        std::copy_n(cles.data() + debut, std::min(sizeof octets, cles.size() - debut), octets);
        for (std::size_t k = 0; k < sizeof octets; ++k)
            r.debut_cle[k / 8] = (r.debut_cle[k / 8] << 8) | octets[k];
        rangs.push_back(r);
    }
    debuts.push_back(static_cast<std::uint32_t>(cles.size()));
    // A key shorter than the copied bytes is padded with 0, which sorts it
    // first, as a shorter text; no 0 is in a first-level key.
    const auto suite_cle = [&](std::uint32_t i) {
        const std::size_t debut = std::min<std::size_t>(debuts[i] + 8 * mots, debuts[i + 1]);
        return std::string_view(cles).substr(debut, debuts[i + 1] - debut);
    };
    std::string accents_a, accents_b;
    std::sort(rangs.begin(), rangs.end(), [&](const Rang& a, const Rang& b) {
        if (a.debut_cle != b.debut_cle)
            return a.debut_cle < b.debut_cle;
        if (const int c = suite_cle(a.index).compare(suite_cle(b.index)); c != 0)
            return c < 0;
        accents_a.clear();
        accents_b.clear();
        ajouter_cle_accents(accents_a, entree(a.index).champs);
        ajouter_cle_accents(accents_b, entree(b.index).champs);
        const int c = accents_a.compare(accents_b);
        return c != 0 ? c < 0 : a.index < b.index;
    });
    cles = {};
    debuts = {};

    std::vector<std::uint32_t> ordre;
    ordre.reserve(rangs.size());
    for (const Rang& r : rangs)
        ordre.push_back(r.index);
    return ordre;
}

} // namespace

std::vector<std::uint32_t> ordre_alphabetique(const std::vector<EntreeBrute>& entrees) {
    std::size_t taille_cles = 0;
    for (const EntreeBrute& e : entrees)
        taille_cles += taille_cle_lettres(e.champs);
    return ordonner([&](std::size_t i) -> const EntreeBrute& { return entrees[i]; }, entrees.size(),
                    taille_cles);
}

std::vector<std::uint32_t> ordre_alphabetique(std::string_view octets,
                                              const std::vector<std::uint32_t>& debuts,
                                              std::size_t taille_cles) {
    const char* const fin = octets.data() + octets.size();
    return ordonner(
        [&](std::size_t i) {
            const char* p = octets.data() + debuts[i];
            EntreeBrute e;
            entree_suivante(p, fin, e);
            return e;
        },
        debuts.size(), taille_cles);
}

} // namespace kalder
