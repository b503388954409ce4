#pragma once
// For the start-up benchmark's two programs, the window and its bare
// yardstick: leaves the event loop once the watched window has painted itself.

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

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
