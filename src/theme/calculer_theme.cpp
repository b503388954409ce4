#include "theme/calculer_theme.hpp"

#include "annee/calculer_annee.hpp"
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

bool calculer_theme(ThemeCalcule& theme, const Theme& personne, Nombre annee) {
    theme.theme = personne;
    calculer_nombres_nom(theme);
    calculer_nombres_mixtes(theme);
    calculer_nombres_nom_suite(theme);
    const bool annee_calculee = calculer_nombres_date(theme, annee);
    theme.origines.theme = theme.theme;
    theme.theme_montre = true;
    return annee_calculee;
}

ThemeCalcule calculer_theme(const Theme& personne, Nombre annee) {
    ThemeCalcule theme;
    calculer_theme(theme, personne, annee);
    return theme;
}

Issue calculer_theme(EtatFenetre& etat, int annee_courante) {
    if (auto erreur = valider(etat))
        return *erreur;

    for (BoutonId b : {BoutonId::synthese, BoutonId::details, BoutonId::annee,
                       BoutonId::calculer_annee, BoutonId::calculer_entente})
        etat.activer(b, true);
    etat.liste_mois_active = true;

    const bool annee = calculer_theme(etat, etat.theme, annee_courante);
    etat.saisir(ChampId::annee_calcul, annee ? std::to_string(annee_courante) : "");
    etat.champ(ChampId::annee_calcul).actif = annee;
    etat.activer(BoutonId::calculer_annee, annee);
    return {};
}

Issue calculer_pour_annee(EtatFenetre& etat) {
    if (!etat.actif(BoutonId::calculer_annee))
        return {};
    const auto valeur = lire_nombre_saisi(etat.texte(ChampId::annee_calcul));
    if (!valeur || !(*valeur >= static_cast<double>(etat.theme.annee)) ||
        !(*valeur <= static_cast<double>(annee_maximale)))
        return erreur_saisie("Année incorrecte", ChampId::annee_calcul);
    calculer_annee(etat, arrondir_pair(*valeur));
    return {};
}

} // namespace kalder
