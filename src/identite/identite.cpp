#include "identite/identite.hpp"

#include "annee/calculer_annee.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "theme/calculer_theme.hpp"

namespace kalder {

namespace {

bool echoue(const Issue& issue, std::string* erreur) {
    if (!issue.message)
        return false;
    if (erreur)
        *erreur = issue.message->texte;
    return true;
}

} // namespace

IdentiteDossier identite_enregistree(const EtatFenetre& etat) {
    IdentiteDossier r;
    r.personne = etat.origines.theme;
    r.annee_calcul = etat.origines.annee_grille;
    const Slot& partenaire = etat.ent[ent::expression_partenaire];
    // A partner entered for another person stays out of this one's dossier.
    if (partenaire.visible && !partenaire.texte.empty() &&
        !etat.origines.entente.nom_partenaire.empty() &&
        meme_personne(etat.origines.entente.pour, etat.origines.theme))
        r.partenaire = etat.origines.entente;
    r.mois_choisi = etat.mois_choisi;
    return r;
}

Issue calculer_saisie(EtatFenetre& etat, int annee_courante, const CalculsDemandes& demandes) {
    if (Issue i = calculer_theme(etat, annee_courante); i.message)
        return i;
    if (demandes.annee_calcul) {
        etat.saisir(ChampId::annee_calcul, *demandes.annee_calcul);
        if (Issue i = calculer_pour_annee(etat); i.message)
            return i;
    }
    if (demandes.compatibilite)
        return calculer_compatibilite(etat);
    return {};
}

std::optional<EtatFenetre> recalculer(const IdentiteDossier& identite, int annee_courante,
                                      std::string* erreur) {
    EtatFenetre e;
    e.mois_choisi = identite.mois_choisi;
    e.saisir_personne(identite.personne);
    CalculsDemandes demandes;
    // The theme computes the forecast of the current year by itself.
    if (identite.annee_calcul > 0 && identite.annee_calcul != annee_courante)
        demandes.annee_calcul = std::to_string(identite.annee_calcul);
    if (const auto& a = identite.partenaire) {
        e.saisir(ChampId::prenom_partenaire, a->prenom_partenaire);
        e.saisir(ChampId::nom_partenaire, a->nom_partenaire);
        e.saisir_date(
            {ChampId::jour_partenaire, ChampId::mois_partenaire, ChampId::annee_partenaire},
            a->jour, a->mois, a->annee);
        e.saisir_date({ChampId::jour_rencontre, ChampId::mois_rencontre, ChampId::annee_rencontre},
                      a->jour_rencontre, a->mois_rencontre, a->annee_rencontre);
        demandes.compatibilite = true;
    }
    if (echoue(calculer_saisie(e, annee_courante, demandes), erreur))
        return std::nullopt;
    return e;
}

} // namespace kalder
