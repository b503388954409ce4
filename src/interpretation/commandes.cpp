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

struct Commentaire {
    std::string_view bandeau;
    void (*generateur)(const ThemeCalcule&, int mois, Interpretation&);
};

// By SorteInterpretation.
constexpr Commentaire commentaires[] = {
    {"", nullptr},
    {"Synthèse", [](const ThemeCalcule& t, int, Interpretation& d) { calcul_synthese(t, d); }},
    {"Détails", [](const ThemeCalcule& t, int, Interpretation& d) { calcul_detail(t, d); }},
    {"Cycles", ecrire_interpretation_annee},
    {"Entente entre deux personnes",
     [](const ThemeCalcule& t, int, Interpretation& d) { calcul_entente(t, d); }},
};

void ecrire(Interpretation& doc, const ThemeCalcule& theme, SorteInterpretation sorte, int mois) {
    const Commentaire& c = commentaires[static_cast<int>(sorte)];
    titrer_interpretation(doc, c.bandeau);
    c.generateur(theme, mois, doc);
    marquer(doc, sorte, theme.theme);
}

// Banner, commentary, then the window: a blank name makes the click do nothing.
Issue interpreter(EtatFenetre& etat, SorteInterpretation sorte) {
    if (!noms_saisis(etat))
        return {};
    ecrire(etat.interpretation, etat, sorte, etat.mois_choisi);
    Issue issue;
    issue.afficher_interpretation = true;
    return issue;
}

} // namespace

std::optional<Interpretation> interpreter(const ThemeCalcule& theme, SorteInterpretation sorte,
                                          int mois) {
    const Theme& t = theme.theme;
    const EntenteCalculee& p = theme.origines.entente;
    if (sorte == SorteInterpretation::aucune || rogner(t.prenom).empty() || rogner(t.nom).empty() ||
        (sorte == SorteInterpretation::entente &&
         (rogner(p.prenom_partenaire).empty() || rogner(p.nom_partenaire).empty())))
        return std::nullopt;
    Interpretation doc;
    ecrire(doc, theme, sorte, mois);
    return doc;
}

Issue interpreter_synthese(EtatFenetre& etat) {
    return interpreter(etat, SorteInterpretation::synthese);
}

Issue interpreter_details(EtatFenetre& etat) {
    return interpreter(etat, SorteInterpretation::details);
}

Issue interpreter_annee(EtatFenetre& etat) {
    return interpreter(etat, SorteInterpretation::annee);
}

Issue interpreter_entente(EtatFenetre& etat) {
    // The names are checked, not stored: the stored person stays the one
    // whose numbers are shown.
    Theme verifie;
    if (auto erreur = valider_noms_vous(etat, verifie))
        return *erreur;
    if (auto erreur = valider_noms_partenaire(etat))
        return *erreur;
    ecrire(etat.interpretation, etat, SorteInterpretation::entente, etat.mois_choisi);
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
