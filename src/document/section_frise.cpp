#include "document/section_frise.hpp"

#include <QPainter>
#include <QRectF>

namespace kalder::document {

// Until the timeline picture is there, a framed notice holds its place.
void dessiner_section_frise(QPainter& peintre, const QRectF& zone, const EtatFenetre& etat,
                            int annee_courante) {
    (void)annee_courante;
    peintre.save();
    peintre.setPen(QPen(QColor(0x9a, 0x9a, 0xae), zone.width() / 400));
    peintre.setBrush(QColor(0xf3, 0xf3, 0xf8));
    peintre.drawRect(zone);
    peintre.setPen(QColor(0x50, 0x50, 0x60));
    const QString texte = etat.theme.jour > 0
                              ? QStringLiteral("La frise de vie n'est pas encore disponible.")
                              : QStringLiteral("Pas de frise de vie sans date de naissance.");
    peintre.drawText(zone, Qt::AlignCenter | Qt::TextWordWrap, texte);
    peintre.restore();
}

} // namespace kalder::document
