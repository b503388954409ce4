#include "noyau/date_chiffres.hpp"

namespace kalder {

namespace {

std::string sur_deux(std::string_view partie) {
    const bool chiffre = partie.size() == 1 && partie.front() >= '0' && partie.front() <= '9';
    return chiffre ? "0" + std::string(partie) : std::string(partie);
}

} // namespace

std::string date_chiffres(int jour, int mois, int annee) {
    return date_chiffres(std::to_string(jour), std::to_string(mois), std::to_string(annee));
}

std::string date_chiffres(std::string_view jour, std::string_view mois, std::string_view annee) {
    if (jour.empty() && mois.empty() && annee.empty())
        return {};
    return sur_deux(jour) + "/" + sur_deux(mois) + "/" + std::string(annee);
}

} // namespace kalder
