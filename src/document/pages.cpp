// The dossier's pages: its own margins, the running header and the footer.

#include "document/composition.hpp"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace kalder::document {

namespace {

struct Marges {
    qreal gauche = 20, droite = 20, haut = 24, bas = 22; // mm
    qreal entete = 13, pied = 12;                        // baselines, mm from the edge
};

// A line of the header at the largest size up to `taille` that fits `largeur`.
QFont police_qui_tient(const QString& texte, qreal taille, qreal largeur, QPaintDevice* support,
                       bool gras) {
    QFont police = police_dossier();
    police.setBold(gras);
    for (; taille > 4; taille -= 0.5) {
        police.setPointSizeF(taille);
        if (QFontMetricsF(police, support).horizontalAdvance(texte) <= largeur)
            break;
    }
    return police;
}

} // namespace

bool imprimer_dossier(QPagedPaintDevice& support, const EtatFenetre& etat,
                      const ParametresDossier& parametres) {
    support.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const int dpi = support.logicalDpiX();
    const QPageLayout mise = support.pageLayout();
    const QRectF plein = mise.fullRectPixels(dpi);
    const QRectF peint = mise.paintRectPixels(dpi);
    const auto mm = [dpi](qreal v) { return v * dpi / 25.4; };

    const Marges m;
    const QRectF corps(mm(m.gauche), mm(m.haut), plein.width() - mm(m.gauche + m.droite),
                       plein.height() - mm(m.haut + m.bas));
    ObjetFrise frise(etat, parametres.annee_courante);
    const auto doc = composer(etat, parametres, &support, corps.size(), &frise);
    const int pages = doc->pageCount();

    QPainter peintre;
    if (!peintre.begin(&support))
        return false;
    // Page coordinates, whatever margins the device keeps for itself.
    peintre.translate(plein.topLeft() - peint.topLeft());

    const QString nom = nom_complet(etat);
    const QString titre = QStringLiteral("Thème numérologique");
    const QFont police_titre = police_qui_tient(titre, 8, corps.width() / 3, &support, false);
    const QFont police_nom = police_qui_tient(
        nom, 8.5,
        corps.width() - QFontMetricsF(police_titre, &support).horizontalAdvance(titre) - mm(6),
        &support, true);
    QFont police_pied = police_dossier();
    police_pied.setPointSizeF(8);
    const QColor gris(0x50, 0x50, 0x60);

    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !support.newPage())
            return false;
        peintre.save();
        peintre.translate(corps.left(), corps.top() - i * corps.height());
        // The first line of the next page starts where this page ends: a
        // rectangle that reached it would draw that line again, hidden, and
        // copied or searched text would hold it twice.
        doc->drawContents(&peintre,
                          QRectF(0, i * corps.height(), corps.width(), corps.height() - 0.5));
        peintre.restore();

        peintre.setPen(gris);
        if (i > 0) {
            const QRectF ligne(corps.left(), 0, corps.width(), mm(m.entete));
            peintre.setFont(police_nom);
            peintre.drawText(ligne, Qt::AlignLeft | Qt::AlignBottom, nom);
            peintre.setFont(police_titre);
            peintre.drawText(ligne, Qt::AlignRight | Qt::AlignBottom, titre);
            peintre.drawLine(QPointF(corps.left(), mm(m.entete + 1.5)),
                             QPointF(corps.right(), mm(m.entete + 1.5)));
        }
        peintre.setFont(police_pied);
        peintre.drawText(QRectF(corps.left(), plein.height() - mm(m.pied), corps.width(), mm(5)),
                         Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("page %1 / %2").arg(i + 1).arg(pages));
    }
    return peintre.end();
}

} // namespace kalder::document
