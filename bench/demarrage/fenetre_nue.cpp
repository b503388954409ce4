// The yardstick of the start-up benchmark: a bare Qt window of the main
// window's size holding a tab control of four pages and 400 plain labels
// (about what the main window holds, captions and slots together), built
// whole and plainly, with nothing else.
#include "quitter_apres_affichage.hpp"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace {

constexpr int nombre_pages = 4;
constexpr int libelles_par_page = 100;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    fenetre.setFixedSize(809, 566);
    auto* onglets = new QTabWidget(&fenetre);
    onglets->setGeometry(0, 72, 809, 473);
    for (int p = 0; p < nombre_pages; ++p) {
        auto* page = new QWidget;
        for (int i = 0; i < libelles_par_page; ++i) {
            auto* l = new QLabel(QString::number(i), page);
            l->setGeometry((i % 10) * 80, (i / 10) * 40, 76, 24);
        }
        onglets->addTab(page, QStringLiteral("Page %1").arg(p + 1));
    }
    QuitterApresAffichage quitter;
    if (QApplication::arguments().contains(QStringLiteral("--quitter-apres-affichage")))
        fenetre.installEventFilter(&quitter);
    fenetre.show();
    return app.exec();
}
