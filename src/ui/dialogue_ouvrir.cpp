#include "ui/dialogue_ouvrir.hpp"

#include "repertoire/messages_repertoire.hpp"
#include "repertoire/prendre_personne.hpp"
#include "repertoire/supprimer_personne.hpp"
#include "ui/boites_message.hpp"
#include "ui/construction.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"
#include "ui/modele_personnes.hpp"
#if defined(KALDER_CLIENTS)
#include "ui/suivi_clients.hpp"
#endif

#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>

#include <algorithm>

namespace kalder::ui {

namespace {

constexpr int largeur = 322;
constexpr int hauteur = 210;
constexpr int marge = 6;
constexpr int largeur_bouton = 90;
constexpr int hauteur_bouton = 25;

} // namespace

DialogueOuvrir::DialogueOuvrir(ListePersonnes liste, QWidget* parent, std::filesystem::path dossier)
    : QDialog(parent), dossier_(std::move(dossier)) {
    setObjectName(QStringLiteral("Ouvrir"));
    setWindowTitle(QStringLiteral("Ouvrir"));
    setModal(true);
    setFixedSize(largeur, hauteur);
    setFont(police(9.75));
    QPalette vert = palette();
    vert.setColor(QPalette::Window, teinte::vert_fonce);
    setPalette(vert);
    setAutoFillBackground(true);

    const bool prises_actives = liste.prises_actives;
    modele_ = new ModelePersonnes(this);
    modele_->remplacer(std::move(liste));
    liste_ = new QListView(this);
    liste_->setObjectName(QStringLiteral("liste_personnes"));
    liste_->setAccessibleName(QStringLiteral("Personnes enregistrées"));
    liste_->setPalette(QPalette());
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every line has the same height: the view never measures 100,000 of them.
    liste_->setUniformItemSizes(true);
    liste_->setModel(modele_);

    // Suppr on the list and its context menu; the engine has already sorted
    // the lines, its own way (accents, case).
    auto* supprimer = new QAction(QStringLiteral("Supprimer…"), liste_);
    supprimer->setObjectName(QStringLiteral("m_supprimer"));
    // Offered only for a selected line.
    supprimer->setEnabled(false);
    connect(liste_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, supprimer] { supprimer->setEnabled(!dossier_.empty() && rang_choisi() >= 0); });
    liste_->addAction(supprimer);
    liste_->setContextMenuPolicy(dossier_.empty() ? Qt::NoContextMenu : Qt::ActionsContextMenu);
    connect(supprimer, &QAction::triggered, this, &DialogueOuvrir::supprimer_selection);
    liste_->installEventFilter(this);

    bouton_vous_ = bouton_sans_defaut(this, QStringLiteral("-> Vous"), "bouton_vous");
    bouton_partenaire_ =
        bouton_sans_defaut(this, QStringLiteral("-> Partenaire"), "bouton_partenaire");
    bouton_abandonner_ =
        bouton_sans_defaut(this, QStringLiteral("Abandonner"), "bouton_abandonner");
    // Wide enough for "-> Partenaire" in the platform's type; the list gives way.
    const int l_bouton =
        std::max({largeur_bouton, bouton_vous_->sizeHint().width(),
                  bouton_partenaire_->sizeHint().width(), bouton_abandonner_->sizeHint().width()});
    const int x_bouton = largeur - marge - l_bouton;
    bouton_vous_->setGeometry(x_bouton, marge, l_bouton, hauteur_bouton);
    bouton_partenaire_->setGeometry(x_bouton, marge + hauteur_bouton + 7, l_bouton, hauteur_bouton);
    bouton_abandonner_->setGeometry(x_bouton, hauteur - marge - hauteur_bouton, l_bouton,
                                    hauteur_bouton);
    liste_->setGeometry(marge, marge, x_bouton - 2 * marge, hauteur - 2 * marge);
    bouton_vous_->setEnabled(prises_actives);
    bouton_partenaire_->setEnabled(prises_actives);

