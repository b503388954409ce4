#include "repertoire/format_repertoire.hpp"

#include "repertoire/cp1252.hpp"

namespace kalder {

namespace {

bool blanc(char c) {
    return c == ' ' || c == '\t';
}

bool fin_de_ligne(char c) {
    return c == '\r' || c == '\n';
}

// Reads one entry from `p` up to its line end, which is left unread.
// Sets `blanche` for a line of blanks only.
void decouper_entree(const char*& curseur, const char* fin, EntreeBrute& entree, bool& blanche) {
    // Read through a copy: any byte written might be the cursor itself, which
    // would be stored again at every byte read.
    const char* p = curseur;
    entree = EntreeBrute{};
    const char* const debut_ligne = p;
    std::size_t nombre = 0;
    bool entre_guillemets = false;
    for (;;) {
        while (p < fin && blanc(*p))
            ++p;
        const char* debut_champ;
        const char* fin_champ;
        entre_guillemets = p < fin && *p == '"';
        if (entre_guillemets) {
            debut_champ = ++p;
            // An unclosed quote runs to the end of the line, never past it.
            while (p < fin && *p != '"' && !fin_de_ligne(*p))
                ++p;
            fin_champ = p;
            if (p < fin && *p == '"') {
                for (++p; p < fin && *p != ',' && !fin_de_ligne(*p); ++p)
                    if (!blanc(*p))
                        entree.reecrivible = false;
            }
        } else {
            debut_champ = p;
            for (; p < fin && *p != ',' && !fin_de_ligne(*p); ++p)
                if (*p == '"')
                    entree.reecrivible = false;
            fin_champ = p;
            while (fin_champ > debut_champ && blanc(fin_champ[-1]))
                --fin_champ;
        }
        if (nombre < champs_par_entree)
            entree.champs[nombre] =
                std::string_view(debut_champ, static_cast<std::size_t>(fin_champ - debut_champ));
        else
            entree.reecrivible = false;
        ++nombre;
        if (p < fin && *p == ',') {
            ++p; // one at the very end still opens an empty field
            continue;
        }
        break;
    }
    entree.ligne = std::string_view(debut_ligne, static_cast<std::size_t>(p - debut_ligne));
    blanche = nombre == 1 && !entre_guillemets && entree.champs[0].empty();
    curseur = p;
}

} // namespace

bool entree_suivante(const char*& p, const char* fin, EntreeBrute& entree) {
    while (p < fin) {
        bool blanche = false;
        decouper_entree(p, fin, entree, blanche);
        // `p` is on a line end, or at the end of the bytes.
        if (p < fin)
            p += *p == '\r' && p + 1 < fin && p[1] == '\n' ? 2 : 1;
        if (!blanche)
            return true;
    }
    return false;
}

CompteOctets compter_octets(std::string_view octets) {
    CompteOctets compte;
    // Counted a block at a time in bytes that cannot overflow, which the
    // compiler turns into wide instructions: a large file is read in a few
    // milliseconds.
    constexpr std::size_t bloc = 255;
    for (std::size_t debut = 0; debut < octets.size(); debut += bloc) {
        const std::string_view b = octets.substr(debut, bloc);
        unsigned char hauts = 0;
        unsigned char retours = 0;
        unsigned char sauts = 0;
        for (const char c : b) {
            const auto o = static_cast<unsigned char>(c);
            hauts += o >> 7;
            retours += o == '\r';
            sauts += o == '\n';
        }
        compte.hauts += hauts;
        compte.retours += retours;
        compte.sauts += sauts;
    }
    return compte;
}

std::vector<EntreeBrute> decouper_repertoire(std::string_view octets) {
    std::vector<EntreeBrute> entrees;
    entrees.reserve(octets.size() / 40 + 1);
    const char* p = octets.data();
    const char* const fin = p + octets.size();
    EntreeBrute entree;
    while (entree_suivante(p, fin, entree))
        entrees.push_back(entree);
    return entrees;
}

void ajouter_entree(std::string& sortie,
                    const std::array<std::string_view, champs_par_entree>& champs) {
    for (std::size_t i = 0; i < champs.size(); ++i) {
        sortie += i == 0 ? "\"" : "\",\"";
        sortie += champs[i];
    }
    sortie += "\"\r\n";
}

void ajouter_entree_lue(std::string& sortie, const EntreeBrute& entree) {
    if (entree.reecrivible) {
        ajouter_entree(sortie, entree.champs);
    } else {
        sortie += entree.ligne;
        sortie += "\r\n";
    }
}

Personne personne_utf8(const EntreeBrute& e) {
    return Personne{cp1252_vers_utf8(e.champs[0]), cp1252_vers_utf8(e.champs[1]),
                    cp1252_vers_utf8(e.champs[2]), cp1252_vers_utf8(e.champs[3]),
                    cp1252_vers_utf8(e.champs[4])};
}

std::vector<Personne> lire_repertoire(std::string_view octets) {
    std::vector<Personne> personnes;
    const auto entrees = decouper_repertoire(octets);
    personnes.reserve(entrees.size());
    for (const auto& e : entrees)
        personnes.push_back(personne_utf8(e));
    return personnes;
}

} // namespace kalder
