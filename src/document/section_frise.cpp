#include "document/section_frise.hpp"

#include "document/frise_dessin.hpp"
#include "frise/frise.hpp"

#include <QPainter>
#include <QRectF>

namespace kalder::document {

void dessiner_section_frise(QPainter& peintre, const QRectF& zone,
                            const std::optional<Frise>& frise) {
    if (frise) {
        dessiner_frise(peintre, zone, *frise);
        return;
    }
    peintre.save();
    peintre.setPen(QColor(0x50, 0x50, 0x60));
    peintre.drawText(zone, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     QStringLiteral("Pas de frise de vie sans date de naissance."));
    peintre.restore();
}

} // namespace kalder::document
