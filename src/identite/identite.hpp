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

// What is computed from the fields typed in a state, in the window's order.
struct CalculsDemandes {
    std::optional<std::string> annee_calcul; // the forecast of this year as typed
    bool compatibilite = false;              // with the partner's fields as typed
};

// The theme of the person's fields, then the calculations asked; the first
// refusal (its message), or an empty issue.
Issue calculer_saisie(EtatFenetre& etat, int annee_courante, const CalculsDemandes& demandes);

// A fresh state computed from the identity alone; nullopt, with the engine's
// message in `erreur`, when no theme can be computed from it.
std::optional<EtatFenetre> recalculer(const IdentiteDossier& identite, int annee_courante,
                                      std::string* erreur = nullptr);

} // namespace kalder
