#include "ui/questions_fenetre.hpp"

#include "ui/boites_message.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QStatusBar>

namespace kalder::ui {

bool QuestionsFenetre::oui(const Message& question) {
    return montrer_message(parent_, question, QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Yes) == QMessageBox::Yes;
}

QuestionsFenetre::~QuestionsFenetre() {
    if (curseur_attente_)
        QGuiApplication::restoreOverrideCursor();
}

void QuestionsFenetre::attente_autre_sauvegarde() {
    if (!curseur_attente_)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    curseur_attente_ = true;
    if (auto* fenetre = qobject_cast<QMainWindow*>(parent_))
        fenetre->statusBar()->showMessage(
            QStringLiteral("En attente de la fin d'une autre sauvegarde…"));
    // Shown now: the save then waits without returning to the event loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kalder::ui
