#pragma once
// The four pages of the tab control and the "Vous :" line. Each page creates
// its widgets at fixed positions and keeps the named ones in its Controles,
// which the window links once the page exists.

#include "ui/construction.hpp"
#include "ui/formes.hpp"

#include <QWidget>

namespace kalder::ui {

void construire_ligne_vous(Controles& c, QWidget* zone);

// A page of the tab control and the controls it holds. The slots watch
// `survol` for the mouse passing over them.
class Page : public QWidget {
  public:
    const Controles& controles() const { return controles_; }

  protected:
    Page(const QString& nom, QObject* survol);
    Controles controles_;
};

class PageSynthese : public Page {
  public:
    explicit PageSynthese(QObject* survol);
};

class PageDetails : public Page {
  public:
    explicit PageDetails(QObject* survol);
};

class PageCycles : public Page {
  public:
    explicit PageCycles(QObject* survol);
};

class PageEntente : public Page {
  public:
    explicit PageEntente(QObject* survol);
};

// A value slot drawn on a coloured shape of the same size.
QLabel* slot_forme(Controles& c, QWidget* parent, const QString& nom, QRect geometrie,
                   Forme::Genre genre, QColor fond, Style style);

// Same size for every page of the tab control.
inline constexpr int largeur_page = 801;
inline constexpr int hauteur_page = 440;

} // namespace kalder::ui
