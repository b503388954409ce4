#pragma once
// What the dossier is computed from: the person of the last successful
// calculation, as the state stores it, never the fields as typed since.

#include "modele/etat_fenetre.hpp"

#include <optional>
#include <string>

namespace kalder {

struct IdentiteDossier {
    Theme personne;                            // names and birth date (0 without a date)
    Nombre annee_calcul = 0;                   // the year of the forecast grid; 0 without one
    std::optional<EntenteCalculee> partenaire; // the compatibility, when one is shown
    int mois_choisi = 1;
};

IdentiteDossier identite_enregistree(const EtatFenetre& etat);

// A fresh state computed from the identity alone; nullopt, with the engine's
// message in `erreur`, when no theme can be computed from it.
std::optional<EtatFenetre> recalculer(const IdentiteDossier& identite, int annee_courante,
                                      std::string* erreur = nullptr);

} // namespace kalder
