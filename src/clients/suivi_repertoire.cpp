#include "clients/suivi_repertoire.hpp"

#include "clients/base_clients.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/liste_personnes.hpp"

#include <algorithm>

namespace kalder {

namespace {

Personne personne_de(const LigneFenetre& l) {
    return {l.textes[0], l.textes[1], l.textes[2], l.textes[3], l.textes[4]};
}

} // namespace

std::vector<Personne> entrees_avant_sauvegarde(const std::filesystem::path& dossier,
                                               const EtatFenetre& etat) {
    std::vector<Personne> r;
    const auto tous = personnes_du_repertoire(dossier);
    for (const LigneId id : {LigneId::vous, LigneId::partenaire}) {
        const LigneFenetre ligne = lire_ligne(etat, id);
        if (!ligne.prend_part())
            continue;
        for (const Personne& p : tous)
            if (p.nom == ligne.nom() && p.prenoms == ligne.prenoms())
                r.push_back(p);
    }
    return r;
}

std::optional<std::string> suivre_sauvegarde(const std::filesystem::path& dossier,
                                             const EtatFenetre& etat,
                                             const std::vector<Personne>& avant) {
    if (avant.empty() || !std::filesystem::exists(fichier_clients(dossier)))
        return std::nullopt;
    const auto apres = personnes_du_repertoire(dossier);
    const auto present = [&](const Personne& p) {
        return std::find(apres.begin(), apres.end(), p) != apres.end();
    };
    BaseClients base(dossier);
    if (!base.disponible())
        return std::nullopt;
    for (const LigneId id : {LigneId::vous, LigneId::partenaire}) {
        const LigneFenetre ligne = lire_ligne(etat, id);
        const Personne nouvelle = personne_de(ligne);
        if (!ligne.prend_part() || !present(nouvelle))
            continue;
        for (const Personne& ancienne : avant)
            if (ancienne.nom == nouvelle.nom && ancienne.prenoms == nouvelle.prenoms &&
                !(ancienne == nouvelle) && !present(ancienne))
                if (auto refus = base.suivre_modification(ancienne, nouvelle))
                    return refus;
    }
    return std::nullopt;
}

} // namespace kalder
