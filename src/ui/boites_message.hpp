#pragma once
// Every message box of the program goes through montrer_message, so that the
// tests can answer a box without it blocking and read what it said.

#include "modele/etat_fenetre.hpp"

#include <QMessageBox>
#include <QString>

#include <optional>

namespace kalder::ui {

// Shows a modal box titled and worded as the message says; Icone::avertissement
// gives the warning icon. Returns the button that closed it.
QMessageBox::StandardButton
montrer_message(QWidget* parent, const kalder::Message& m,
                QMessageBox::StandardButtons boutons = QMessageBox::Ok,
                QMessageBox::StandardButton defaut = QMessageBox::NoButton);

// What a box said, as the user saw it.
struct MessageMontre {
    QString titre;
    QString texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
};

// For the tests. The answers queue up: each box takes the oldest one instead
// of being shown. With automatique on, a box with no queued answer is not
// shown either and answers its default button (or the first of its buttons).
void definir_reponse_suivante(QMessageBox::StandardButton reponse);
void repondre_automatiquement(bool automatique);
std::optional<MessageMontre> dernier_message();
int nombre_messages_montres();
void oublier_messages(); // also drops the queued answers

QMessageBox::Icon icone_qt(kalder::Icone icone);

} // namespace kalder::ui
