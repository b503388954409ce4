#include "noyau/centrage.hpp"

#include "noyau/utf8.hpp"

namespace kalder {

namespace {

std::string centrer(std::string_view texte, long long largeur, std::string_view remplissage) {
    const auto longueur = static_cast<long long>(nombre_caracteres(texte));
    if (longueur >= largeur)
        return std::string(texte);
    const long long gauche = (largeur - longueur) / 2;
    const long long droite = largeur - longueur - gauche;
    std::string r;
    r.reserve(texte.size() + static_cast<std::size_t>(largeur - longueur) * remplissage.size());
    for (long long i = 0; i < gauche; ++i)
        r += remplissage;
    r += texte;
    for (long long i = 0; i < droite; ++i)
        r += remplissage;
    return r;
}

} // namespace

std::string centrer_souligne(std::string_view texte, long long largeur) {
    return centrer(texte, largeur, "_");
}

std::string centrer_surligne(std::string_view texte, long long largeur) {
    return centrer(texte, largeur, "\u00AF");
}

} // namespace kalder
