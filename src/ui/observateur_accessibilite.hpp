#pragma once
// Told when an assistive tool (a screen reader) starts or stops listening.

#include <QAccessible>

#include <functional>
#include <utility>

namespace kalder::ui {

class ObservateurAccessibilite : public QAccessible::ActivationObserver {
  public:
    explicit ObservateurAccessibilite(std::function<void(bool)> changement)
        : changement_(std::move(changement)) {
        QAccessible::installActivationObserver(this);
    }
    ~ObservateurAccessibilite() override { QAccessible::removeActivationObserver(this); }
    ObservateurAccessibilite(const ObservateurAccessibilite&) = delete;
    ObservateurAccessibilite& operator=(const ObservateurAccessibilite&) = delete;

    void accessibilityActiveChanged(bool actif) override { changement_(actif); }

  private:
    std::function<void(bool)> changement_;
};

} // namespace kalder::ui
