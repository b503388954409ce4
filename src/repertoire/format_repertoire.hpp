#pragma once
// The directory file at the level of its bytes (Windows-1252, CR LF):
//   "Dupont","Anne-Marie","15","7","1975"
// One entry per line. A line end (CR LF, LF or a lone CR) always ends the
// entry: a short line is padded with empty fields, blank lines are skipped,
// fields past the fifth are not part of the entry but are kept when the line
// is written back (see `reecrivible`).

#include "repertoire/personne.hpp"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

inline constexpr std::size_t champs_par_entree = 5;

struct EntreeBrute {
    // Windows-1252 bytes, views into the text that was cut.
    std::array<std::string_view, champs_par_entree> champs;
    // The whole line, without its line end.
    std::string_view ligne;
    // False when writing the five fields back quoted would lose something:
    // a sixth field, a double quote inside a field, text after a closing quote.
    bool reecrivible = true;
};

std::vector<EntreeBrute> decouper_repertoire(std::string_view octets);

// The bytes past 0x7F, the CRs and the LFs of a file, which size what is
// made from it before it is read entry by entry.
struct CompteOctets {
    std::size_t hauts = 0;
    std::size_t retours = 0;
    std::size_t sauts = 0;
};
CompteOctets compter_octets(std::string_view octets);

// One entry at a time, for a pass that keeps none: reads the entry at `p`
// (blank lines skipped) and moves `p` past its line end; false at the end.
bool entree_suivante(const char*& p, const char* fin, EntreeBrute& entree);

// Calls `f` on every entry of `octets`, in order.
template <typename F> void pour_chaque_entree(std::string_view octets, F&& f) {
    const char* p = octets.data();
    const char* const fin = p + octets.size();
    EntreeBrute entree;
    while (entree_suivante(p, fin, entree))
        f(entree);
}

// Appends the line of an entry, every field quoted, ended by CR LF. The fields
// must hold no double quote and no line end.
void ajouter_entree(std::string& sortie,
                    const std::array<std::string_view, champs_par_entree>& champs);
// Appends an entry as it was read: re-quoted when that is faithful, else its line as is.
void ajouter_entree_lue(std::string& sortie, const EntreeBrute& entree);

// Whole file to entries in UTF-8.
std::vector<Personne> lire_repertoire(std::string_view octets);
Personne personne_utf8(const EntreeBrute& entree);

} // namespace kalder
