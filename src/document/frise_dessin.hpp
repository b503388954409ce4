#pragma once
// The life timeline drawn with QPainter, the same on screen, in a PDF (as
// vectors), on a printer or into an image. Fonts come from the painter.

#include "frise/frise.hpp"

#include <QPainter>
#include <QRectF>

#include <optional>
#include <string>
#include <vector>

namespace kalder {

// Where one band of the timeline lies in the zone it is drawn in.
struct ZoneBande {
    QRectF rectangle;
    const BandeFrise* bande = nullptr;
};

// The bands' places for a drawing of `frise` into `zone`, shared by the
// drawing and the hovering.
std::vector<ZoneBande> zones_bandes(const QRectF& zone, const Frise& frise);

// The light colour of a number 0..9 behind its black digit, the same in the
// timeline and in the calendar of personal days.
QColor couleur_nombre(int chiffre);

void dessiner_frise(QPainter& peintre, const QRectF& zone, const Frise& frise);

// The explanation of the band under `point`, if any.
std::optional<std::string> explication_sous(const QRectF& zone, const Frise& frise, QPointF point);

} // namespace kalder
