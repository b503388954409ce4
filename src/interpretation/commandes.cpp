#include "interpretation/commandes.hpp"

#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "noyau/nombre_saisi.hpp"
#include "saisie/valider_saisie.hpp"

namespace kalder {

namespace {

bool noms_saisis(const EtatFenetre& etat) {
    return !rogner(etat.texte(ChampId::prenom)).empty() &&
           !rogner(etat.texte(ChampId::nom)).empty();
}

// Banner, commentary, then the window: a blank name makes the click do nothing.
Issue interpreter(EtatFenetre& etat, std::string_view bandeau, void (*generateur)(EtatFenetre&)) {
    if (!noms_saisis(etat))
        return {};
    titrer_interpretation(etat.interpretation, bandeau);
    generateur(etat);
    Issue issue;
    issue.afficher_interpretation = true;
    return issue;
}

} // namespace

Issue interpreter_synthese(EtatFenetre& etat) {
    return interpreter(etat, "Synthèse", calcul_synthese);
}

Issue interpreter_details(EtatFenetre& etat) {
    return interpreter(etat, "Détails", calcul_detail);
}

Issue interpreter_annee(EtatFenetre& etat) {
    return interpreter(etat, "Cycles", ecrire_interpretation_annee);
}

Issue interpreter_entente(EtatFenetre& etat) {
    // The names are checked, not stored: the stored person stays the one
    // whose numbers are shown.
    Theme verifie;
    if (auto erreur = valider_noms_vous(etat, verifie))
        return *erreur;
    if (auto erreur = valider_noms_partenaire(etat))
        return *erreur;

    titrer_interpretation(etat.interpretation, "Entente entre deux personnes");
    calcul_entente(etat);
    Issue issue;
    issue.afficher_interpretation = true;
    return issue;
}

} // namespace kalder