    connect(bouton_vous_, &QPushButton::clicked, this, [this] { prendre(LigneId::vous); });
    connect(bouton_partenaire_, &QPushButton::clicked, this,
            [this] { prendre(LigneId::partenaire); });
    connect(bouton_abandonner_, &QPushButton::clicked, this, &QDialog::reject);
    connect(liste_, &QListView::doubleClicked, this, [this] {
        if (bouton_vous_->isEnabled())
            prendre(LigneId::vous);
    });

    setTabOrder(liste_, bouton_abandonner_);
    setTabOrder(bouton_abandonner_, bouton_vous_);
    setTabOrder(bouton_vous_, bouton_partenaire_);
    liste_->setFocus(Qt::OtherFocusReason);
}

int DialogueOuvrir::rang_choisi() const {
    const QModelIndex i = liste_->currentIndex();
    if (!i.isValid() || !liste_->selectionModel()->isSelected(i))
        return -1;
    return i.row();
}

void DialogueOuvrir::prendre(LigneId ligne) {
    // The list keeps each line's own entry, so a name holding ";" comes back whole.
    if (const int rang = rang_choisi(); rang >= 0)
        choix_ = ChoixPersonne{modele_->liste().personne(static_cast<std::size_t>(rang)), ligne};
    accept();
}

void DialogueOuvrir::supprimer_selection() {
    const int rang = rang_choisi();
    if (rang < 0 || dossier_.empty())
        return;
    const auto i = static_cast<std::size_t>(rang);
    const Personne personne = modele_->liste().personne(i);
    if (montrer_message(this, question_supprimer(personne), QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::No) != QMessageBox::Yes)
        return;
    if (const Issue issue = supprimer_personne(dossier_, personne); issue.message)
        montrer_message(this, *issue.message);
#if defined(KALDER_CLIENTS)
    else
        proposer_effacement_fiche(this, dossier_, personne);
#endif
    // Read again whatever happened: the file may have changed meanwhile.
    ListePersonnes liste = lire_liste_personnes(dossier_);
    if (liste.erreur)
        montrer_message(this, *liste.erreur);
    bouton_vous_->setEnabled(liste.prises_actives);
    bouton_partenaire_->setEnabled(liste.prises_actives);
    modele_->remplacer(std::move(liste));
    if (const int n = modele_->rowCount(); n > 0) {
        const QModelIndex suivante = modele_->index(std::min(rang, n - 1));
        liste_->setCurrentIndex(suivante);
        liste_->scrollTo(suivante);
    }
}

bool DialogueOuvrir::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == liste_ && evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_Delete) {
        supprimer_selection();
        return true;
    }
    return QDialog::eventFilter(objet, evenement);
}

void DialogueOuvrir::keyPressEvent(QKeyEvent* evenement) {
    switch (evenement->key()) {
    case Qt::Key_Escape:
        evenement->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()); b && b->isEnabled())
            b->click();
        evenement->accept();
        return;
    default:
        QDialog::keyPressEvent(evenement);
    }
}

void DialogueOuvrir::ouvrir(FenetrePrincipale& fenetre, const std::filesystem::path& dossier) {
    ListePersonnes liste = lire_liste_personnes(dossier);
    if (liste.erreur)
        montrer_message(&fenetre, *liste.erreur);
    DialogueOuvrir dialogue(std::move(liste), &fenetre, dossier);
    dialogue.exec();
    const auto& choix = dialogue.choix();
    if (!choix)
        return;
    if (choix->ligne == LigneId::vous) {
        // The take-over clears the model first; the emptied interpretation's
        // window goes with it.
        prendre_vous(fenetre.etat(), choix->personne);
#if defined(KALDER_CLIENTS)
        restaurer_client(fenetre, choix->personne);
#endif
        fenetre.secondaires().fermer_interpretation();
    } else {
        prendre_partenaire(fenetre.etat(), choix->personne);
    }
    fenetre.afficher_modele();
}

} // namespace kalder::ui
