#include "noyau/nombre_saisi.hpp"

#include <charconv>
#include <cmath>
#include <string>

namespace kalder {

namespace {

bool blanc(char c) {
    return c == ' ' || c == '\t';
}
bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string_view rogner(std::string_view t) {
    std::size_t debut = 0;
    std::size_t fin = t.size();
    while (debut < fin && blanc(t[debut]))
        ++debut;
    while (fin > debut && blanc(t[fin - 1]))
        --fin;
    return t.substr(debut, fin - debut);
}

bool present(std::string_view texte) {
    const std::string_view t = rogner(texte);
    return !t.empty() && t != "0";
}

std::optional<double> lire_nombre_saisi(std::string_view brut) {
    const std::string_view t = rogner(brut);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    const std::size_t debut_chiffres = i;
    while (i < t.size() && chiffre(t[i]))
        ++i;
    if (i == debut_chiffres)
        return std::nullopt;
    if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
        const std::size_t virgule = ++i;
        while (i < t.size() && chiffre(t[i]))
            ++i;
        if (i == virgule)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    std::string normalise(t.substr(t[0] == '+' ? 1 : 0));
    for (char& c : normalise)
        if (c == ',')
            c = '.';
    // from_chars, unlike strtod, ignores the locale the window sets up.
    double valeur = 0;
    const auto [fin, erreur] =
        std::from_chars(normalise.data(), normalise.data() + normalise.size(), valeur);
    if (erreur == std::errc::result_out_of_range)
        return normalise[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    if (erreur != std::errc() || fin != normalise.data() + normalise.size())
        return std::nullopt;
    return valeur;
}

Nombre arrondir_pair(double v) {
    constexpr double limite = 9.0e15;
    if (!(v > -limite))
        return static_cast<Nombre>(-limite);
    if (v > limite)
        return static_cast<Nombre>(limite);
    return static_cast<Nombre>(std::nearbyint(v));
}

} // namespace kalder
