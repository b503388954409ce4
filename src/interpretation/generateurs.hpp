#pragma once
// The commentaries: each empties the interpretation document and writes its
// lines from the slot texts and the stored theme, as they are at that moment.

#include "modele/etat_fenetre.hpp"

namespace kalder {

void calcul_synthese(EtatFenetre& etat);
void calcul_detail(EtatFenetre& etat);
void ecrire_interpretation_annee(EtatFenetre& etat); // month: etat.mois_choisi
void calcul_entente(EtatFenetre& etat);

} // namespace kalder
