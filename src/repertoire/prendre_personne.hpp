#pragma once
// The take-overs of the open-person dialog. They only fill fields; the user
// then presses the matching "Calculer".

#include "modele/etat_fenetre.hpp"
#include "repertoire/personne.hpp"

namespace kalder {

// "-> Vous": clear-all, then the "Vous :" line.
void prendre_vous(EtatFenetre& etat, const Personne& personne);

// "-> Partenaire": the partner line only.
void prendre_partenaire(EtatFenetre& etat, const Personne& personne);

} // namespace kalder
