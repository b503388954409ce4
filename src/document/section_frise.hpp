#pragma once
// The life timeline inside the dossier: the one place that draws it there.

#include "frise/frise.hpp"

#include <optional>

class QPainter;
class QRectF;

namespace kalder::document {

// The timeline in `zone`; without one (no birth date), a line saying so.
void dessiner_section_frise(QPainter& peintre, const QRectF& zone,
                            const std::optional<Frise>& frise);

// Width over height of the picture: tall enough on a portrait page for the
// personal years to be a table of decades, readable.
inline constexpr double proportion_frise = 1.15;

} // namespace kalder::document
