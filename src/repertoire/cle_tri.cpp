#include "repertoire/cle_tri.hpp"

#include <algorithm>
#include <array>
#include <span>

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

namespace {

// Writes the first-level key of the fields into `tampon`, a buffer kept from
// one entry to the next, and appends it to `cle`: each field is read once,
// and `cle`, reserved for all keys, only grows by what it keeps. Tells
// whether a letter has an accent.
bool ajouter_cle_lettres(std::string& cle, std::string& tampon,
                         const std::array<std::string_view, champs_par_entree>& champs) {
    std::size_t plus_longue = champs.size() - 1;
    for (auto champ : champs)
        plus_longue += 2 * champ.size();
    if (tampon.size() < plus_longue)
        tampon.resize(plus_longue);
    char* p = tampon.data();
    bool accents = false;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0)
            *p++ = coupure_champ;
        for (char c : champs[i]) {
            const auto& b = pli.base[static_cast<unsigned char>(c)];
            *p++ = b[0];
            if (b[1] != 0)
                *p++ = b[1];
            accents |= pli.accent[static_cast<unsigned char>(c)];
        }
    }
    cle.append(tampon.data(), static_cast<std::size_t>(p - tampon.data()));
    return accents;
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
    std::string tampon;
    ajouter_cle_lettres(cle, tampon, champs);
    cle += coupure_niveau;
    ajouter_cle_accents(cle, champs);
}

namespace {

// What the sort moves: bytes of the key copied as numbers, which settle
// most comparisons without leaving the array, the entry's index (its top bit
// telling that the entry has accents) and where its key starts. Twenty bytes
// an entry: what the list may take beside the file is counted.
constexpr std::size_t mots = 3;
constexpr std::size_t octets_copies = 4 * mots;
constexpr std::uint32_t bit_accents = 0x80000000u;
struct Rang {
    std::array<std::uint32_t, mots> morceau_cle;
    std::uint32_t index;
    std::uint32_t cle;
    std::uint32_t numero() const { return index & ~bit_accents; }
    // The copied bytes hold the key's end: equal ones are two whole equal keys.
    bool cle_finie() const { return (morceau_cle[mots - 1] & 0xFF) == 0; }
};

// Copies the bytes of a 0-ended key from `cle` on; past its end, 0s, which
// sort a shorter key first (no 0 is in a key).
void copier_morceau(Rang& r, const char* cle) {
    unsigned char octets[octets_copies] = {};
    for (std::size_t k = 0; k < sizeof octets && cle[k] != '\0'; ++k)
        octets[k] = static_cast<unsigned char>(cle[k]);
    r.morceau_cle = {};
    for (std::size_t k = 0; k < sizeof octets; ++k)
        r.morceau_cle[k / 4] = (r.morceau_cle[k / 4] << 8) | octets[k];
}

int comparer_morceaux(const Rang& a, const Rang& b) {
    // Word by word: the array's own operators call memcmp, far slower here.
    for (std::size_t k = 0; k < mots; ++k)
        if (a.morceau_cle[k] != b.morceau_cle[k])
            return a.morceau_cle[k] < b.morceau_cle[k] ? -1 : 1;
    return 0;
}

bool avant(const Rang& a, const Rang& b) {
    const int c = comparer_morceaux(a, b);
    return c != 0 ? c < 0 : a.numero() < b.numero();
}

unsigned octet_copie(const std::array<std::uint32_t, mots>& morceau, std::size_t k) {
    return (morceau[k / 4] >> (24 - 8 * (k % 4))) & 0xFFu;
}

// Sorts by the copied bytes, the first `k` of which are equal, then by
// index: while there are many, in place by their byte `k` into 256 groups
// each sorted on the next byte, which needs no comparison, nor memory.
void trier_copies(std::span<Rang> rangs, std::size_t k) {
    constexpr std::size_t peu = 64;
    if (rangs.size() <= peu) {
        std::sort(rangs.begin(), rangs.end(), avant);
        return;
    }
    std::array<std::size_t, 257> debut{};
    const auto compter = [&] {
        debut.fill(0);
        for (const Rang& r : rangs)
            ++debut[octet_copie(r.morceau_cle, k) + 1];
    };
    compter();
    if (debut[octet_copie(rangs[0].morceau_cle, k) + 1] == rangs.size()) {
        // One group: the bytes they all share are passed over at once, so
        // that a million copies of one person are not counted twelve times.
        std::array<std::uint32_t, mots> differents{};
        for (const Rang& r : rangs)
            for (std::size_t m = 0; m < mots; ++m)
                differents[m] |= r.morceau_cle[m] ^ rangs[0].morceau_cle[m];
        while (k < octets_copies && octet_copie(differents, k) == 0)
            ++k;
        if (k == octets_copies) {
            std::sort(rangs.begin(), rangs.end(), avant);
            return;
        }
        compter();
    }
    for (std::size_t o = 1; o < debut.size(); ++o)
        debut[o] += debut[o - 1];
    std::array<std::size_t, 256> place;
    std::copy_n(debut.begin(), place.size(), place.begin());
    // Each entry out of its group is carried along the cycle of the places
    // it takes, each written once.
    for (std::size_t o = 0; o < place.size(); ++o)
        while (place[o] < debut[o + 1]) {
            Rang porte = rangs[place[o]];
            for (unsigned vise = octet_copie(porte.morceau_cle, k); vise != o;
                 vise = octet_copie(porte.morceau_cle, k))
                std::swap(porte, rangs[place[vise]++]);
            rangs[place[o]++] = porte;
        }
    for (std::size_t o = 0; o < place.size(); ++o)
        if (debut[o + 1] - debut[o] > 1)
            trier_copies(rangs.subspan(debut[o], debut[o + 1] - debut[o]), k + 1);
}

// Sorts `rangs` by their 0-ended keys in `cles`, equal keys in the order of
// their indexes, and marks in `egale_precedente` each one whose key equals
// the previous one's. The copied bytes must be the keys' first ones. Runs of
// equal copied bytes are sorted again on the next bytes of their keys, so
// that each key is read a piece at a time and a comparison never leaves the
// array.
void trier_par_morceaux(std::span<Rang> rangs, const std::string& cles,
                        std::vector<bool>& egale_precedente) {
    // At most one run for two entries, kept small: a file of long equal
    // beginnings makes half a million of them.
    struct Suite {
        std::uint32_t debut, fin;
    };
    std::vector<Suite> a_trier{{0, static_cast<std::uint32_t>(rangs.size())}};
    std::vector<Suite> suivantes;
    for (std::size_t profondeur = 0; !a_trier.empty(); profondeur += octets_copies) {
        suivantes.clear();
        for (const Suite s : a_trier) {
            const auto suite = rangs.subspan(s.debut, s.fin - s.debut);
            if (profondeur > 0)
                for (Rang& r : suite)
                    copier_morceau(r, cles.data() + r.cle + profondeur);
            trier_copies(suite, 0);
            for (std::size_t i = 0; i < suite.size();) {
                std::size_t j = i + 1;
                while (j < suite.size() && comparer_morceaux(suite[i], suite[j]) == 0)
                    ++j;
                if (j - i > 1 && !suite[i].cle_finie())
                    suivantes.push_back({static_cast<std::uint32_t>(s.debut + i),
                                         static_cast<std::uint32_t>(s.debut + j)});
                else
                    for (std::size_t k = i + 1; k < j; ++k)
                        egale_precedente[s.debut + k] = true;
                i = j;
            }
        }
        a_trier.swap(suivantes);
    }
}

// Sorted by their first level (letters without accents and case); then,
// among entries whose first levels are equal and where one has accents, by
// their accents, each key built once for the run. This is comparing the
// whole key of construire_cle_tri, whose level break sorts below everything;
// equal keys keep the order of the file.
template <typename Relire>
void trier(std::vector<Rang>& rangs, std::string& cles, Relire&& entree) {
    const std::size_t nombre = rangs.size();
    // Where a run of equal first levels goes on; the first-level keys then go.
    std::vector<bool> suite(nombre, false);
    trier_par_morceaux(rangs, cles, suite);
    std::string().swap(cles); // freed: assigning an empty text keeps the capacity

    std::string accents;
    std::vector<bool> egaux;
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
            const auto egales = std::span(rangs).subspan(debut, fin - debut);
            for (Rang& r : egales)
                copier_morceau(r, accents.data() + r.cle);
            egaux.assign(egales.size(), false);
            trier_par_morceaux(egales, accents, egaux);
        }
        debut = fin;
    }
}

} // namespace

