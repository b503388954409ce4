#pragma once
// The drawn decorations of the result tabs: the value shapes that carry the
// colour code, the stones' triangle, the life-path zig-zag and the figure
// around the mission.

#include <QColor>
#include <QPainter>
#include <QWidget>

namespace kalder::ui {

// A value box of a given shape; the value's label lies on top of it.
class Forme : public QWidget {
  public:
    enum class Genre { disque, carre, carre_arrondi, ovale };
    Forme(QWidget* parent, Genre genre, QColor couleur, QColor trait = QColor());

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Genre genre_;
    QColor couleur_;
    QColor trait_;
};

// Lines drawn over the whole widget in one colour: the stones' triangle, the
// life-path zig-zag and the figure around the mission.
class Trace : public QWidget {
  public:
    using Dessin = void (*)(QPainter& p, QColor couleur, double largeur, double hauteur);
    Trace(QWidget* parent, QColor couleur, Dessin dessin);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor couleur_;
    Dessin dessin_;
};

// Three lines joining the middle of the top edge to the two lower corners.
void dessiner_triangle(QPainter& p, QColor couleur, double largeur, double hauteur);
void dessiner_zigzag(QPainter& p, QColor couleur, double largeur, double hauteur);
// A lozenge crossed by a frame.
void dessiner_figure_mission(QPainter& p, QColor couleur, double largeur, double hauteur);

} // namespace kalder::ui
