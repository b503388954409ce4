#include "ui/style_kalder.hpp"

#include <QPainter>
#include <QStyleOption>

namespace kalder::ui {

namespace {

// The frame's lines lie this close to its edges.
constexpr int largeur_bord = 4;
// Far enough to leave any window.
constexpr int loin = 1 << 14;

bool recoupe(int debut, int fin, int bord) {
    return debut <= bord + largeur_bord && fin >= bord - largeur_bord;
}

// A frame that paints the same pixels inside `zone` as `cadre` does: each
// edge whose lines do not reach into the zone moves out of it, just past it
// when the zone keeps another edge (its lines stay short), out of any window
// when it keeps none (only the fill is left).
QRect cadre_pour(const QRect& cadre, const QRect& zone) {
    const bool gauche = recoupe(zone.left(), zone.right(), cadre.left());
    const bool droite = recoupe(zone.left(), zone.right(), cadre.right());
    const bool haut = recoupe(zone.top(), zone.bottom(), cadre.top());
    const bool bas = recoupe(zone.top(), zone.bottom(), cadre.bottom());
    const int ecart = gauche || droite || haut || bas ? largeur_bord + 1 : loin;
    return QRect(QPoint(gauche ? cadre.left() : zone.left() - ecart,
                        haut ? cadre.top() : zone.top() - ecart),
                 QPoint(droite ? cadre.right() : zone.right() + ecart,
                        bas ? cadre.bottom() : zone.bottom() + ecart));
}

} // namespace

QIcon StyleKalder::standardIcon(StandardPixmap image, const QStyleOption* option,
                                const QWidget* widget) const {
    if (image == SP_ToolBarHorizontalExtensionButton)
        return QIcon();
    return QProxyStyle::standardIcon(image, option, widget);
}

void StyleKalder::peindre_dans(const QRect& zone, const QStyleOptionTabWidgetFrame& option,
                               QPainter* peintre, const QWidget* widget) const {
    QStyleOptionTabWidgetFrame copie(option);
    copie.rect = cadre_pour(option.rect, zone);
    peintre->save();
    peintre->setClipRect(zone, Qt::IntersectClip);
    QProxyStyle::drawPrimitive(PE_FrameTabWidget, &copie, peintre, widget);
    peintre->restore();
}

void StyleKalder::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* peintre, const QWidget* widget) const {
    const auto* onglets = element == PE_FrameTabWidget
                              ? qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option)
                              : nullptr;
    const QRect cadre = onglets ? onglets->rect : QRect();
    if (!onglets || !peintre || cadre.width() <= 4 * largeur_bord ||
        cadre.height() <= 4 * largeur_bord) {
        QProxyStyle::drawPrimitive(element, option, peintre, widget);
        return;
    }
    // Painted zone by zone, the zones a partition of the plane so that each
    // pixel is painted once, as by one whole painting. Each zone gets a frame
    // of its own (cadre_pour): the style's cost follows the length of the
    // lines it draws, and Qt hands the blend of a tall line to worker
    // threads. The two sides hold the upright lines, short strips at the top
    // and bottom the level ones; the large middle is only filled.
    const int gauche = cadre.left() + 2 * largeur_bord;
    const int droite = cadre.right() - 2 * largeur_bord;
    peindre_dans(QRect(QPoint(cadre.left() - loin, cadre.top() - loin),
                       QPoint(gauche - 1, cadre.bottom() + loin)),
                 *onglets, peintre, widget);
    peindre_dans(QRect(QPoint(droite + 1, cadre.top() - loin),
                       QPoint(cadre.right() + loin, cadre.bottom() + loin)),
                 *onglets, peintre, widget);
    const int haut = cadre.top() + 2 * largeur_bord;
    const int bas = cadre.bottom() - 2 * largeur_bord;
    peindre_dans(QRect(QPoint(gauche, cadre.top() - loin), QPoint(droite, haut - 1)), *onglets,
                 peintre, widget);
    peindre_dans(QRect(QPoint(gauche, haut), QPoint(droite, bas)), *onglets, peintre, widget);
    peindre_dans(QRect(QPoint(gauche, bas + 1), QPoint(droite, cadre.bottom() + loin)), *onglets,
                 peintre, widget);
}

} // namespace kalder::ui
