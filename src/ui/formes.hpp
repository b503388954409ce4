#pragma once
// The drawn decorations of the result tabs: the value shapes that carry the
// colour code, the stones' triangle, the life-path zig-zag and the figure
// around the mission.

#include <QColor>
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

// Three lines joining the middle of the top edge to the two lower corners.
class Triangle : public QWidget {
  public:
    Triangle(QWidget* parent, QColor couleur);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor couleur_;
};

class ZigZag : public QWidget {
  public:
    ZigZag(QWidget* parent, QColor couleur);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor couleur_;
};

// Blue lines around the mission: a lozenge crossed by a frame.
class FigureMission : public QWidget {
  public:
    FigureMission(QWidget* parent, QColor couleur);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor couleur_;
};

} // namespace kalder::ui
