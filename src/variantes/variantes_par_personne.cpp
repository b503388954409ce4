#include "variantes/variantes_par_personne.hpp"

namespace kalder {

VariantesParPersonne::Cle VariantesParPersonne::cle(const Theme& p) {
    return {p.prenom, p.nom, p.jour, p.mois, p.annee};
}

const std::vector<NomVariante>& VariantesParPersonne::de(const Theme& personne) const {
    static const std::vector<NomVariante> aucun;
    const auto it = noms_.find(cle(personne));
    return it == noms_.end() ? aucun : it->second;
}

void VariantesParPersonne::retenir(const Theme& personne, std::vector<NomVariante> noms) {
    if (noms.empty())
        noms_.erase(cle(personne));
    else
        noms_[cle(personne)] = std::move(noms);
}

void VariantesParPersonne::oublier(const Theme& personne) {
    noms_.erase(cle(personne));
}

} // namespace kalder
