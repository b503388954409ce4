// Pushing the model onto the widgets of the main window.
#include "ui/fenetre_principale.hpp"

#include "modele/slots.hpp"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalder::ui {

std::optional<QColor> couleur_du_modele(Couleur c) {
    switch (c) {
    case Couleur::rouge_fonce:
        return teinte::rouge_fonce;
    case Couleur::vert:
        return teinte::vert_fonce;
    case Couleur::defaut:
        break;
    }
    return std::nullopt;
}

void FenetrePrincipale::afficher_modele() {
    afficher_champs();
    afficher_slots();
    afficher_boutons();
}

void FenetrePrincipale::afficher_champs() {
    for (int i = 0; i < nombre_champs; ++i) {
        QLineEdit* e = controles_.champs[i];
        if (!e) // on a tab not built yet
            continue;
        const Champ& c = etat_.champs[i];
        const QString texte = QString::fromStdString(c.texte);
        // Only a real difference is written back, so typing keeps its cursor.
        if (e->text() != texte)
            e->setText(texte);
        e->setEnabled(c.actif);
    }
}

void FenetrePrincipale::afficher_boutons() {
    for (int i = 0; i < nombre_boutons; ++i) {
        QPushButton* b = controles_.boutons[i];
        if (b)
            b->setEnabled(etat_.actif(static_cast<BoutonId>(i)));
    }
    afficher_bouton_defaut();
    if (QComboBox* mois = controles_.liste_mois) {
        mois->setEnabled(etat_.liste_mois_active);
        if (mois->currentIndex() != etat_.mois_choisi - 1)
            mois->setCurrentIndex(etat_.mois_choisi - 1);
    }
}

// A button that has the focus takes Enter for itself and looks like the
// default one meanwhile; otherwise the model's default button does.
void FenetrePrincipale::afficher_bouton_defaut() {
    const auto& boutons = controles_.boutons;
    QWidget* focus = QApplication::focusWidget();
    const bool bouton_au_focus = std::find(boutons.begin(), boutons.end(), focus) != boutons.end();
    for (int i = 0; i < nombre_boutons; ++i) {
        if (!boutons[i])
            continue;
        const bool defaut =
            bouton_au_focus ? boutons[i] == focus : static_cast<BoutonId>(i) == etat_.bouton_defaut;
        boutons[i]->setDefault(defaut);
    }
}

void FenetrePrincipale::afficher_slots() {
    bool change = false;
    for (const auto& [nom, s] : slots_nommes(std::as_const(etat_))) {
        // Absent only on a tab not built yet: verifier_slots makes sure, once
        // every tab is built, that every slot is on screen.
        const LibelleSlot a_l_ecran = controles_.libelles.value(QString::fromStdString(nom));
        QLabel* l = a_l_ecran.libelle;
        if (!l)
            continue;
        const QString texte = QString::fromStdString(s->texte);
        if (l->text() != texte) {
            l->setText(texte);
            nommer_slot(QString::fromStdString(nom), l);
            // The next hover writes the explanation of the new value.
            l->setToolTip(QString());
            change = true;
        }
        const QColor couleur = couleur_du_modele(s->couleur).value_or(a_l_ecran.couleur_base);
        if (l->palette().color(QPalette::WindowText) != couleur) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, couleur);
            l->setPalette(p);
        }
        if (l->isHidden() == s->visible)
            l->setVisible(s->visible);
    }
    if (change && lecteur_ecran_)
        decrire_slots();
}

} // namespace kalder::ui
