#pragma once
// The dossier's text laid out on pages of a given size.

#include "document/dossier.hpp"
#include "document/objet_frise.hpp"
#include "document/signets_pdf.hpp"

#include <QTextDocument>

#include <memory>

class QPaintDevice;
class QPagedPaintDevice;

namespace kalder::document {

// The family of the dossier's fonts, loaded from their files once.
QString famille_dossier();
// A font of that family that draws every letter as itself, never joined
// into a ligature.
QFont police_dossier();

// The dossier laid out for `support` on pages of `page` device pixels, each
// heading on the page of the line it heads, the contents' page numbers
// filled in. `frise` draws the timeline. `signets`, when given, receives the
// sections and their parts, `haut` in device pixels from the top of the
// page's text.
// `liens`, when given, receives the contents' lines, each leading to its
// section's outline item, in device pixels from the top-left of the page's text.
std::unique_ptr<QTextDocument> composer(const ThemeCalcule& etat, const ParametresDossier& p,
                                        QPaintDevice* support, QSizeF page, ObjetFrise* frise,
                                        std::vector<Signet>* signets = nullptr,
                                        std::vector<LienPdf>* liens = nullptr);

// imprimer_dossier, and where each section and part starts for the outline.
bool dessiner_dossier(QPagedPaintDevice& support, const ThemeCalcule& etat,
                      const ParametresDossier& parametres, std::vector<Signet>* signets,
                      std::vector<LienPdf>* liens = nullptr);

} // namespace kalder::document
