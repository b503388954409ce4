#include "noyau/lettres_nom.hpp"

#include "noyau/lettres.hpp"
#include "noyau/mots_nom.hpp"

namespace kalder {

namespace {

template <typename Classe>
std::optional<Extremes> extremes(std::u32string_view complet, Classe classe) {
    std::optional<Extremes> e;
    for (char32_t c : complet) {
        const char32_t p = plier(c);
        if (!classe(p))
            continue;
        if (!e)
            e = Extremes{p, p, c, c};
        e->dernier = p;
        e->dernier_ecrit = c;
    }
    return e;
}

} // namespace

LettresPierres lire_pierres(std::u32string_view prenom) {
    LettresPierres p;
    for (char32_t c : prenom) {
        if (est_separateur(c))
            continue;
        if (!p.trouvees)
            p.premiere = c;
        p.trouvees = true;
        p.derniere = c;
        p.somme += valeur_caractere(c);
    }
    return p;
}

std::u32string initiales(std::u32string_view texte) {
    std::u32string r;
    bool debut_mot = true;
    for (char32_t c : texte) {
        if (est_separateur(c)) {
            debut_mot = true;
        } else if (debut_mot) {
            r.push_back(c);
            debut_mot = false;
        }
    }
    return r;
}

std::optional<Extremes> extremes_voyelles(std::u32string_view complet) {
    return extremes(complet, est_voyelle_pliee);
}

std::optional<Extremes> extremes_non_voyelles(std::u32string_view complet) {
    return extremes(complet, [](char32_t p) { return !est_voyelle_pliee(p); });
}

std::u32string lettres_pliees(std::u32string_view texte) {
    std::u32string r;
    for (char32_t c : texte) {
        const char32_t p = plier(c);
        if (p >= U'A' && p <= U'Z')
            r.push_back(p);
    }
    return r;
}

} // namespace kalder
