#pragma once
// The life timeline inside the dossier: the one place that draws it there.

#include "modele/etat_fenetre.hpp"

class QPainter;
class QRectF;

namespace kalder::document {

// The timeline of `etat` in `zone`, marking `annee_courante`.
void dessiner_section_frise(QPainter& peintre, const QRectF& zone, const EtatFenetre& etat,
                            int annee_courante);

// Width over height of the picture: tall enough on a portrait page for the
// personal years to be a table of decades, readable.
inline constexpr double proportion_frise = 1.15;

} // namespace kalder::document
