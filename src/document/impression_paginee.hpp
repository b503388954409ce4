#pragma once
// The one loop that lays a laid-out QTextDocument on the pages of a printer
// or a PDF writer: the dossier, the printed theme report and the printed
// interpretation. The running header and the footer are data.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace kalder::document {

// "page 3 / 12".
struct NumeroPage {
    int numero = 1; // from 1
    int total = 1;
};
QString texte_numero(NumeroPage n);

// What each page carries around its text, in page coordinates (device
// pixels from the sheet's top-left corner). Nothing by default.
struct Habillage {
    // The running header, from the second page on: a text on the left, one
    // on the right, set on the bottom edge of `zone_entete`, a rule under them.
    QString entete_gauche;
    QString entete_droite;
    QFont police_gauche;
    QFont police_droite;
    QRectF zone_entete;
    qreal trait_entete = 0; // the rule's height on the page
    // "page N / M", centred at the top of `zone_pied`; none when it is empty.
    QRectF zone_pied;
    QFont police_pied;
    QColor couleur{0x50, 0x50, 0x60};
};

struct Pagination {
    // Where each page's slice of the text goes, in page coordinates; the
    // document's page size is this rectangle's size.
    QRectF corps;
    // From the painter's origin on the device to the sheet's top-left corner.
    QPointF decalage;
    // The pages printed, from 0; `derniere` -1 prints to the last.
    int premiere = 0;
    int derniere = -1;
};

// The pages of a laid-out `doc` that hold a written line, from 0, in order:
// a page that only a blank line or a margin reached is never printed.
std::vector<int> pages_ecrites(const QTextDocument& doc);

enum class IssueImpression { imprimee, ouverture_impossible, page_refusee };

// The pages of `doc` on `support`, one after the other.
IssueImpression imprimer_pages(QPagedPaintDevice& support, QTextDocument& doc,
                               const Pagination& pagination, const Habillage& habillage = {});

} // namespace kalder::document
