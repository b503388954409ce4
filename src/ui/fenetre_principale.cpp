#include "ui/fenetre_principale.hpp"

#include "annee/calculer_annee.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "interpretation/commandes.hpp"
#include "modele/effacer.hpp"
#include "theme/calculer_theme.hpp"
#include "ui/boites_message.hpp"
#include "ui/curseur_attente.hpp"
#include "ui/fenetres_secondaires.hpp"
#include "ui/pages.hpp"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalder::ui {

namespace {

constexpr int largeur_client = 809;
constexpr int hauteur_client = 544;

struct Onglet {
    const char* titre;
    QWidget* (*construire)(Controles&);
};
constexpr Onglet onglets_fenetre[] = {
    {"Synthèse", construire_page_synthese},
    {"Détails", construire_page_details},
    {"Cycles", construire_page_cycles},
    {"Entente avec une autre personne", construire_page_entente},
};

} // namespace

FenetrePrincipale::FenetrePrincipale(QWidget* parent)
    : QMainWindow(parent), secondaires_(new FenetresSecondaires(*this)) {
    setObjectName(QStringLiteral("numero"));
    setWindowTitle(QStringLiteral("Kalder"));
    setFont(police(9.75));

    auto* zone = new QWidget(this);
    zone->setObjectName(QStringLiteral("zone_client"));
    zone->setFixedSize(largeur_client, hauteur_client);
    QPalette vert = zone->palette();
    vert.setColor(QPalette::Window, teinte::vert_fonce);
    zone->setPalette(vert);
    zone->setAutoFillBackground(true);
    setCentralWidget(zone);

    controles_.survol = this;
    {
        // A text field lays its empty text out once in the application's
        // font before it takes the window's: with the window's font as the
        // application's meanwhile, no font is loaded that nothing shows.
        // QGuiApplication's, which leaves the fonts the platform gives to
        // menus, tooltips and message boxes as they are.
        const QFont police_application = QGuiApplication::font();
        QGuiApplication::setFont(font());
        construire_ligne_vous(controles_, zone);
        QGuiApplication::setFont(police_application);
    }

    onglets_ = new QTabWidget(zone);
    onglets_->setObjectName(QStringLiteral("onglets"));
    // The pages keep the platform's neutral colours under the green window.
    onglets_->setPalette(QApplication::palette());
    onglets_->setAutoFillBackground(true);
    onglets_->setGeometry(0, 72, largeur_client, hauteur_client - 72 + 1);
    // Each tab holds an empty frame; its page goes in when first needed.
    for (const Onglet& o : onglets_fenetre)
        onglets_->addTab(new QWidget, QString::fromUtf8(o.titre));
    onglets_->setCurrentIndex(0);
    construire_onglet(0);
    connect(onglets_, &QTabWidget::currentChanged, this, &FenetrePrincipale::construire_onglet);

    construire_menus();
    auto* barre = statusBar();
    barre->setObjectName(QStringLiteral("barre_etat"));
    barre->setSizeGripEnabled(false);
    // Fixed before the window exists: nothing moves or resizes.
    setFixedSize(largeur_client,
                 hauteur_client + menuBar()->sizeHint().height() + barre->sizeHint().height());
    suivre_accessibilite();

    relier_controles(Controles{});
    ordonner_focus();
    afficher_modele();
    montrer_statut();
    champ(ChampId::prenom)->setFocus(Qt::OtherFocusReason);
}

void FenetrePrincipale::construire_onglet(int index) {
    if (index < 0 || index >= static_cast<int>(pages_.size()) || pages_[index])
        return;
    const Controles avant = controles_;
    QWidget* cadre = onglets_->widget(index);
    QWidget* page = onglets_fenetre[index].construire(controles_);
    pages_[index] = page;
    // Every slot of the model has its label once every tab is built.
    if (std::all_of(pages_.begin(), pages_.end(), [](QWidget* p) { return p != nullptr; }))
        verifier_slots(controles_);
    auto* disposition = new QVBoxLayout(cadre);
    disposition->setContentsMargins(0, 0, 0, 0);
    page->setParent(cadre);
    disposition->addWidget(page);
    page->show();
    // The first page is built inside the constructor, which links and shows
    // everything once at its end.
    if (!suivi_focus_)
        return;
    relier_controles(avant);
    ordonner_focus();
    afficher_modele();
}

void FenetrePrincipale::construire_onglets() {
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
        construire_onglet(i);
}

QLineEdit* FenetrePrincipale::champ(ChampId id) {
    if (!controles_.champs[static_cast<int>(id)])
        construire_onglets();
    return controles_.champs[static_cast<int>(id)];
}

QPushButton* FenetrePrincipale::bouton(BoutonId id) {
    if (!controles_.boutons[static_cast<int>(id)])
        construire_onglets();
    return controles_.boutons[static_cast<int>(id)];
}

// The children go after this destructor, and the focus moves as they do.
FenetrePrincipale::~FenetrePrincipale() {
    disconnect(suivi_focus_);
}

