#pragma once
// The commentaries: each empties the interpretation document and writes its
// lines from the slot texts and the stored theme of a calculated theme.

#include "modele/blocs.hpp"
#include "modele/theme_calcule.hpp"

namespace kalder {

void calcul_synthese(const ThemeCalcule& theme, Interpretation& doc);
void calcul_detail(const ThemeCalcule& theme, Interpretation& doc);
void ecrire_interpretation_annee(const ThemeCalcule& theme, int mois, Interpretation& doc);
void calcul_entente(const ThemeCalcule& theme, Interpretation& doc);

} // namespace kalder
