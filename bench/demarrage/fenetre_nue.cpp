// The yardstick of the start-up benchmark: a bare Qt window of the same size
// with as many plain labels as the main window, and nothing else.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMetaObject>
#include <QWidget>

namespace {

// As many labels as the main window holds (captions and slots together).
constexpr int nombre_libelles = 364;

// Leaves the event loop once the window has painted itself for the first time.
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    fenetre.setFixedSize(809, 566);
    for (int i = 0; i < nombre_libelles; ++i) {
        auto* l = new QLabel(QString::number(i), &fenetre);
        l->setGeometry((i % 20) * 40, (i / 20) * 26, 38, 24);
    }
    QuitterApresAffichage quitter;
    if (QApplication::arguments().contains(QStringLiteral("--quitter-apres-affichage")))
        fenetre.installEventFilter(&quitter);
    fenetre.show();
    return app.exec();
}
