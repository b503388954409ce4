#include "ui/lancement.hpp"

#include "ui/fenetres_secondaires.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kalder::ui {

Lancement::Lancement() {
    QApplication::setApplicationName(QStringLiteral("Kalder"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (traduction_qt_.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction_qt_);

    fenetre_ = std::make_unique<FenetrePrincipale>();
    // The data folder is settled once, before the window opens, and kept.
    fenetre_->secondaires().dossier_donnees();
}

} // namespace kalder::ui
