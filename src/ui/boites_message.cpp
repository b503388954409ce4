#include "ui/boites_message.hpp"

#include <QAbstractButton>

#include <deque>
#include <utility>

namespace kalder::ui {

namespace {

std::deque<QMessageBox::StandardButton> reponses;
bool automatique = false;
std::optional<MessageMontre> dernier;
int nombre = 0;

QMessageBox::StandardButton premier_bouton(QMessageBox::StandardButtons boutons) {
    for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
        if (boutons.testFlag(b))
            return b;
    }
    return QMessageBox::NoButton;
}

} // namespace

QMessageBox::Icon icone_qt(kalder::Icone icone) {
    switch (icone) {
    case Icone::aucune:
        return QMessageBox::NoIcon;
    case Icone::avertissement:
    case Icone::exclamation:
        return QMessageBox::Warning;
    case Icone::question:
        return QMessageBox::Question;
    case Icone::information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton montrer_message(QWidget* parent, const kalder::Message& m,
                                            QMessageBox::StandardButtons boutons,
                                            QMessageBox::StandardButton defaut) {
    MessageMontre montre{QString::fromStdString(m.titre), QString::fromStdString(m.texte),
                         icone_qt(m.icone)};
    dernier = montre;
    ++nombre;
    if (!reponses.empty()) {
        auto reponse = reponses.front();
        reponses.pop_front();
        return reponse;
    }
    if (automatique)
        return defaut != QMessageBox::NoButton ? defaut : premier_bouton(boutons);

    QMessageBox boite(montre.icone, montre.titre, montre.texte, boutons, parent);
    // French whether or not Qt's own translation is installed.
    const std::pair<QMessageBox::StandardButton, QString> textes[] = {
        {QMessageBox::Ok, QStringLiteral("OK")},
        {QMessageBox::Yes, QStringLiteral("&Oui")},
        {QMessageBox::No, QStringLiteral("&Non")},
        {QMessageBox::Cancel, QStringLiteral("Annuler")}};
    for (const auto& [bouton, texte] : textes) {
        if (QAbstractButton* b = boite.button(bouton))
            b->setText(texte);
    }
    if (defaut != QMessageBox::NoButton)
        boite.setDefaultButton(defaut);
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}

void definir_reponse_suivante(QMessageBox::StandardButton reponse) {
    reponses.push_back(reponse);
}

void repondre_automatiquement(bool a) {
    automatique = a;
}

std::optional<MessageMontre> dernier_message() {
    return dernier;
}

int nombre_messages_montres() {
    return nombre;
}

void oublier_messages() {
    reponses.clear();
    dernier.reset();
    nombre = 0;
}

} // namespace kalder::ui