QLabel* FenetrePrincipale::slot(const QString& nom) {
    auto it = controles_.libelles.constFind(nom);
    if (it == controles_.libelles.constEnd()) {
        construire_onglets();
        it = controles_.libelles.constFind(nom);
    }
    return it == controles_.libelles.constEnd() ? nullptr : it->libelle;
}

// Links the controls that were not there yet in `avant`.
void FenetrePrincipale::relier_controles(const Controles& avant) {
    for (int i = 0; i < nombre_champs; ++i) {
        if (!controles_.champs[i] || avant.champs[i])
            continue;
        const auto id = static_cast<ChampId>(i);
        // textEdited only: the program's own setText never runs the rule twice.
        connect(controles_.champs[i], &QLineEdit::textEdited, this, [this, id](const QString& t) {
            etat_.saisir(id, t.toStdString());
            afficher_boutons();
        });
    }
    for (int i = 0; i < nombre_boutons; ++i) {
        if (!controles_.boutons[i] || avant.boutons[i])
            continue;
        const auto id = static_cast<BoutonId>(i);
        connect(controles_.boutons[i], &QPushButton::clicked, this, [this, id] { executer(id); });
    }
    if (!suivi_focus_) {
        // Qt clears a focused button's default look when it loses the focus.
        suivi_focus_ =
            connect(qApp, &QApplication::focusChanged, this, [this] { afficher_bouton_defaut(); });
    }
    if (controles_.liste_mois && !avant.liste_mois) {
        connect(controles_.liste_mois, &QComboBox::activated, this, [this](int index) {
            etat_.mois_choisi = index + 1;
            appliquer(interpreter_annee(etat_));
        });
    }
}

void FenetrePrincipale::executer(BoutonId id) {
    switch (id) {
    case BoutonId::calculer: {
        Issue issue;
        {
            CurseurAttente attente;
            issue = calculer_theme(etat_, QDate::currentDate().year());
            if (!issue.message) {
                actualiser_compatibilite(etat_);
                reinterpreter(etat_);
            }
        }
        appliquer(issue);
        secondaires_->rafraichir_interpretation();
        break;
    }
    case BoutonId::calculer_entente: {
        Issue issue;
        {
            CurseurAttente attente;
            issue = calculer_compatibilite(etat_);
        }
        appliquer(issue);
        break;
    }
    case BoutonId::calculer_annee:
        appliquer(calculer_pour_annee(etat_));
        break;
    case BoutonId::effacer_tout:
        appliquer(effacer_tout(etat_));
        fermer_interpretation();
        break;
    case BoutonId::effacer_partenaire:
        effacer_partenaire(etat_);
        afficher_modele();
        break;
    case BoutonId::synthese:
        appliquer(interpreter_synthese(etat_));
        break;
    case BoutonId::details:
        appliquer(interpreter_details(etat_));
        break;
    case BoutonId::annee:
        appliquer(interpreter_annee(etat_));
        break;
    case BoutonId::entente:
        appliquer(interpreter_entente(etat_));
        break;
    }
}

void FenetrePrincipale::appliquer(const Issue& issue) {
    afficher_modele();
    statut_ = QString::fromStdString(issue.statut);
    montrer_statut();
    if (issue.message)
        montrer_message(this, *issue.message);
    if (issue.focus) {
        // A field on a page that is not shown cannot take the cursor: the
        // compatibility line may be checked by Enter from another page.
        QLineEdit* fautif = champ(*issue.focus);
        for (int i = 0; i < onglets_->count(); ++i) {
            if (onglets_->widget(i)->isAncestorOf(fautif))
                onglets_->setCurrentIndex(i);
        }
        fautif->setFocus(Qt::OtherFocusReason);
        // Typing then replaces the refused value.
        fautif->selectAll();
    }
    if (issue.afficher_interpretation)
        montrer_interpretation();
}

void FenetrePrincipale::effacer() {
    kalder::effacer(etat_);
    afficher_modele();
    fermer_interpretation();
}

void FenetrePrincipale::saisir_champ(ChampId id, const QString& texte) {
    etat_.saisir(id, texte.toStdString());
    afficher_modele();
}

void FenetrePrincipale::keyPressEvent(QKeyEvent* evenement) {
    // Enter that no control used itself presses the model's default button,
    // and nothing at all while that button is disabled.
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        if (auto id = etat_.bouton_entree())
            bouton(*id)->click();
        evenement->accept();
        return;
    }
    QMainWindow::keyPressEvent(evenement);
}

void FenetrePrincipale::montrer_interpretation() {
    secondaires_->montrer_interpretation();
}
void FenetrePrincipale::fermer_interpretation() {
    secondaires_->fermer_interpretation();
}
void FenetrePrincipale::ouvrir_personne() {
    secondaires_->ouvrir_personne();
}
void FenetrePrincipale::sauvegarder_personnes() {
    secondaires_->sauvegarder_personnes();
}
void FenetrePrincipale::imprimer_theme() {
    secondaires_->imprimer_theme();
}
void FenetrePrincipale::montrer_aide() {
    secondaires_->montrer_aide();
}

} // namespace kalder::ui