std::vector<std::uint32_t> classer_entrees(std::string_view octets, std::size_t& octets_champs) {
    const std::size_t lignes = compter_octets(octets).sauts + 1;
    std::vector<std::uint32_t> debuts;
    debuts.reserve(lignes);
    std::vector<Rang> rangs;
    rangs.reserve(lignes);
    // A key is no longer than its line but for "œ", "æ", "ß" doubled, plus
    // its breaks: what is reserved and never touched costs no memory.
    std::string cles;
    cles.reserve(octets.size() + (champs_par_entree + 1) * lignes);
    std::string tampon;
    const char* p = octets.data();
    const char* const fin = p + octets.size();
    for (EntreeBrute e;;) {
        const char* const debut = p;
        if (!entree_suivante(p, fin, e))
            break;
        Rang r{};
        r.cle = static_cast<std::uint32_t>(cles.size());
        const bool accents = ajouter_cle_lettres(cles, tampon, e.champs);
        r.index = static_cast<std::uint32_t>(debuts.size()) | (accents ? bit_accents : 0);
        debuts.push_back(static_cast<std::uint32_t>(debut - octets.data()));
        cles += '\0';
        copier_morceau(r, cles.data() + r.cle);
        rangs.push_back(r);
        for (auto champ : e.champs)
            octets_champs += champ.size();
    }
    trier(rangs, cles, [&](std::size_t i) {
        const char* q = octets.data() + debuts[i];
        EntreeBrute e;
        entree_suivante(q, fin, e);
        return e;
    });
    // In place: no third array of an entry each while the sort's is there.
    for (std::size_t k = 0; k < rangs.size(); ++k)
        debuts[k] = rangs[k].numero();
    return debuts;
}

} // namespace kalder
