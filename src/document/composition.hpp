#pragma once
// The dossier's text laid out on pages of a given size.

#include "document/dossier.hpp"
#include "document/objet_frise.hpp"

#include <QTextDocument>

#include <memory>

class QPaintDevice;

namespace kalder::document {

// The family of the dossier's fonts, loaded from their files once.
QString famille_dossier();
// A font of that family that draws every letter as itself, never joined
// into a ligature.
QFont police_dossier();

// The dossier laid out for `support` on pages of `page` device pixels, each
// heading on the page of the line it heads. `frise` draws the timeline.
std::unique_ptr<QTextDocument> composer(const EtatFenetre& etat, const ParametresDossier& p,
                                        QPaintDevice* support, QSizeF page, ObjetFrise* frise);

} // namespace kalder::document
