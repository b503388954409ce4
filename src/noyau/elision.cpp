#include "noyau/elision.hpp"

#include "noyau/lettres.hpp"
#include "noyau/utf8.hpp"

namespace kalder {

namespace {

// Œ and Æ fold to no letter of A..Z but are read as vowels.
bool commence_par_voyelle(std::u32string_view texte) {
    if (texte.empty())
        return false;
    const char32_t c = texte.front();
    return est_voyelle_pliee(plier(c)) || c == U'Œ' || c == U'œ' || c == U'Æ' || c == U'æ';
}

// A vowel, or an h (taken as mute) before a vowel.
bool appelle_elision(std::string_view suite) {
    const std::u32string lettres = decoder_utf8(suite.substr(0, 8));
    if (commence_par_voyelle(lettres))
        return true;
    return !lettres.empty() && plier(lettres.front()) == U'H' &&
           commence_par_voyelle(std::u32string_view(lettres).substr(1));
}

} // namespace

std::string elider(std::string_view mot, std::string_view suite) {
    std::string resultat;
    if (appelle_elision(suite) && !mot.empty() && (mot.back() == 'e' || mot.back() == 'E')) {
        resultat.append(mot.substr(0, mot.size() - 1)).append("'");
    } else {
        resultat.append(mot).append(" ");
    }
    return resultat.append(suite);
}

std::string de_article(std::string_view groupe) {
    if (groupe.starts_with("le "))
        return "du " + std::string(groupe.substr(3));
    if (groupe.starts_with("les "))
        return "des " + std::string(groupe.substr(4));
    return de(groupe);
}

} // namespace kalder
