// The explanation of each number: shown on hover (tooltip and status bar)
// and given to screen readers, each written only when asked.
#include "ui/fenetre_principale.hpp"

#include "explication/explications.hpp"
#include "modele/catalogue.hpp"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace kalder::ui {

namespace {

// The last guard: an explanation that does not reach the value shown would
// mislead, so the window keeps it to itself (the engine's tests forbid one).
QString montrable(EtatFenetre& etat, const std::string& nom, const std::string& explication) {
    const Slot* slot = trouver_slot(etat, nom);
    if (!slot || !atteint_la_valeur(explication, slot->texte))
        return {};
    return QString::fromStdString(explication);
}

} // namespace

QStatusBar* FenetrePrincipale::barre_etat() const {
    return statusBar();
}

void FenetrePrincipale::suivre_accessibilite() {
    // Descriptions are written for every slot once an assistive tool listens.
    observateur_ = std::make_unique<ObservateurAccessibilite>([this](bool actif) {
        lecteur_ecran_ = actif;
        if (actif)
            decrire_slots();
    });
    lecteur_ecran_ = QAccessible::isActive();
    if (lecteur_ecran_)
        decrire_slots();
}

void FenetrePrincipale::nommer_slot(const QString& nom, QLabel* libelle) {
    const QString texte = libelle->text();
    // "Grille d'inclusion, chiffre 8 : 0", never a bare number.
    const QString titre = QString::fromStdString(libelle_slot(nom.toStdString()));
    libelle->setAccessibleName(texte.isEmpty() ? titre : titre + QStringLiteral(" : ") + texte);
}

void FenetrePrincipale::decrire_slots() {
    for (const auto& [nom, explication] : expliquer_slots(etat_)) {
        auto it = controles_.libelles.constFind(QString::fromStdString(nom));
        if (it == controles_.libelles.constEnd())
            continue;
        const QString description = montrable(etat_, nom, explication);
        if (it->libelle->accessibleDescription() != description)
            it->libelle->setAccessibleDescription(description);
    }
}

void FenetrePrincipale::survoler(const QString& nom, QLabel* libelle) {
    const std::string nom_slot = nom.toStdString();
    const QString explication = montrable(etat_, nom_slot, expliquer_slot(etat_, nom_slot));
    libelle->setToolTip(explication);
    if (explication.isEmpty())
        barre_etat()->showMessage(statut_);
    else
        barre_etat()->showMessage(explication);
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    const auto type = evenement->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::ToolTip)
        return QMainWindow::eventFilter(objet, evenement);
    auto* libelle = qobject_cast<QLabel*>(objet);
    if (!libelle || !controles_.libelles.contains(libelle->objectName()))
        return QMainWindow::eventFilter(objet, evenement);
    if (type == QEvent::Leave) {
        if (statut_.isEmpty())
            barre_etat()->clearMessage();
        else
            barre_etat()->showMessage(statut_);
    } else {
        // Written now, from the model as it stands: never a stale one.
        survoler(libelle->objectName(), libelle);
    }
    return false;
}

} // namespace kalder::ui
