#include "ui/dialogue_ouvrir.hpp"

#include "repertoire/prendre_personne.hpp"
#include "ui/boites_message.hpp"
#include "ui/construction.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace kalder::ui {

namespace {

constexpr int largeur = 322;
constexpr int hauteur = 210;
constexpr int marge = 6;
constexpr int largeur_bouton = 90;
constexpr int hauteur_bouton = 25;

QPushButton* bouton_sans_defaut(QWidget* parent, const QString& texte, const char* nom) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    // No default button: Enter presses only the button that has the focus.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

DialogueOuvrir::DialogueOuvrir(const ListePersonnes& liste, QWidget* parent)
    : QDialog(parent), personnes_(liste.personnes) {
    setObjectName(QStringLiteral("Ouvrir"));
    setWindowTitle(QStringLiteral("Ouvrir"));
    setModal(true);
    setFixedSize(largeur, hauteur);
    setFont(police(9.75));
    QPalette vert = palette();
    vert.setColor(QPalette::Window, teinte::vert_fonce);
    setPalette(vert);
    setAutoFillBackground(true);

    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("liste_personnes"));
    liste_->setPalette(QPalette());
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The engine has already sorted the lines, its own way (accents, case).
    liste_->setSortingEnabled(false);
    for (std::size_t i = 0; i < liste.lignes.size(); ++i) {
        auto* ligne = new QListWidgetItem(QString::fromStdString(liste.lignes[i]), liste_);
        ligne->setData(Qt::UserRole, static_cast<qulonglong>(i));
    }

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
    bouton_vous_->setEnabled(liste.prises_actives);
    bouton_partenaire_->setEnabled(liste.prises_actives);

    connect(bouton_vous_, &QPushButton::clicked, this, [this] { prendre(LigneId::vous); });
    connect(bouton_partenaire_, &QPushButton::clicked, this,
            [this] { prendre(LigneId::partenaire); });
    connect(bouton_abandonner_, &QPushButton::clicked, this, &QDialog::reject);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] {
        if (bouton_vous_->isEnabled())
            prendre(LigneId::vous);
    });

    setTabOrder(liste_, bouton_abandonner_);
    setTabOrder(bouton_abandonner_, bouton_vous_);
    setTabOrder(bouton_vous_, bouton_partenaire_);
    liste_->setFocus(Qt::OtherFocusReason);
}

void DialogueOuvrir::prendre(LigneId ligne) {
    // The list keeps each line's own entry, so a name holding ";" comes back whole.
    if (QListWidgetItem* choisie = liste_->currentItem(); choisie && choisie->isSelected()) {
        const auto i = choisie->data(Qt::UserRole).toULongLong();
        choix_ = ChoixPersonne{personnes_.at(i), ligne};
    }
    accept();
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
    const ListePersonnes liste = lire_liste_personnes(dossier);
    if (liste.erreur)
        montrer_message(&fenetre, *liste.erreur);
    DialogueOuvrir dialogue(liste, &fenetre);
    dialogue.exec();
    const auto& choix = dialogue.choix();
    if (!choix)
        return;
    if (choix->ligne == LigneId::vous) {
        // The take-over clears the model first; the emptied interpretation's
        // window goes with it.
        prendre_vous(fenetre.etat(), choix->personne);
        fenetre.secondaires().fermer_interpretation();
    } else {
        prendre_partenaire(fenetre.etat(), choix->personne);
    }
    fenetre.afficher_modele();
}

} // namespace kalder::ui
