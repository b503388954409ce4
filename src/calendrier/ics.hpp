#pragma once
// The calendar of personal days as an iCalendar file, for the client's own
// calendar program: one all-day event a day, "Jour personnel 4 — Anne-Marie
// Dupont", and one on the first day of each month for its personal month.
// UTF-8, CR LF line ends, lines folded at 75 octets. An event's UID depends
// only on the person and the day, so exporting again updates what a calendar
// already holds instead of doubling it.

#include "calendrier/calendrier.hpp"

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kalder {

inline constexpr std::string_view prodid_kalder = "-//Kalder//Calendrier des jours personnels//FR";

// A TEXT value with \ ; , and line breaks escaped.
std::string texte_ics(std::string_view texte);
// One content line, folded before 75 octets without cutting a UTF-8
// character, each piece ended by CR LF.
std::string ligne_ics(std::string_view ligne);

// The whole file for `jours` (made with their explanations); `maintenant`
// is its DTSTAMP.
std::string ecrire_ics(const Theme& t, std::span<const JourCalendrier> jours,
                       std::chrono::sys_seconds maintenant);

// The file of a range at `chemin`, written beside it and renamed once whole.
// Nothing on success; otherwise why, in French, the old file left as it was.
std::optional<std::string> exporter_ics(const std::filesystem::path& chemin, const Theme& t,
                                        const Plage& plage, std::chrono::sys_seconds maintenant);

} // namespace kalder
