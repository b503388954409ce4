#include "repertoire/cle_tri.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

namespace kalder {

namespace {

struct Pli {
    // Each byte to its lower-case form, and to its base letters (up to two).
    std::array<unsigned char, 256> minuscule{};
    std::array<std::array<char, 2>, 256> base{};
    // The byte is a different letter without its accent: its entry has an accent level.
    std::array<bool, 256> accent{};
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
    for (const Lettre& l : lettres) {
        p.base[l.octet] = {l.base[0], l.base[1]};
        p.accent[l.octet] = true;
    }
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

bool a_des_accents(const std::array<std::string_view, champs_par_entree>& champs) {
    for (auto champ : champs)
        for (char c : champ)
            if (pli.accent[static_cast<unsigned char>(c)])
                return true;
    return false;
}

// What the sort moves: the first bytes of the key copied as numbers, which
// settle most comparisons without leaving the array, the entry's index (its
// top bit telling that the entry has accents) and where its key starts.
// Twenty bytes an entry: what the list may take beside the file is counted.
constexpr std::size_t mots = 3;
constexpr std::uint32_t bit_accents = 0x80000000u;
struct Rang {
    std::array<std::uint32_t, mots> debut_cle;
    std::uint32_t index;
    std::uint32_t cle;
    std::uint32_t numero() const { return index & ~bit_accents; }
};

void copier_debut(Rang& r, const char* cle) {
    // A key shorter than the copied bytes is padded with 0, which sorts it
    // first, as a shorter text; no 0 is in a key.
    unsigned char octets[4 * mots] = {};
    for (std::size_t k = 0; k < sizeof octets && cle[k] != '\0'; ++k)
        octets[k] = static_cast<unsigned char>(cle[k]);
    r.debut_cle = {};
    for (std::size_t k = 0; k < sizeof octets; ++k)
        r.debut_cle[k / 4] = (r.debut_cle[k / 4] << 8) | octets[k];
}

// Keys ended by a 0, in `cles`: equal first bytes, then the rest compared.
int comparer(const Rang& a, const Rang& b, const std::string& cles) {
    // Word by word: the array's own operators call memcmp, far slower here.
    for (std::size_t k = 0; k < mots; ++k)
        if (a.debut_cle[k] != b.debut_cle[k])
            return a.debut_cle[k] < b.debut_cle[k] ? -1 : 1;
    // Equal copied bytes ending in a 0 are two whole equal keys.
    if ((a.debut_cle[mots - 1] & 0xFF) == 0)
        return 0;
    return std::strcmp(cles.data() + a.cle + 4 * mots, cles.data() + b.cle + 4 * mots);
}

// Sorted by their first level (letters without accents and case), each key
// built once in one buffer; then, among entries whose first levels are equal
// and where one has accents, by their accents, again each key built once.
// This is comparing the whole key of construire_cle_tri, whose level break
// sorts below everything; equal keys keep the order of the file.
template <typename Relire>
void trier(std::vector<Rang>& rangs, std::string& cles, Relire&& entree) {
    const std::size_t nombre = rangs.size();
    std::sort(rangs.begin(), rangs.end(), [&](const Rang& a, const Rang& b) {
        const int c = comparer(a, b, cles);
        return c != 0 ? c < 0 : a.numero() < b.numero();
    });
    // Where a run of equal first levels starts; the first-level keys then go.
    std::vector<bool> suite(nombre, false);
    for (std::size_t i = 1; i < nombre; ++i)
        suite[i] = comparer(rangs[i - 1], rangs[i], cles) == 0;
    std::string().swap(cles); // freed: assigning an empty text keeps the capacity

    std::string accents;
    for (std::size_t debut = 0; debut < nombre;) {
        std::size_t fin = debut + 1;
        bool accentue = (rangs[debut].index & bit_accents) != 0;
        for (; fin < nombre && suite[fin]; ++fin)
            accentue = accentue || (rangs[fin].index & bit_accents) != 0;
        if (accentue && fin - debut > 1) {
            accents.clear();
            for (std::size_t i = debut; i < fin; ++i) {
                rangs[i].cle = static_cast<std::uint32_t>(accents.size());
                ajouter_cle_accents(accents, entree(rangs[i].numero()).champs);
                accents += '\0';
            }
            // Already in the order of the file: stable keeps it for equal keys.
            std::stable_sort(rangs.begin() + static_cast<std::ptrdiff_t>(debut),
                             rangs.begin() + static_cast<std::ptrdiff_t>(fin),
                             [&](const Rang& a, const Rang& b) {
                                 return std::strcmp(accents.data() + a.cle,
                                                    accents.data() + b.cle) < 0;
                             });
        }
        debut = fin;
    }
}

} // namespace

void classer_entrees(std::string_view octets, std::vector<std::uint32_t>& debuts,
                     const std::function<void(const EntreeBrute&)>& vue) {
    const std::size_t lignes =
        static_cast<std::size_t>(std::count(octets.begin(), octets.end(), '\n')) + 1;
    debuts.clear();
    debuts.reserve(lignes);
    std::vector<Rang> rangs;
    rangs.reserve(lignes);
    // A key is no longer than its line but for "œ", "æ", "ß" doubled, plus
    // its breaks: what is reserved and never touched costs no memory.
    std::string cles;
    cles.reserve(octets.size() + (champs_par_entree + 1) * lignes);
    const char* p = octets.data();
    const char* const fin = p + octets.size();
    for (EntreeBrute e;;) {
        const char* const debut = p;
        if (!entree_suivante(p, fin, e))
            break;
        Rang r{};
        r.cle = static_cast<std::uint32_t>(cles.size());
        r.index =
            static_cast<std::uint32_t>(debuts.size()) | (a_des_accents(e.champs) ? bit_accents : 0);
        debuts.push_back(static_cast<std::uint32_t>(debut - octets.data()));
        ajouter_cle_lettres(cles, e.champs);
        cles += '\0';
        copier_debut(r, cles.data() + r.cle);
        rangs.push_back(r);
        vue(e);
    }
    trier(rangs, cles, [&](std::size_t i) {
        const char* q = octets.data() + debuts[i];
        EntreeBrute e;
        entree_suivante(q, fin, e);
        return e;
    });
    // In place: no third array of an entry each while the sort's is there.
    for (Rang& r : rangs)
        r.cle = debuts[r.numero()];
    for (std::size_t k = 0; k < rangs.size(); ++k)
        debuts[k] = rangs[k].cle;
}

} // namespace kalder
