#include "ui/fenetre_comparaison.hpp"

#include "document/html.hpp"
#include "explication/explications.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/boites_message.hpp"
#include "ui/construction.hpp"
#include "ui/modele_comparaison.hpp"
#include "ui/modele_personnes.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace kalder::ui {

namespace {

// The saved persons, one to choose; nullopt when the user gives up.
std::optional<Personne> choisir_personne(QWidget* parent, ListePersonnes liste) {
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("choix_repertoire"));
    dialogue.setWindowTitle(QStringLiteral("Depuis le répertoire"));
    auto* vue = new QListView(&dialogue);
    vue->setObjectName(QStringLiteral("choix_repertoire_liste"));
    auto* modele = new ModelePersonnes(&dialogue);
    modele->remplacer(std::move(liste));
    vue->setModel(modele);
    vue->setUniformItemSizes(true);
    vue->setCurrentIndex(modele->index(0, 0));
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ajouter"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(boutons, &QDialogButtonBox::accepted, &dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    QObject::connect(vue, &QListView::doubleClicked, &dialogue, &QDialog::accept);
    auto* disposition = new QVBoxLayout(&dialogue);
    disposition->addWidget(vue);
    disposition->addWidget(boutons);
    dialogue.resize(360, 320);
    if (dialogue.exec() != QDialog::Accepted || !vue->currentIndex().isValid())
        return std::nullopt;
    return modele->liste().personne(static_cast<std::size_t>(vue->currentIndex().row()));
}

} // namespace

FenetreComparaison::FenetreComparaison(QWidget* parent,
                                       std::function<std::filesystem::path()> dossier)
    : QWidget(parent, Qt::Window), dossier_(std::move(dossier)) {
    setObjectName(QStringLiteral("fenetre_comparaison"));
    setWindowTitle(QStringLiteral("Comparer des noms"));
    setAttribute(Qt::WA_QuitOnClose, false);

    date_ = new QLabel(this);
    date_->setObjectName(QStringLiteral("comparaison_date"));
    date_->setWordWrap(true);
    date_->setTextFormat(Qt::RichText);
    date_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    prenoms_ = new QLineEdit(this);
    prenoms_->setObjectName(QStringLiteral("comparaison_prenoms"));
    nom_ = new QLineEdit(this);
    nom_->setObjectName(QStringLiteral("comparaison_nom"));
    auto* ajout = bouton_sans_defaut(this, QStringLiteral("Ajouter"), "comparaison_ajouter");
    auto* modif = bouton_sans_defaut(this, QStringLiteral("Modifier"), "comparaison_modifier");
    auto* saisie = new QHBoxLayout;
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Prénoms :"), prenoms_);
    champs->addRow(QStringLiteral("Nom :"), nom_);
    saisie->addLayout(champs, 1);
    auto* boutons_saisie = new QVBoxLayout;
    boutons_saisie->addWidget(ajout);
    boutons_saisie->addWidget(modif);
    saisie->addLayout(boutons_saisie);

    modele_ = new ModeleComparaison(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("comparaison_table"));
    table_->setModel(modele_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);

    auto* legende = new QLabel(
        QStringLiteral("Sur fond jaune : différent de la référence. En rouge : chiffre absent de "
                       "la grille d'inclusion ou nombre karmique. Survolez un nombre pour voir "
                       "comment il est obtenu."),
        this);
    legende->setObjectName(QStringLiteral("comparaison_legende"));
    legende->setWordWrap(true);

    auto* actions = new QHBoxLayout;
    auto* retrait = bouton_sans_defaut(this, QStringLiteral("Retirer"), "comparaison_retirer");
    auto* monter = bouton_sans_defaut(this, QStringLiteral("Monter"), "comparaison_monter");
    auto* descendre =
        bouton_sans_defaut(this, QStringLiteral("Descendre"), "comparaison_descendre");
    auto* repertoire =
        bouton_sans_defaut(this, QStringLiteral("Depuis le répertoire…"), "comparaison_repertoire");
    auto* copie = bouton_sans_defaut(this, QStringLiteral("Copier"), "comparaison_copier");
    for (QPushButton* b : {retrait, monter, descendre, repertoire})
        actions->addWidget(b);
    actions->addStretch(1);
    actions->addWidget(copie);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(date_);
    disposition->addLayout(saisie);
    disposition->addWidget(table_, 1);
    disposition->addWidget(legende);
    disposition->addLayout(actions);

    connect(ajout, &QPushButton::clicked, this, &FenetreComparaison::ajouter);
    connect(prenoms_, &QLineEdit::returnPressed, this, &FenetreComparaison::ajouter);
    connect(nom_, &QLineEdit::returnPressed, this, &FenetreComparaison::ajouter);
    connect(modif, &QPushButton::clicked, this, &FenetreComparaison::modifier);
    connect(retrait, &QPushButton::clicked, this, &FenetreComparaison::retirer);
    auto* suppr = new QShortcut(QKeySequence::Delete, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(suppr, &QShortcut::activated, this, &FenetreComparaison::retirer);
    connect(monter, &QPushButton::clicked, this, [this] { deplacer(-1); });
    connect(descendre, &QPushButton::clicked, this, [this] { deplacer(1); });
    connect(repertoire, &QPushButton::clicked, this, &FenetreComparaison::depuis_repertoire);
    connect(copie, &QPushButton::clicked, this, &FenetreComparaison::copier);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FenetreComparaison::remplir_champs);
    // Any change of rows may move a refused row.
    const auto etendre = [this] { etendre_messages(); };
    connect(modele_, &QAbstractItemModel::modelReset, this, etendre);
    connect(modele_, &QAbstractItemModel::layoutChanged, this, etendre);
    connect(modele_, &QAbstractItemModel::rowsInserted, this, etendre);
    connect(modele_, &QAbstractItemModel::rowsRemoved, this, etendre);
    connect(modele_, &QAbstractItemModel::rowsMoved, this, etendre);
    connect(modele_, &QAbstractItemModel::dataChanged, this, etendre);
    resize(1100, 480);
}

