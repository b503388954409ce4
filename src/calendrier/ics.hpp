#pragma once
// The calendar of personal days as an iCalendar file, for the client's own
// calendar program: one all-day event a day, "Jour personnel 4 — Travail et
// restrictions.", one spanning each month for its personal month and one
// spanning each year for its personal year, all cut to the range asked.
// UTF-8, CR LF line ends, lines folded at 75 octets. An event's UID depends
// only on the person and the day, so exporting again updates what a calendar
// already holds instead of doubling it.

#include "calendrier/calendrier.hpp"
#include "calendrier/sens.hpp"

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

inline constexpr std::string_view prodid_kalder = "-//Kalder//Calendrier des jours personnels//FR";

// A TEXT value with \ ; , and line breaks escaped.
std::string texte_ics(std::string_view texte);
// One content line, folded before 75 octets without cutting a UTF-8
// character, each piece ended by CR LF.
std::string ligne_ics(std::string_view ligne);

// An all-day event from `du` to `au`, both included.
struct EvenementIcs {
    std::string uid;
    Date du;
    Date au;
    std::string resume;
    std::string description;
};

// "jour-20270101-…@kalder": the same kind, person and first day give the
// same UID in every export, from the window or the command line.
std::string uid_ics(std::string_view genre, const Date& date, const Theme& t);
// "Jour personnel 4 — Travail et restrictions.".
std::string resume_ics(std::string_view genre, Echelle echelle, Nombre valeur);

// A whole file named `nom` holding `evenements`; `maintenant` is its DTSTAMP.
std::string ecrire_agenda(std::string_view nom, std::span<const EvenementIcs> evenements,
                          std::chrono::sys_seconds maintenant);
// The events of `jours` (made with their explanations): the year, each month
// and each day, the explanation and the person in each description.
std::vector<EvenementIcs> evenements_ics(const Theme& t, std::span<const JourCalendrier> jours);

// The whole file for `jours` (made with their explanations); `maintenant`
// is its DTSTAMP.
std::string ecrire_ics(const Theme& t, std::span<const JourCalendrier> jours,
                       std::chrono::sys_seconds maintenant);

// The file of a range at `chemin`, written beside it and renamed once whole;
// with `autre`, the days of that second person follow, as the calendar shows
// them side by side. Nothing on success; otherwise why, in French, the old
// file left as it was.
std::optional<std::string> exporter_ics(const std::filesystem::path& chemin, const Theme& t,
                                        const Plage& plage, std::chrono::sys_seconds maintenant,
                                        const Theme* autre = nullptr);

// `texte` at `chemin`, as exporter_ics writes it.
std::optional<std::string> ecrire_fichier_agenda(const std::filesystem::path& chemin,
                                                 const std::string& texte);

} // namespace kalder
