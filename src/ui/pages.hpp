#pragma once
// Builders of the main window's parts. Each creates its widgets at fixed
// positions and records the named ones in Controles.

#include "ui/construction.hpp"
#include "ui/formes.hpp"

class QWidget;

namespace kalder::ui {

void construire_ligne_vous(Controles& c, QWidget* zone);
QWidget* construire_page_synthese(Controles& c);
QWidget* construire_page_details(Controles& c);
QWidget* construire_page_cycles(Controles& c);
QWidget* construire_page_entente(Controles& c);

// A value slot drawn on a coloured shape of the same size.
QLabel* slot_forme(Controles& c, QWidget* parent, const QString& nom, QRect geometrie,
                   Forme::Genre genre, QColor fond, Style style);

// Same size for every page of the tab control.
inline constexpr int largeur_page = 801;
inline constexpr int hauteur_page = 440;

} // namespace kalder::ui