void FenetreComparaison::definir_personne(const Theme& personne, int annee_courante) {
    modele_->definir_personne(personne, annee_courante);
    afficher_date();
    // Sized once, not on every change: a hundred rows stay quick to add. The
    // header keeps room for a sort arrow beside the wrapped caption; the numbers
    // need less.
    table_->resizeColumnsToContents();
    const int largeur =
        table_->fontMetrics().horizontalAdvance(QStringLiteral("d'inclusion,")) + 16;
    for (int c = 1; c < modele_->columnCount(); ++c)
        table_->setColumnWidth(c, std::min(table_->columnWidth(c), largeur));
}

void FenetreComparaison::afficher_date() {
    // "Chemin de vie : 8" already says what it is.
    QStringList parties;
    if (const LigneVariante* ref = modele_->reference())
        for (const NombreDate& n : nombres_de_la_date(*ref))
            parties << QStringLiteral("%1 : <b>%2</b>")
                           .arg(document::echappe(n.legende()),
                                document::echappe(n.slot.texte_valeur()));
    date_->setText(parties.isEmpty() ? QStringLiteral("Pas de date de naissance.")
                                     : parties.join(QStringLiteral(" &nbsp;·&nbsp; ")));
}

int FenetreComparaison::rang_choisi() const {
    const QModelIndex i = table_->selectionModel()->currentIndex();
    return i.isValid() && table_->selectionModel()->isRowSelected(i.row()) ? i.row() : -1;
}

void FenetreComparaison::remplir_champs() {
    const int rang = rang_choisi();
    if (rang < 0)
        return;
    const NomVariante& nom = modele_->ligne(rang).nom;
    prenoms_->setText(QString::fromStdString(nom.prenom));
    nom_->setText(QString::fromStdString(nom.nom));
}

void FenetreComparaison::ajouter() {
    modele_->ajouter({prenoms_->text().toStdString(), nom_->text().toStdString()});
    table_->resizeColumnToContents(0);
    table_->selectRow(modele_->rowCount() - 1);
}

void FenetreComparaison::modifier() {
    const int rang = rang_choisi();
    modele_->remplacer(rang, {prenoms_->text().toStdString(), nom_->text().toStdString()});
    table_->resizeColumnToContents(0);
}

void FenetreComparaison::retirer() {
    modele_->retirer(rang_choisi());
}

void FenetreComparaison::deplacer(int sens) {
    const int rang = rang_choisi();
    if (rang < 0)
        return;
    // A row moved by hand is no longer in the order of a sorted column.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    modele_->deplacer(rang, sens);
    table_->selectRow(std::clamp(rang + sens, 0, modele_->rowCount() - 1));
}

void FenetreComparaison::depuis_repertoire() {
    ListePersonnes liste = lire_liste_personnes(dossier_());
    if (liste.erreur) {
        montrer_message(this, *liste.erreur);
        return;
    }
    if (auto p = choisir_personne(this, std::move(liste))) {
        prenoms_->setText(QString::fromStdString(p->prenoms));
        nom_->setText(QString::fromStdString(p->nom));
        ajouter();
    }
}

void FenetreComparaison::copier() {
    QApplication::clipboard()->setText(modele_->texte_tabule());
}

void FenetreComparaison::etendre_messages() {
    table_->clearSpans();
    for (int r = 0; r < modele_->rowCount(); ++r)
        if (modele_->ligne(r).erreur)
            table_->setSpan(r, 1, 1, modele_->columnCount() - 1);
}

} // namespace kalder::ui
