// The explanation of each number: shown on hover (tooltip and status bar)
// and given to screen readers, each written only when asked.
#include "ui/fenetre_principale.hpp"

#include "explication/explications.hpp"
#include "modele/catalogue.hpp"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace kalder::ui {

namespace {

// Said in the status bar until a first explanation has been shown there.
const QString indication_survol =
    QStringLiteral("Laissez la souris sur un nombre pour voir comment il a été obtenu.");

// What the status bar draws its message in: its width less the margins it
// keeps on each side.
constexpr int marges_message = 24;

} // namespace

QString texte_pour_barre(const QString& explication, const QFontMetrics& mesure, int largeur) {
    // Cut in the middle: the label at the start and the last steps with the
    // result stay readable; the whole text is in the tooltip.
    return mesure.elidedText(explication, Qt::ElideMiddle, std::max(0, largeur - marges_message));
}

void FenetrePrincipale::montrer_statut() {
    if (!statut_.isEmpty())
        barre_etat()->showMessage(statut_);
    else if (indication_a_donner_)
        barre_etat()->showMessage(indication_survol);
    else
        barre_etat()->clearMessage();
}

void FenetrePrincipale::signaler(const QString& texte) {
    statut_ = texte;
    montrer_statut();
}

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
    // "Grille d'inclusion, chiffre 8 : 0", never a bare number; a triangle
    // slot already holds its caption ("Nombre clef : 8"), said once.
    const QString titre = QString::fromStdString(libelle_slot(nom.toStdString()));
    if (texte.isEmpty())
        libelle->setAccessibleName(titre);
    else if (texte.startsWith(titre))
        libelle->setAccessibleName(texte);
    else
        libelle->setAccessibleName(titre + QStringLiteral(" : ") + texte);
}

void FenetrePrincipale::decrire_slots() {
    for (const auto& [nom, explication] : expliquer_slots(etat_)) {
        auto it = controles_.libelles.constFind(QString::fromStdString(nom));
        if (it == controles_.libelles.constEnd())
            continue;
        const QString description = QString::fromStdString(explication);
        if (it->libelle->accessibleDescription() != description)
            it->libelle->setAccessibleDescription(description);
    }
}

void FenetrePrincipale::survoler(const QString& nom, QLabel* libelle) {
    const QString explication = QString::fromStdString(expliquer_slot(etat_, nom.toStdString()));
    libelle->setToolTip(explication);
    if (explication.isEmpty()) {
        montrer_statut();
        return;
    }
    indication_a_donner_ = false;
    QStatusBar* barre = barre_etat();
    barre->showMessage(texte_pour_barre(explication, barre->fontMetrics(), barre->width()));
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    const auto type = evenement->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::ToolTip)
        return QMainWindow::eventFilter(objet, evenement);
    auto* libelle = qobject_cast<QLabel*>(objet);
    if (!libelle || !controles_.libelles.contains(libelle->objectName()))
        return QMainWindow::eventFilter(objet, evenement);
    if (type == QEvent::Leave) {
        montrer_statut();
    } else {
        // Written now, from the model as it stands: never a stale one.
        survoler(libelle->objectName(), libelle);
    }
    return false;
}

} // namespace kalder::ui
