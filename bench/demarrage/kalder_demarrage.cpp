// The window program as it starts, for the start-up benchmark only: with
// --quitter-apres-affichage it leaves once the window has painted itself.
#include "quitter_apres_affichage.hpp"
#include "ui/lancement.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kalder::ui::Lancement lancement;
    QuitterApresAffichage quitter;
    if (QApplication::arguments().contains(QStringLiteral("--quitter-apres-affichage")))
        lancement.fenetre().installEventFilter(&quitter);
    lancement.fenetre().show();
    return app.exec();
}
