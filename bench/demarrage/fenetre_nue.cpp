// The yardstick of the start-up benchmark: a bare Qt window of the same size
// with as many plain labels as the main window, and nothing else.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMetaObject>
#include <QWidget>

#include "ui/quitter_apres_affichage.hpp"

namespace {

// As many labels as the main window holds (captions and slots together).
constexpr int nombre_libelles = 364;

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
    kalder::ui::QuitterApresAffichage quitter;
    if (QApplication::arguments().contains(QStringLiteral("--quitter-apres-affichage")))
        fenetre.installEventFilter(&quitter);
    fenetre.show();
    return app.exec();
}
