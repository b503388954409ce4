#include "interpretation/commandes.hpp"

#include "core/saisie.hpp"
#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"

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

Issue erreur(std::string_view texte, ChampId focus) {
    Issue issue;
    issue.message = Message{"Erreur", std::string(texte), Icone::avertissement};
    issue.focus = focus;
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
    const std::string_view prenom = rogner(etat.texte(ChampId::prenom));
    if (prenom.empty())
        return erreur("Le prénom doit être saisi", ChampId::prenom);
    etat.theme.prenom.assign(prenom);

    const std::string_view nom = rogner(etat.texte(ChampId::nom));
    if (nom.empty())
        return erreur("Le nom doit être saisi", ChampId::nom);
    etat.theme.nom.assign(nom);

    if (rogner(etat.texte(ChampId::prenom_partenaire)).empty())
        return erreur("Le prénom doit être saisi", ChampId::prenom_partenaire);
    if (rogner(etat.texte(ChampId::nom_partenaire)).empty())
        return erreur("Le nom doit être saisi", ChampId::nom_partenaire);

    titrer_interpretation(etat.interpretation, "Entente entre deux personnes");
    calcul_entente(etat);
    Issue issue;
    issue.afficher_interpretation = true;
    return issue;
}

} // namespace kalder
