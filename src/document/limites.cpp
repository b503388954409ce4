// What no consultation needs, refused before anything is typeset.

#include "document/dossier.hpp"

#include "noyau/utf8.hpp"

namespace kalder::document {

namespace {

std::string debut_de(std::string_view texte) {
    constexpr std::size_t montres = 24;
    const std::u32string lettres = decoder_utf8(texte);
    if (lettres.size() <= montres)
        return std::string(texte);
    return encoder_utf8(std::u32string_view(lettres).substr(0, montres)) + "…";
}

// "<avant> « Abcdef… »<apres> dépasse 100 caractères, …".
std::optional<std::string> trop_long(std::string_view texte, std::size_t maximum,
                                     std::string_view avant, std::string_view apres = {}) {
    if (nombre_caracteres(texte) <= maximum)
        return std::nullopt;
    return std::string(avant) + "«\u00a0" + debut_de(texte) + "\u00a0»" + std::string(apres) +
           " dépasse " + std::to_string(maximum) +
           " caractères, la longueur la plus grande qu'un dossier accepte";
}

} // namespace

std::optional<std::string> refus_dossier(const NomVariante& personne,
                                         std::span<const NomVariante> variantes,
                                         std::string_view prepare_par, std::string_view message) {
    if (variantes.size() > variantes_maximum)
        return "un dossier compare au plus " + std::to_string(variantes_maximum) +
               " variantes du nom (" + std::to_string(variantes.size()) + " données)";
    for (std::size_t i = 0; i <= variantes.size(); ++i) {
        const NomVariante& n = i == 0 ? personne : variantes[i - 1];
        if (auto refus = trop_long(n.prenom, longueur_maximale_nom, "le prénom "))
            return refus;
        if (auto refus = trop_long(n.nom, longueur_maximale_nom, "le nom "))
            return refus;
    }
    if (auto refus = trop_long(prepare_par, static_cast<std::size_t>(longueur_maximale_prepare_par),
                               "le texte ", " de «\u00a0Préparé par\u00a0»"))
        return refus;
    return trop_long(message, static_cast<std::size_t>(longueur_maximale_message),
                     "le message personnel ", "");
}

} // namespace kalder::document
