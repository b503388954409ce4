#include "theme/calculer_theme.hpp"

#include "noyau/nombre_saisi.hpp"
#include "saisie/valider_saisie.hpp"
#include "theme/nombres_date.hpp"
#include "theme/nombres_nom.hpp"

namespace kalder {

namespace {

// The person is stored only once every check has passed: a refused entry
// must not mix a new name with the earlier birth date in the year grid, the
// interpretations or the compatibility.
std::optional<Issue> valider(EtatFenetre& etat) {
    Theme t = etat.theme;
    if (auto erreur = valider_noms_vous(etat, t))
        return erreur;
    const DateSaisie date = valider_date(etat, {ChampId::jour, ChampId::mois, ChampId::annee});
    if (date.erreur)
        return date.erreur;
    t.jour = date.jour;
    t.mois = date.mois;
    t.annee = date.annee;
    etat.theme = std::move(t);
    return std::nullopt;
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
    etat.origines.theme = etat.theme;
    etat.theme_montre = true;
    return {};
}

} // namespace kalder
