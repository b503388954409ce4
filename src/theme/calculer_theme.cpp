#include "theme/calculer_theme.hpp"

#include "noyau/saisie.hpp"
#include "saisie/valider_saisie.hpp"
#include "theme/nombres_date.hpp"
#include "theme/nombres_nom.hpp"

namespace kalder {

namespace {

// A check that passed keeps what it stored even when a later one fails.
std::optional<Issue> valider(EtatFenetre& etat) {
    if (auto erreur = valider_noms_vous(etat))
        return erreur;
    Theme& t = etat.theme;

    const DateSaisie date = valider_date(etat, {ChampId::jour, ChampId::mois, ChampId::annee});
    if (date.absente) {
        t.jour = t.mois = t.annee = 0;
        return std::nullopt;
    }
    if (date.valides >= 1)
        t.jour = date.jour;
    if (date.valides >= 2)
        t.mois = date.mois;
    if (date.valides >= 3)
        t.annee = date.annee;
    return date.erreur;
}

} // namespace

Issue calculer_theme(EtatFenetre& etat, int annee_courante) {
    if (auto erreur = valider(etat))
        return *erreur;

    for (BoutonId b : {BoutonId::synthese, BoutonId::details, BoutonId::annee,
                       BoutonId::calculer_annee, BoutonId::calculer_entente})
        etat.activer(b, true);
    etat.liste_mois_active = true;

    calculer_nombres_nom(etat);
    calculer_nombres_mixtes(etat);
    calculer_nombres_nom_suite(etat);
    calculer_nombres_date(etat, annee_courante);
    return {};
}

} // namespace kalder
