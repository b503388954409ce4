#include "ui/fenetre_principale.hpp"

#include "annee/calculer_annee.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "interpretation/commandes.hpp"
#include "modele/catalogue.hpp"
#include "modele/effacer.hpp"
#include "theme/calculer_theme.hpp"
#include "ui/boites_message.hpp"
#include "ui/cadre_page.hpp"
#include "ui/curseur_attente.hpp"
#include "ui/fenetres_secondaires.hpp"
#include "ui/pages.hpp"
#if defined(KALDER_CLIENTS)
#include "ui/suivi_clients.hpp"
#endif

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

namespace kalder::ui {

namespace {

constexpr int largeur_client = 809;
constexpr int hauteur_client = 544;

struct Onglet {
    std::string_view titre;
    Page* (*fabriquer)(QObject* survol);
};
template <typename P> Page* fabriquer(QObject* survol) {
    return new P(survol);
}
constexpr Onglet onglets_fenetre[] = {
    {onglets_catalogue[0].titre, fabriquer<PageSynthese>},
    {onglets_catalogue[1].titre, fabriquer<PageDetails>},
    {onglets_catalogue[2].titre, fabriquer<PageCycles>},
    {onglets_catalogue[3].titre, fabriquer<PageEntente>},
};

// Adds the controls of a page to those the window already holds.
void ajouter(Controles& tous, const Controles& page) {
    for (int i = 0; i < nombre_champs; ++i)
        if (page.champs[i])
            tous.champs[i] = page.champs[i];
    for (int i = 0; i < nombre_boutons; ++i)
        if (page.boutons[i])
            tous.boutons[i] = page.boutons[i];
    if (page.liste_mois)
        tous.liste_mois = page.liste_mois;
    tous.libelles.insert(page.libelles);
}

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
    // Qt clears a focused button's default look when it loses the focus.
    suivi_focus_ =
        connect(qApp, &QApplication::focusChanged, this, [this] { afficher_bouton_defaut(); });
    construire_ligne_vous(controles_, zone);
    relier_controles(controles_);

    onglets_ = new QTabWidget(zone);
    onglets_->setObjectName(QStringLiteral("onglets"));
    // The pages keep the platform's neutral colours under the green window.
    onglets_->setPalette(QApplication::palette());
    onglets_->setAutoFillBackground(true);
    onglets_->setGeometry(0, 72, largeur_client, hauteur_client - 72 + 1);
    for (std::size_t i = 0; i < cadres_.size(); ++i) {
        const Onglet& o = onglets_fenetre[i];
        cadres_[i] = new CadrePage([this, fabrique = o.fabriquer] { return fabrique(this); });
        connect(cadres_[i], &CadrePage::page_construite, this,
                [this](const Page& page) { ajouter_controles(page.controles()); });
        onglets_->addTab(cadres_[i],
                         QString::fromUtf8(o.titre.data(), static_cast<qsizetype>(o.titre.size())));
    }
    onglets_->setCurrentIndex(0);
    // The page shown first is built now; its controls are linked and the
    // model shown on the whole window.
    cadres_[0]->page();

    construire_menus();
    auto* barre = statusBar();
    barre->setObjectName(QStringLiteral("barre_etat"));
    barre->setSizeGripEnabled(false);
    // Fixed before the window exists: nothing moves or resizes.
    setFixedSize(largeur_client,
                 hauteur_client + menuBar()->sizeHint().height() + barre->sizeHint().height());
    suivre_accessibilite();
    montrer_statut();
    champ(ChampId::prenom)->setFocus(Qt::OtherFocusReason);
}

// A part of the window that has just been built: its controls linked, the
// Tab chain laid again and the model shown on them.
void FenetrePrincipale::ajouter_controles(const Controles& nouveaux) {
    ajouter(controles_, nouveaux);
    relier_controles(nouveaux);
    // Every slot of the model has its label once every tab is built.
    if (std::all_of(cadres_.begin(), cadres_.end(),
                    [](const CadrePage* c) { return c && c->construite(); }))
        verifier_slots(controles_);
    ordonner_focus();
    afficher_modele();
}

void FenetrePrincipale::construire_onglets() {
    for (CadrePage* c : cadres_)
        c->page();
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

void FenetrePrincipale::relier_controles(const Controles& nouveaux) {
    for (int i = 0; i < nombre_champs; ++i) {
        if (!nouveaux.champs[i])
            continue;
        const auto id = static_cast<ChampId>(i);
        // textEdited only: the program's own setText never runs the rule twice.
        connect(nouveaux.champs[i], &QLineEdit::textEdited, this, [this, id](const QString& t) {
            etat_.saisir(id, t.toStdString());
            afficher_boutons();
        });
    }
    for (int i = 0; i < nombre_boutons; ++i) {
        if (!nouveaux.boutons[i])
            continue;
        const auto id = static_cast<BoutonId>(i);
        connect(nouveaux.boutons[i], &QPushButton::clicked, this, [this, id] { executer(id); });
    }
    if (nouveaux.liste_mois) {
        connect(nouveaux.liste_mois, &QComboBox::activated, this, [this](int index) {
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
        emit theme_calcule();
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
#if defined(KALDER_CLIENTS)
        // The partner is offered again when this person is next opened.
        if (!issue.message)
            retenir_partenaire_client(*this);
#endif
        break;
    }
    case BoutonId::calculer_annee:
        appliquer(calculer_pour_annee(etat_));
        emit theme_calcule();
        break;
    case BoutonId::effacer_tout: {
        // The spellings compared for the person shown go with it.
        if (etat_.theme_montre)
            variantes_.oublier(etat_.origines.theme);
        appliquer(effacer_tout(etat_));
        fermer_interpretation();
        emit theme_efface();
        break;
    }
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
    emit theme_efface();
}

const std::vector<NomVariante>& FenetrePrincipale::variantes_du_theme() const {
    static const std::vector<NomVariante> aucune;
    return etat_.theme_montre ? variantes_.de(etat_.origines.theme) : aucune;
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
