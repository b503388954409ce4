#include "document/impression_paginee.hpp"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <set>

namespace kalder::document {

QString texte_numero(NumeroPage n) {
    return QStringLiteral("page %1 / %2").arg(n.numero).arg(n.total);
}

namespace {

void habiller(QPainter& peintre, const Habillage& h, int page, int total) {
    peintre.setPen(h.couleur);
    const bool entete = !h.entete_gauche.isEmpty() || !h.entete_droite.isEmpty();
    if (entete && page > 0) {
        peintre.setFont(h.police_gauche);
        peintre.drawText(h.zone_entete, Qt::AlignLeft | Qt::AlignBottom, h.entete_gauche);
        peintre.setFont(h.police_droite);
        peintre.drawText(h.zone_entete, Qt::AlignRight | Qt::AlignBottom, h.entete_droite);
        peintre.drawLine(QPointF(h.zone_entete.left(), h.trait_entete),
                         QPointF(h.zone_entete.right(), h.trait_entete));
    }
    if (!h.zone_pied.isEmpty()) {
        peintre.setFont(h.police_pied);
        peintre.drawText(h.zone_pied, Qt::AlignHCenter | Qt::AlignTop,
                         texte_numero({page + 1, total}));
    }
}

} // namespace

std::vector<int> pages_ecrites(const QTextDocument& doc) {
    const qreal hauteur = doc.pageSize().height();
    if (hauteur <= 0)
        return {0};
    QAbstractTextDocumentLayout& mise = *doc.documentLayout();
    std::set<int> pages;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* lignes = b.layout();
        if (!lignes || b.text().trimmed().isEmpty())
            continue;
        const qreal haut = mise.blockBoundingRect(b).top();
        for (int i = 0; i < lignes->lineCount(); ++i)
            pages.insert(
                static_cast<int>((haut + lignes->lineAt(i).rect().center().y()) / hauteur));
    }
    if (pages.empty())
        return {0};
    return {pages.begin(), pages.end()};
}

IssueImpression imprimer_pages(QPagedPaintDevice& support, QTextDocument& doc,
                               const Pagination& pagination, const Habillage& habillage) {
    const std::vector<int> pages = pages_ecrites(doc);
    const int total = static_cast<int>(pages.size());
    const int derniere =
        pagination.derniere < 0 ? total - 1 : std::min(pagination.derniere, total - 1);
    const QRectF& corps = pagination.corps;
    QPainter peintre;
    if (!peintre.begin(&support))
        return IssueImpression::ouverture_impossible;
    peintre.translate(pagination.decalage);
    for (int n = pagination.premiere; n <= derniere; ++n) {
        const int i = pages[static_cast<std::size_t>(n)];
        if (n > pagination.premiere && !support.newPage()) {
            peintre.end();
            return IssueImpression::page_refusee;
        }
        peintre.save();
        peintre.translate(corps.left(), corps.top() - i * corps.height());
        // A paragraph split over two pages would be drawn whole on both,
        // hidden beyond the margins on one, and copied or searched text would
        // hold its lines twice. A block that ends where this page starts, or
        // starts where it ends, belongs to the other page: the rectangle stops
        // short of both edges.
        doc.drawContents(&peintre,
                         QRectF(0, i * corps.height() + 0.5, corps.width(), corps.height() - 1));
        peintre.restore();
        habiller(peintre, habillage, n, total);
    }
    return peintre.end() ? IssueImpression::imprimee : IssueImpression::page_refusee;
}

} // namespace kalder::document
