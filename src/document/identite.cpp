#include "document/identite.hpp"

#include "annee/calculer_annee.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "theme/calculer_theme.hpp"

namespace kalder::document {

namespace {

void saisir_date(EtatFenetre& e, Nombre jour, Nombre mois, Nombre annee,
                 std::array<ChampId, 3> champs) {
    if (jour <= 0)
        return;
    e.saisir(champs[0], std::to_string(jour));
    e.saisir(champs[1], std::to_string(mois));
    e.saisir(champs[2], std::to_string(annee));
}

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
    if (partenaire.visible && !partenaire.texte.empty() &&
        !etat.origines.entente.nom_partenaire.empty())
        r.partenaire = etat.origines.entente;
    r.mois_choisi = etat.mois_choisi;
    return r;
}

std::optional<EtatFenetre> recalculer(const IdentiteDossier& identite, int annee_courante,
                                      std::string* erreur) {
    EtatFenetre e;
    e.mois_choisi = identite.mois_choisi;
    const Theme& p = identite.personne;
    e.saisir(ChampId::prenom, p.prenom);
    e.saisir(ChampId::nom, p.nom);
    saisir_date(e, p.jour, p.mois, p.annee, {ChampId::jour, ChampId::mois, ChampId::annee});
    if (echoue(calculer_theme(e, annee_courante), erreur))
        return std::nullopt;
    if (identite.annee_calcul > 0 && identite.annee_calcul != e.origines.annee_grille) {
        e.saisir(ChampId::annee_calcul, std::to_string(identite.annee_calcul));
        if (echoue(calculer_pour_annee(e), erreur))
            return std::nullopt;
    }
    if (const auto& a = identite.partenaire) {
        e.saisir(ChampId::prenom_partenaire, a->prenom_partenaire);
        e.saisir(ChampId::nom_partenaire, a->nom_partenaire);
        saisir_date(
            e, a->jour, a->mois, a->annee,
            {ChampId::jour_partenaire, ChampId::mois_partenaire, ChampId::annee_partenaire});
        saisir_date(e, a->jour_rencontre, a->mois_rencontre, a->annee_rencontre,
                    {ChampId::jour_rencontre, ChampId::mois_rencontre, ChampId::annee_rencontre});
        if (echoue(calculer_compatibilite(e), erreur))
            return std::nullopt;
    }
    return e;
}

} // namespace kalder::document
