#include "repertoire/ajouter_personnes.hpp"

#include "repertoire/cp1252.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/mise_a_jour.hpp"
#include "repertoire/verrou.hpp"

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace kalder {

namespace {

using Champs = std::array<std::string, champs_par_entree>;

std::optional<Champs> en_cp1252(const Personne& p) {
    Champs octets;
    const std::array<const std::string*, champs_par_entree> textes = {&p.nom, &p.prenoms, &p.jour,
                                                                      &p.mois, &p.annee};
    for (std::size_t i = 0; i < textes.size(); ++i) {
        auto o = utf8_vers_cp1252(*textes[i]);
        if (!o || o->find_first_of("\"\r\n") != std::string::npos)
            return std::nullopt;
        octets[i] = std::move(*o);
    }
    return octets;
}

} // namespace

IssueAjout ajouter_personnes(const std::filesystem::path& dossier,
                             std::span<const Personne> personnes) {
    IssueAjout r;
    std::vector<Champs> venues;
    for (const Personne& p : personnes) {
        if (auto c = en_cp1252(p))
            venues.push_back(std::move(*c));
        else
            ++r.ecartees;
    }
    if (venues.empty())
        return r;
    const IssueMiseAJour issue = mettre_a_jour(
        dossier, attente_verrou, [&](const ContenuRepertoire& c, std::string& nouveau) {
            r.ajoutees = 0;
            std::set<Champs> presentes;
            nouveau.reserve(c.octets.size());
            pour_chaque_entree(c.octets, [&](const EntreeBrute& e) {
                Champs champs;
                std::copy(e.champs.begin(), e.champs.end(), champs.begin());
                presentes.insert(std::move(champs));
                ajouter_entree_lue(nouveau, e);
            });
            for (const Champs& v : venues) {
                if (!presentes.insert(v).second)
                    continue;
                ajouter_entree(nouveau, {v[0], v[1], v[2], v[3], v[4]});
                ++r.ajoutees;
            }
            return r.ajoutees ? Decision::ecrire : Decision::rien;
        });
    if (issue.echec) {
        r.ajoutees = 0;
        r.echec = issue.echec;
    }
    return r;
}

} // namespace kalder
