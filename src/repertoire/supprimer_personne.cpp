#include "repertoire/supprimer_personne.hpp"

#include "repertoire/cp1252.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/mise_a_jour.hpp"

#include <array>
#include <new>
#include <optional>

namespace kalder {

namespace fs = std::filesystem;

namespace {

Issue erreur(Message message) {
    Issue issue;
    issue.message = std::move(message);
    return issue;
}

// The entry's fields as the file holds them; nothing when the code page cannot.
std::optional<std::array<std::string, champs_par_entree>> en_cp1252(const Personne& p) {
    std::array<std::string, champs_par_entree> octets;
    const std::array<const std::string*, champs_par_entree> textes = {&p.nom, &p.prenoms, &p.jour,
                                                                      &p.mois, &p.annee};
    for (std::size_t i = 0; i < textes.size(); ++i) {
        auto o = utf8_vers_cp1252(*textes[i]);
        if (!o)
            return std::nullopt;
        octets[i] = std::move(*o);
    }
    return octets;
}

Issue supprimer(const fs::path& dossier, const Personne& personne,
                std::chrono::milliseconds attente) {
    const auto cherchee = en_cp1252(personne);
    if (!cherchee)
        return erreur(message_absente(personne));
    const IssueMiseAJour issue =
        mettre_a_jour(dossier, attente, [&](const ContenuRepertoire& c, std::string& nouveau) {
            bool retiree = false;
            nouveau.reserve(c.octets.size());
            pour_chaque_entree(c.octets, [&](const EntreeBrute& e) {
                if (!retiree && std::equal(e.champs.begin(), e.champs.end(), cherchee->begin())) {
                    retiree = true;
                    return;
                }
                ajouter_entree_lue(nouveau, e);
            });
            return retiree ? Decision::ecrire : Decision::rien;
        });
    if (issue.echec)
        return erreur(message_echec_suppression(*issue.echec));
    if (issue.decision != Decision::ecrire)
        return erreur(message_absente(personne));
    return {};
}

} // namespace

Issue supprimer_personne(const fs::path& dossier, const Personne& personne,
                         std::chrono::milliseconds attente) {
    constexpr std::string_view debut = "La personne n'a pas pu être retirée du répertoire";
    try {
        return supprimer(dossier, personne, attente);
    } catch (const std::bad_alloc&) {
        return erreur(message_erreur_exception(debut, true, true));
    } catch (...) {
        return erreur(message_erreur_exception(debut, false, true));
    }
}

} // namespace kalder
