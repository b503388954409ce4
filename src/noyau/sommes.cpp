#include "noyau/sommes.hpp"

#include "noyau/lettres.hpp"
#include "noyau/utf8.hpp"

namespace kalder {

bool est_voyelle_des_sommes(char32_t c) {
    switch (c) {
    case U'A':
    case U'E':
    case U'I':
    case U'O':
    case U'U':
    case U'Y':
    case U'a':
    case U'e':
    case U'i':
    case U'o':
    case U'u':
    case U'y':
        return true;
    default:
        return false;
    }
}

bool dans_la_classe(Classe classe, char32_t c) {
    switch (classe) {
    case Classe::lettres:
        return true;
    case Classe::voyelles:
        return est_voyelle_des_sommes(c);
    case Classe::consonnes:
        return !est_voyelle_des_sommes(c);
    }
    return false;
}

std::vector<LettreComptee> lettres_comptees(std::u32string_view t, Classe classe) {
    std::vector<LettreComptee> l;
    for (char32_t c : t)
        if (dans_la_classe(classe, c))
            l.push_back({c, plier(c), valeur_caractere(c)});
    return l;
}

namespace {

// The class is fixed per call site, so its test folds away in the loop.
template <Classe classe> Nombre sommer(std::u32string_view t) {
    Nombre s = 0;
    for (char32_t c : t)
        if (dans_la_classe(classe, c))
            s += valeur_caractere(c);
    return s;
}

} // namespace

Nombre somme_lettres(std::u32string_view t) {
    return sommer<Classe::lettres>(t);
}
Nombre somme_voyelles(std::u32string_view t) {
    return sommer<Classe::voyelles>(t);
}
Nombre somme_consonnes(std::u32string_view t) {
    return sommer<Classe::consonnes>(t);
}
Nombre somme_lettres(std::string_view t) {
    return somme_lettres(decoder_utf8(t));
}
Nombre somme_voyelles(std::string_view t) {
    return somme_voyelles(decoder_utf8(t));
}
Nombre somme_consonnes(std::string_view t) {
    return somme_consonnes(decoder_utf8(t));
}

Nombre lire_debut_nombre(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    bool negatif = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        negatif = t[i] == '-';
        ++i;
    }
    constexpr Nombre plafond = Nombre{1} << 53;
    Nombre n = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
        if (n < plafond)
            n = n * 10 + (t[i] - '0');
    return negatif ? -n : n;
}

Nombre avant_barre(std::string_view t) {
    const auto barre = t.find('/');
    return lire_debut_nombre(barre == std::string_view::npos ? t : t.substr(0, barre));
}

Nombre apres_barre(std::string_view t) {
    const auto barre = t.find('/');
    return lire_debut_nombre(barre == std::string_view::npos ? t : t.substr(barre + 1));
}

} // namespace kalder
