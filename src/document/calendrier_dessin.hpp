#pragma once
// The calendar of personal days drawn with QPainter, the same on screen, on a
// printer and in a PDF: one month as a grid of weeks, or the twelve months of
// a year side by side. Each day shows its date and, larger, its personal day
// in black on the number's light colour, so a black-and-white print reads
// the same; a month's cells add its meaning where it can be read, a year
// has the nine meanings as a legend under its months.

#include "calendrier/calendrier.hpp"

#include <QPainter>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace kalder {

// The weekdays as every calendar writes them, Monday first.
inline constexpr std::array<const char*, 7> jours_semaine_abreges = {"lun.", "mar.", "mer.", "jeu.",
                                                                     "ven.", "sam.", "dim."};

struct VueCalendrier {
    std::string personne; // "Anne-Marie Dupont"
    int annee = 0;
    int mois = 0;                 // 1..12; 0 for the whole year
    Nombre annee_personnelle = 0; // of `annee`
    std::array<Nombre, 12> mois_personnels{};
    std::vector<JourCalendrier> jours; // from the birth date on
    std::optional<Date> aujourdhui;    // marked when shown
    std::optional<Date> choisi;        // a day found, framed when shown
    // A second person beside the first: their personal day in each cell, the
    // days both share marked.
    std::string seconde_personne;
    std::vector<JourCalendrier> jours_seconde;
    bool entete = false; // the person and the year above, for paper
};

// Nothing without a birth date or for a year out of 1 to 9999.
std::optional<VueCalendrier> vue_calendrier(const Theme& t, int annee, int mois,
                                            std::optional<Date> aujourdhui = std::nullopt);

// Adds `autre` beside the person of `vue`; nothing when `autre` has no
// complete birth date.
void ajouter_seconde_personne(VueCalendrier& vue, const Theme& autre);

void dessiner_calendrier(QPainter& peintre, const QRectF& zone, const VueCalendrier& vue);

// The day drawn under `point`, if any.
const JourCalendrier* jour_sous(const QRectF& zone, const VueCalendrier& vue, QPointF point);
// The second person's same day, if any.
const JourCalendrier* jour_seconde(const VueCalendrier& vue, const Date& date);

// What the window shows on hover: "Jour personnel 4 — Travail et
// restrictions.", then how the number was reached.
QString bulle_du_jour(const JourCalendrier& jour);
// "À droite : Paul Martin (« = » : même jour personnel)".
QString legende_seconde(const VueCalendrier& vue);
// With a second person: each person's line, named.
QString bulle_des_deux(const VueCalendrier& vue, const JourCalendrier& jour);

// "Juillet 2026 — mois personnel 3".
QString titre_mois(const VueCalendrier& vue, int mois);

// On a printer or a PDF writer whose page size is set: the month or the year
// on one landscape page. False when the device could not be painted on.
bool imprimer_calendrier(QPagedPaintDevice& support, const VueCalendrier& vue);

// The PDF at `chemin`, written beside it and renamed once whole. Nothing on
// success; otherwise why, in French.
std::optional<QString> exporter_calendrier_pdf(const QString& chemin, const VueCalendrier& vue);

} // namespace kalder
