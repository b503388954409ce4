#pragma once
// The platform's own style, with two changes that only make the window open
// sooner, the pixels being the same:
// - the menu bar's overflow button (shown only when the menus do not fit,
//   which a fixed-size window with three menus never needs) gets no icon:
//   loading that icon made Qt load every image-format plugin at start-up;
// - the tab control's frame is painted in zones: its faint inner line is
//   blended, and Qt hands a blend over a tall area to worker threads, which
//   on a busy machine kept the first paint waiting; each zone is painted as
//   a frame of its own that keeps only the lines reaching into it, so the
//   large middle costs no more than its fill.

#include <QProxyStyle>

class QStyleOptionTabWidgetFrame;

namespace kalder::ui {

class StyleKalder : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap image, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* peintre,
                       const QWidget* widget = nullptr) const override;

  private:
    void peindre_dans(const QRect& zone, const QStyleOptionTabWidgetFrame& option,
                      QPainter* peintre, const QWidget* widget) const;
};

} // namespace kalder::ui
