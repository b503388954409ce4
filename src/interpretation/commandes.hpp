#pragma once
// The commands of the interpretation buttons, the month list and the theme
// report. Each returns what the window has to do afterwards.

#include "modele/etat_fenetre.hpp"

#include <string>

namespace kalder {

Issue interpreter_synthese(EtatFenetre& etat); // bouton_synthese
Issue interpreter_details(EtatFenetre& etat);  // bouton_details
Issue interpreter_annee(
    EtatFenetre& etat); // bouton_annee and a choice in liste_mois (uses etat.mois_choisi)
Issue interpreter_entente(EtatFenetre& etat); // bouton_entente
// After a new theme: the last interpretation written again for the new
// person (same month), or emptied with a line saying why.
void reinterpreter(EtatFenetre& etat);
// The theme report, as blocks and as its plain text (UTF-8, CR LF).
Blocs rapport_en_blocs(const EtatFenetre& etat);
std::string composer_rapport(const EtatFenetre& etat);

} // namespace kalder
