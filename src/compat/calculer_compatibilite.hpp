#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// The compatibility of the theme's person with a partner (names trimmed,
// dates as validated); the partner is kept in `theme.origines.entente`.
void calculer_entente(ThemeCalcule& theme, EntenteCalculee partenaire);

// "Calculer" of the compatibility tab.
Issue calculer_compatibilite(EtatFenetre& etat);

// After a new theme: a compatibility on screen is computed again for the new
// person when the partner line still passes every check, silently; otherwise
// the numbers that mixed the earlier person in are emptied.
void actualiser_compatibilite(EtatFenetre& etat);

} // namespace kalder
