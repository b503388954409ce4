#include "ui/formes.hpp"

#include <QPainter>
#include <QPainterPath>

namespace kalder::ui {

namespace {

void preparer(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
}

} // namespace

Forme::Forme(QWidget* parent, Genre genre, QColor couleur, QColor trait)
    : QWidget(parent), genre_(genre), couleur_(couleur),
      trait_(trait.isValid() ? trait : couleur.darker(150)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forme::paintEvent(QPaintEvent*) {
    QPainter p(this);
    preparer(p);
    p.setPen(QPen(trait_, 1.2));
    p.setBrush(couleur_);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    switch (genre_) {
    case Genre::disque:
    case Genre::ovale:
        p.drawEllipse(r);
        break;
    case Genre::carre:
        p.drawRect(r);
        break;
    case Genre::carre_arrondi: {
        p.drawRoundedRect(r, r.width() / 4, r.height() / 4);
        // The brown is too dark to carry a dark red number: the value sits
        // on a pale inner square and the brown stays as a wide rim.
        const QRectF dedans = r.adjusted(6, 6, -6, -6);
        p.setPen(Qt::NoPen);
        p.setBrush(couleur_.lighter(260));
        p.drawRoundedRect(dedans, dedans.width() / 5, dedans.height() / 5);
        break;
    }
    }
}

Trace::Trace(QWidget* parent, QColor couleur, Dessin dessin)
    : QWidget(parent), couleur_(couleur), dessin_(dessin) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Trace::paintEvent(QPaintEvent*) {
    QPainter p(this);
    preparer(p);
    dessin_(p, couleur_, width(), height());
}

void dessiner_triangle(QPainter& p, QColor couleur, double l, double h) {
    p.setPen(QPen(couleur, 2));
    const QPointF sommet(l / 2, 2);
    const QPointF gauche(2, h - 2);
    const QPointF droite(l - 2, h - 2);
    p.drawLine(sommet, gauche);
    p.drawLine(gauche, droite);
    p.drawLine(droite, sommet);
}

void dessiner_zigzag(QPainter& p, QColor couleur, double l, double h) {
    p.setPen(QPen(couleur, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int dents = 4;
    const double pas = (l - 4.0) / (2 * dents);
    QPainterPath chemin(QPointF(2, h - 3));
    for (int i = 1; i <= 2 * dents; ++i)
        chemin.lineTo(2 + i * pas, i % 2 ? 3.0 : h - 3.0);
    p.drawPath(chemin);
}

void dessiner_figure_mission(QPainter& p, QColor couleur, double l, double h) {
    p.setPen(QPen(couleur, 2));
    const QPointF losange[] = {{l / 2, 2}, {l - 2, h / 2}, {l / 2, h - 2}, {2, h / 2}};
    p.drawPolygon(losange, 4);
    p.setPen(QPen(couleur, 1));
    p.drawRect(QRectF(l * 0.22, h * 0.22, l * 0.56, h * 0.56));
    p.drawLine(QPointF(l / 2, 2), QPointF(l / 2, h * 0.22));
    p.drawLine(QPointF(l / 2, h * 0.78), QPointF(l / 2, h - 2));
    p.drawLine(QPointF(2, h / 2), QPointF(l * 0.22, h / 2));
    p.drawLine(QPointF(l * 0.78, h / 2), QPointF(l - 2, h / 2));
}

} // namespace kalder::ui
