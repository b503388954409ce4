#pragma once
// Validation of the typed lines: the two names, and a day / month / year
// triple of fields, shared by the person's line, the partner's line and the
// meeting date.

#include "modele/etat_fenetre.hpp"

#include <optional>

namespace kalder {

struct ChampsDate {
    ChampId jour;
    ChampId mois;
    ChampId annee;
};

struct DateSaisie {
    Nombre jour = 0;
    Nombre mois = 0;
    Nombre annee = 0;
    bool absente = false;
    std::optional<Issue> erreur;
};

// Three empty fields make an absent date (all zero). Otherwise the day, the
// month and the year are checked in turn; the first failure gives its
// "Erreur" message and the field to focus.
DateSaisie valider_date(const EtatFenetre& etat, ChampsDate champs);

// The names of the "Vous :" line, written into `cible` as they pass.
std::optional<Issue> valider_noms_vous(const EtatFenetre& etat, Theme& cible);
// Why names typed as `prenom` and `nom` are refused (their first blank
// one), as the "Vous :" line says it; none when both are given.
std::optional<std::string> refus_noms(std::string_view prenom, std::string_view nom);
// The names of the partner line; nothing is stored.
std::optional<Issue> valider_noms_partenaire(const EtatFenetre& etat);

// The "Erreur" box with a warning icon, and the field that gets the focus.
Issue erreur_saisie(std::string texte, ChampId focus);

// The largest year accepted, the largest signed 16-bit number; a larger one is "incorrect".
inline constexpr Nombre annee_maximale = 32767;

} // namespace kalder
