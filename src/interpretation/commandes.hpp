#pragma once
// The commands of the interpretation buttons, the month list and the theme
// report. Each returns what the window has to do afterwards.

#include "modele/etat_fenetre.hpp"

#include <optional>
#include <string>

namespace kalder {

// The interpretation of a calculated theme as its button writes it (the year
// with month `mois`); none when the names are blank, or for the compatibility
// without a partner.
std::optional<Interpretation> interpreter(const ThemeCalcule& theme, SorteInterpretation sorte,
                                          int mois);

Issue interpreter_synthese(EtatFenetre& etat); // bouton_synthese
Issue interpreter_details(EtatFenetre& etat);  // bouton_details
Issue interpreter_annee(
    EtatFenetre& etat); // bouton_annee and a choice in liste_mois (uses etat.mois_choisi)
Issue interpreter_entente(EtatFenetre& etat); // bouton_entente
// After a new theme: the last interpretation written again for the new
// person (same month), or emptied with a line saying why.
void reinterpreter(EtatFenetre& etat);
// The theme report, as blocks and as its plain text (UTF-8, CR LF).
Blocs rapport_en_blocs(const ThemeCalcule& theme);
std::string composer_rapport(const ThemeCalcule& theme);

} // namespace kalder
