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

std::string nom_personne(const Theme& theme) {
    return theme.prenom + ' ' + theme.nom;
}

void marquer(Interpretation& doc, SorteInterpretation sorte, const Theme& theme) {
    doc.sorte = sorte;
    doc.personne = nom_personne(theme);
}

// Banner, commentary, then the window: a blank name makes the click do nothing.
Issue interpreter(EtatFenetre& etat, SorteInterpretation sorte, std::string_view bandeau,
                  void (*generateur)(EtatFenetre&)) {
    if (!noms_saisis(etat))
        return {};
    titrer_interpretation(etat.interpretation, bandeau);
    generateur(etat);
    marquer(etat.interpretation, sorte, etat.theme);
    Issue issue;
    issue.afficher_interpretation = true;
    return issue;
}

} // namespace

Issue interpreter_synthese(EtatFenetre& etat) {
    return interpreter(etat, SorteInterpretation::synthese, "Synthèse", calcul_synthese);
}

Issue interpreter_details(EtatFenetre& etat) {
    return interpreter(etat, SorteInterpretation::details, "Détails", calcul_detail);
}

Issue interpreter_annee(EtatFenetre& etat) {
    return interpreter(etat, SorteInterpretation::annee, "Cycles", ecrire_interpretation_annee);
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
    marquer(etat.interpretation, SorteInterpretation::entente, etat.theme);
    Issue issue;
    issue.afficher_interpretation = true;
    return issue;
}

void reinterpreter(EtatFenetre& etat) {
    using Commande = Issue (*)(EtatFenetre&);
    static constexpr Commande commandes[] = {nullptr, interpreter_synthese, interpreter_details,
                                             interpreter_annee, interpreter_entente};
    Interpretation& doc = etat.interpretation;
    const Commande commande = commandes[static_cast<int>(doc.sorte)];
    const std::string ancienne = doc.personne;
    if (!commande)
        return;
    if (!commande(etat).message)
        return;
    vider_interpretation(doc);
    doc.sorte = SorteInterpretation::aucune;
    doc.personne = nom_personne(etat.theme);
    const std::string message = "Ce texte concernait " + ancienne +
                                "\u00a0; pressez «\u00a0Interpréter\u00a0» pour " + doc.personne +
                                '.';
    paragraphe(doc, {message});
}

} // namespace kalder
