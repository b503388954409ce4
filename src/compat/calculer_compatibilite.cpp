#include "compat/calculer_compatibilite.hpp"

#include "compat/parts_entente.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "saisie/valider_saisie.hpp"

namespace kalder {

Issue calculer_compatibilite(EtatFenetre& etat) {
    if (!etat.actif(BoutonId::calculer_entente))
        return {};
    if (auto erreur = valider_noms_partenaire(etat))
        return *erreur;
    const DateSaisie naissance = valider_date(
        etat, {ChampId::jour_partenaire, ChampId::mois_partenaire, ChampId::annee_partenaire});
    if (naissance.erreur)
        return *naissance.erreur;
    const DateSaisie rencontre = valider_date(
        etat, {ChampId::jour_rencontre, ChampId::mois_rencontre, ChampId::annee_rencontre});
    if (rencontre.erreur)
        return *rencontre.erreur;

    etat.activer(BoutonId::entente, true);
    std::string prenom(rogner(etat.texte(ChampId::prenom_partenaire)));
    std::string nom(rogner(etat.texte(ChampId::nom_partenaire)));
    etat.ent[ent::expression_partenaire].texte = texte_maitre(somme_lettres(prenom + nom));
    etat.ent[ent::chemin_vie_partenaire].texte =
        texte_maitre(somme_date(naissance.jour, naissance.mois, naissance.annee).total());
    // A slot takes part in a common number only when it shows something other
    // than 0; without both, the common number is emptied rather than left
    // from an earlier partner.
    etat.ent[ent::expression_commune].texte.clear();
    etat.ent[ent::chemin_vie_commun].texte.clear();
    if (present(etat.ent[ent::expression].texte) &&
        present(etat.ent[ent::expression_partenaire].texte))
        etat.ent[ent::expression_commune].texte = texte_maitre(
            somme_expression_commune(avant_barre(etat.ent[ent::expression_partenaire].texte),
                                     avant_barre(etat.ent[ent::expression].texte))
                .total());
    if (present(etat.ent[ent::chemin_vie].texte) &&
        present(etat.ent[ent::chemin_vie_partenaire].texte))
        etat.ent[ent::chemin_vie_commun].texte = texte_reduit_22(
            somme_chemin_commun(avant_barre(etat.ent[ent::chemin_vie_partenaire].texte),
                                avant_barre(etat.ent[ent::chemin_vie].texte))
                .total());
    etat.ent[ent::essence_rencontre].texte =
        texte_maitre(somme_date(rencontre.jour, rencontre.mois, rencontre.annee).total());
    etat.origines.entente = EntenteCalculee{std::move(prenom),
                                            std::move(nom),
                                            naissance.jour,
                                            naissance.mois,
                                            naissance.annee,
                                            rencontre.jour,
                                            rencontre.mois,
                                            rencontre.annee,
                                            etat.ent[ent::expression].texte,
                                            etat.ent[ent::chemin_vie].texte};
    return {};
}

void actualiser_compatibilite(EtatFenetre& etat) {
    if (!present(etat.ent[ent::expression_partenaire].texte))
        return;
    EtatFenetre essai = etat;
    if (!calculer_compatibilite(essai).message) {
        etat = std::move(essai);
        return;
    }
    etat.ent[ent::expression_commune].texte.clear();
    etat.ent[ent::chemin_vie_commun].texte.clear();
}

} // namespace kalder
