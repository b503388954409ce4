#include "ui/style_kalder.hpp"

#include <QPainter>
#include <QStyleOption>

namespace kalder::ui {

namespace {

// Qt gives a blend of 96 spans or more to worker threads; a band this high
// gives the frame's four upright lines fewer.
constexpr int hauteur_bande = 20;

} // namespace

QIcon StyleKalder::standardIcon(StandardPixmap image, const QStyleOption* option,
                                const QWidget* widget) const {
    if (image == SP_ToolBarHorizontalExtensionButton)
        return QIcon();
    return QProxyStyle::standardIcon(image, option, widget);
}

void StyleKalder::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* peintre, const QWidget* widget) const {
    if (element != PE_FrameTabWidget || !option || !peintre) {
        QProxyStyle::drawPrimitive(element, option, peintre, widget);
        return;
    }
    // The style may paint a little outside the frame's rectangle: the first
    // and last bands reach past it, and every band spans the whole width.
    constexpr int marge = 1 << 14;
    const QRect cadre = option->rect;
    for (int y = cadre.top(); y <= cadre.bottom(); y += hauteur_bande) {
        const int haut = y == cadre.top() ? y - marge : y;
        const int bas = y + hauteur_bande > cadre.bottom() ? y + marge : y + hauteur_bande - 1;
        peintre->save();
        peintre->setClipRect(
            QRect(QPoint(cadre.left() - marge, haut), QPoint(cadre.right() + marge, bas)),
            Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, peintre, widget);
        peintre->restore();
    }
}

} // namespace kalder::ui
