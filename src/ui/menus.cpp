#include "ui/fenetre_principale.hpp"

#include "ui/boites_message.hpp"
#include "ui/dossier_consultation.hpp"
#include "ui/fenetre_calendrier.hpp"
#include "ui/fenetre_comparaison.hpp"
#include "ui/fenetre_frise.hpp"
#include "ui/fenetre_trouver_jour.hpp"
#if defined(KALDER_CLIENTS)
#include "ui/fiche_client.hpp"
#include "ui/sauvegarde_donnees.hpp"
#include "ui/suivi_clients.hpp"
#endif
#include "ui/fenetres_secondaires.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QMenu>
#include <QMenuBar>

namespace kalder::ui {

namespace {

QAction* article(QMenu* menu, const QString& texte, const char* nom,
                 const QKeySequence& raccourci = {}) {
    QAction* a = menu->addAction(texte);
    a->setObjectName(QString::fromLatin1(nom));
    a->setShortcut(raccourci);
    return a;
}

QAction* separateur(QMenu* menu, const char* nom) {
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(nom));
    return a;
}

} // namespace

void FenetrePrincipale::construire_menus() {
    QMenuBar* barre = menuBar();

    QMenu* fichier = barre->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("m_fichier"));
    connect(article(fichier, QStringLiteral("Ouvrir..."), "m_ouvrir",
                    QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { ouvrir_personne(); });
    connect(article(fichier, QStringLiteral("Sauvegarder"), "m_enregistrer",
                    QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { sauvegarder_personnes(); });
#if defined(KALDER_CLIENTS)
    connect(article(fichier, QStringLiteral("Fiche client…"), "m_fiche_client",
                    QKeySequence(Qt::CTRL | Qt::Key_K)),
            &QAction::triggered, this,
            [this] { DialogueFicheClient::ouvrir(*this, secondaires().dossier_donnees()); });
    connect(article(fichier, QStringLiteral("Clients…"), "m_clients"), &QAction::triggered, this,
            [this] { DialogueClients::ouvrir(*this, secondaires().dossier_donnees()); });
    connect(article(fichier, QStringLiteral("Sauvegarder toutes les données…"),
                    "m_sauvegarder_donnees"),
            &QAction::triggered, this, [this] { sauvegarder_donnees(*this); });
    connect(article(fichier, QStringLiteral("Restaurer des données…"), "m_restaurer_donnees"),
            &QAction::triggered, this, [this] { restaurer_donnees(*this); });
#endif
    separateur(fichier, "m_trait1");
    connect(article(fichier, QStringLiteral("&Imprimer le thème..."), "m_imprimer2",
                    QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { imprimer_theme(); });
    connect(article(fichier, QStringLiteral("Exporter le dossier PDF…"), "m_exporter_dossier",
                    QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, [this] { exporter_dossier(*this); });
    connect(article(fichier, QStringLiteral("Imprimer le dossier…"), "m_imprimer_dossier"),
            &QAction::triggered, this, [this] { imprimer_dossier(*this); });
    connect(article(fichier, QStringLiteral("Aperçu du dossier…"), "m_apercu_dossier"),
            &QAction::triggered, this, [this] { apercu_dossier(*this); });
    separateur(fichier, "m_trait2");
    connect(article(fichier, QStringLiteral("Quitter"), "m_quitter",
                    QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);

    // Switched off for good: its two items never act.
    QMenu* interpretation = barre->addMenu(QStringLiteral("&Interprétation"));
    interpretation->setObjectName(QStringLiteral("m_interprétation"));
    article(interpretation, QStringLiteral("Imprimer..."), "m_imprimer",
            QKeySequence(Qt::CTRL | Qt::Key_I))
        ->setEnabled(false);
    article(interpretation, QStringLiteral("Exporter..."), "m_exporter",
            QKeySequence(Qt::CTRL | Qt::Key_E))
        ->setEnabled(false);
    interpretation->setEnabled(false);
    interpretation->menuAction()->setEnabled(false);

    QMenu* outils = barre->addMenu(QStringLiteral("&Outils"));
    outils->setObjectName(QStringLiteral("m_outils"));
    connect(article(outils, QStringLiteral("Frise de vie…"), "m_frise"), &QAction::triggered, this,
            [this] { montrer_frise(*this); });
    connect(article(outils, QStringLiteral("Calendrier…"), "m_calendrier"), &QAction::triggered,
            this, [this] { montrer_calendrier(*this); });
    connect(article(outils, QStringLiteral("Trouver un jour…"), "m_trouver_jour"),
            &QAction::triggered, this, [this] { montrer_trouver_jour(*this); });
    connect(article(outils, QStringLiteral("Variantes du nom…"), "m_comparer_noms"),
            &QAction::triggered, this, &FenetrePrincipale::montrer_comparaison);

    QMenu* aide = barre->addMenu(QStringLiteral("&?"));
    aide->setObjectName(QStringLiteral("m_aide"));
    connect(article(aide, QStringLiteral("A propos de Kalder..."), "m_apropos"),
            &QAction::triggered, this, &FenetrePrincipale::a_propos);
    connect(article(aide, QStringLiteral("&Aide..."), "m_aide2"), &QAction::triggered, this,
            [this] { montrer_aide(); });
}

FenetreComparaison* FenetrePrincipale::comparaison() const {
    return comparaison_;
}

void FenetrePrincipale::montrer_comparaison() {
    if (!etat().theme_montre) {
        montrer_message(
            this, Message{"Variantes du nom", "Calculez d'abord un thème.", Icone::information});
        return;
    }
    if (!comparaison_) {
        comparaison_ = new FenetreComparaison(this, variantes_,
                                              [this] { return secondaires().dossier_donnees(); });
        // For the person shown: each new theme becomes the reference, with
        // the spellings compared for that person.
        connect(this, &FenetrePrincipale::theme_calcule, comparaison_, [this] {
            if (etat().theme_montre)
                comparaison_->definir_personne(etat().origines.theme,
                                               etat().annee_calcul(QDate::currentDate().year()));
        });
        connect(this, &FenetrePrincipale::theme_efface, comparaison_,
                &FenetreComparaison::oublier_personne);
#if defined(KALDER_CLIENTS)
        connect(comparaison_, &FenetreComparaison::variantes_changees, this,
                [this](const Theme& personne, const std::vector<NomVariante>& noms) {
                    retenir_variantes_client(*this, personne, noms);
                });
#endif
    }
    comparaison_->definir_personne(etat().origines.theme,
                                   etat().annee_calcul(QDate::currentDate().year()));
    comparaison_->show();
    comparaison_->raise();
    comparaison_->activateWindow();
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    QMainWindow::closeEvent(evenement);
    QApplication::quit();
}

void FenetrePrincipale::a_propos() {
    montrer_message(this,
                    Message{"A Propos", "Kalder Version " KALDER_VERSION, Icone::information});
}

} // namespace kalder::ui
