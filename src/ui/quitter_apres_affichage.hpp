#pragma once
// Used by the start-up benchmark, for the window and for its bare yardstick:
// leaves the event loop once the watched window has painted itself once.

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

namespace kalder::ui {

class QuitterApresAffichage : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Paint && !fait_) {
            fait_ = true;
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(objet, evenement);
    }

  private:
    bool fait_ = false;
};

} // namespace kalder::ui
