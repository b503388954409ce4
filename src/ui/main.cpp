#include "ui/fenetres_secondaires.hpp"
#include "ui/lancement.hpp"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display Qt prints a stack of warnings and aborts; one line is
// more useful to someone who started the program from a bare terminal.
bool affichage_disponible() {
#if defined(Q_OS_LINUX)
    auto defini = [](const char* nom) {
        const char* v = std::getenv(nom);
        return v != nullptr && *v != '\0';
    };
    return defini("DISPLAY") || defini("WAYLAND_DISPLAY") || defini("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

bool plateforme_en_argument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (!affichage_disponible() && !plateforme_en_argument(argc, argv)) {
        std::fputs(
            "kalder : aucun affichage disponible (DISPLAY n'est pas défini)\u00a0; lancez-le dans "
            "une session graphique ou sous xvfb-run.\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    kalder::ui::Lancement lancement;
    kalder::ui::FenetrePrincipale& fenetre = lancement.fenetre();
    fenetre.show();
    // Said once the window is there: it stays usable for calculations.
    QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.secondaires().dossier_manquant(); });
    return app.exec();
}
