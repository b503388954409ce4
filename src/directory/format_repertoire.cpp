#include "directory/format_repertoire.hpp"

#include "core/saisie.hpp"
#include "directory/cp1252.hpp"

namespace kalder {

namespace {

bool blanc(char c) {
    return c == ' ' || c == '\t';
}

bool que_des_blancs(std::string_view t) {
    for (char c : t)
        if (!blanc(c))
            return false;
    return true;
}

EntreeBrute decouper_entree(std::string_view ligne) {
    EntreeBrute entree;
    entree.ligne = ligne;
    const std::size_t n = ligne.size();
    std::size_t pos = 0;
    std::size_t nombre = 0;
    for (;;) {
        while (pos < n && blanc(ligne[pos]))
            ++pos;
        std::string_view champ;
        if (pos < n && ligne[pos] == '"') {
            const std::size_t fermeture = ligne.find('"', pos + 1);
            if (fermeture == std::string_view::npos) {
                // An unclosed quote runs to the end of the line, never past it.
                champ = ligne.substr(pos + 1);
                pos = n;
            } else {
                champ = ligne.substr(pos + 1, fermeture - pos - 1);
                const std::size_t virgule = ligne.find(',', fermeture + 1);
                const std::size_t fin = virgule == std::string_view::npos ? n : virgule;
                if (!que_des_blancs(ligne.substr(fermeture + 1, fin - fermeture - 1)))
                    entree.reecrivible = false;
                pos = fin;
            }
        } else {
            const std::size_t virgule = ligne.find(',', pos);
            const std::size_t fin = virgule == std::string_view::npos ? n : virgule;
            champ = rogner(ligne.substr(pos, fin - pos));
            if (champ.find('"') != std::string_view::npos)
                entree.reecrivible = false;
            pos = fin;
        }
        if (nombre < champs_par_entree)
            entree.champs[nombre] = champ;
        else
            entree.reecrivible = false;
        ++nombre;
        if (pos >= n)
            break;
        ++pos; // the comma; one at the very end still opens an empty field
    }
    return entree;
}

} // namespace

std::vector<EntreeBrute> decouper_repertoire(std::string_view octets) {
    std::vector<EntreeBrute> entrees;
    entrees.reserve(octets.size() / 32 + 1);
    std::size_t debut = 0;
    while (debut < octets.size()) {
        const std::size_t fin = octets.find_first_of("\r\n", debut);
        const std::size_t fin_ligne = fin == std::string_view::npos ? octets.size() : fin;
        const std::string_view ligne = octets.substr(debut, fin_ligne - debut);
        if (!que_des_blancs(ligne))
            entrees.push_back(decouper_entree(ligne));
        debut = fin_ligne;
        if (debut < octets.size()) {
            const bool crlf =
                octets[debut] == '\r' && debut + 1 < octets.size() && octets[debut + 1] == '\n';
            debut += crlf ? 2 : 1;
        }
    }
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
