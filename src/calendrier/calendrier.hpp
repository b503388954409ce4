#pragma once
// The calendar of personal days: for each date of a range, the personal day
// with the personal month and year it comes from, and how it was reached.

#include "modele/etat_fenetre.hpp"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

using Date = std::chrono::year_month_day;

struct JourCalendrier {
    Date date;
    Nombre jour_personnel;
    Nombre mois_personnel;
    Nombre annee_personnelle;
    // "Mois personnel de juillet 8 + jour 14 = 22 → 2 + 2 = 4"; empty when not asked.
    std::string explication;
};

// Both days included.
struct Plage {
    Date du;
    Date au;
};

inline constexpr int annee_calendrier_min = 1;
inline constexpr int annee_calendrier_max = 9999;
// A range longer than this is refused: twenty years of days.
inline constexpr int jours_au_plus = 7305;

inline constexpr std::string_view message_sans_date =
    "Pas de calendrier des jours personnels sans date de naissance.";

Plage plage_annee(int annee);
Plage plage_mois(int annee, int mois);

// "2027-01-31"; nullopt for any other shape or a day the month lacks.
std::optional<Date> lire_date(std::string_view texte);
std::string texte_date(const Date& date);

// Nothing when the calendar of `plage` can be made for the person of `t`;
// otherwise why not, in French: no birth date, a day that does not exist, a
// year out of 1 to 9999, an end before the start, a range over twenty years,
// a range wholly before the birth date.
std::optional<std::string> verifier_plage(const Theme& t, const Plage& plage);

// The days of a checked range from the birth date on.
std::vector<JourCalendrier> jours_personnels(const Theme& t, const Plage& plage,
                                             bool avec_explications = true);

// "Mois personnel de juillet 8 + jour 14 = 22 → 2 + 2 = 4".
std::string expliquer_jour_personnel(Nombre mois_personnel, int mois, int jour);
// "Année personnelle 5 + mois 7 = 12 → 1 + 2 = 3".
std::string expliquer_mois_du_calendrier(const Theme& t, int annee, int mois);
// "Année 2026 + mois 7 + jour 15 = 2048 → 2 + 0 + 4 + 8 = 14 → 1 + 4 = 5".
std::string expliquer_annee_du_calendrier(const Theme& t, int annee);

// "Anne-Marie Dupont".
std::string nom_de_la_personne(const Theme& t);

} // namespace kalder
