#include "ui/fenetre_comparaison.hpp"

#include "document/html.hpp"
#include "explication/explications.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/boites_message.hpp"
#include "ui/choix_repertoire.hpp"
#include "ui/construction.hpp"
#include "ui/modele_comparaison.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <charconv>

namespace kalder::ui {

namespace {

Nombre en_nombre(const std::string& texte) {
    Nombre n = 0;
    const auto r = std::from_chars(texte.data(), texte.data() + texte.size(), n);
    return r.ec == std::errc() ? n : 0;
}

// A spelling is compared with the person's own birth date: an entry of the
// directory with another date is another person.
bool meme_date(const Personne& p, const Theme& t) {
    return en_nombre(p.jour) == t.jour && en_nombre(p.mois) == t.mois &&
           en_nombre(p.annee) == t.annee;
}

} // namespace

FenetreComparaison::FenetreComparaison(QWidget* parent, VariantesParPersonne& variantes,
                                       std::function<std::filesystem::path()> dossier)
    : QWidget(parent, Qt::Window), variantes_(variantes), dossier_(std::move(dossier)) {
    setObjectName(QStringLiteral("fenetre_comparaison"));
    setWindowTitle(QStringLiteral("Variantes du nom"));
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
    modif_ = bouton_sans_defaut(this, QStringLiteral("Modifier"), "comparaison_modifier");
    auto* modif = modif_;
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

    auto* legende = new QLabel(QStringLiteral("Sur fond jaune\u00A0: différent de la référence "
                                              "(marqué ≠ dans la copie). ") +
                                   document::legende_couleurs +
                                   QStringLiteral(" Laissez la souris sur un nombre pour voir "
                                                  "comment il a été obtenu."),
                               this);
    legende->setObjectName(QStringLiteral("comparaison_legende"));
    legende->setWordWrap(true);

    auto* actions = new QHBoxLayout;
    retrait_ = bouton_sans_defaut(this, QStringLiteral("Retirer"), "comparaison_retirer");
    auto* retrait = retrait_;
    auto* monter = bouton_sans_defaut(this, QStringLiteral("Monter"), "comparaison_monter");
    auto* descendre =
        bouton_sans_defaut(this, QStringLiteral("Descendre"), "comparaison_descendre");
    auto* repertoire =
        bouton_sans_defaut(this, QStringLiteral("Depuis le répertoire…"), "comparaison_repertoire");
    auto* copie = bouton_sans_defaut(this, QStringLiteral("Copier"), "comparaison_copier");
    differences_ = new QCheckBox(QStringLiteral("Seulement les différences"), this);
    differences_->setObjectName(QStringLiteral("comparaison_differences"));
    for (QPushButton* b : {retrait, monter, descendre, repertoire})
        actions->addWidget(b);
    actions->addStretch(1);
    actions->addWidget(differences_);
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
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FenetreComparaison::activer_boutons);
    connect(differences_, &QCheckBox::toggled, this, &FenetreComparaison::montrer_colonnes);
    // Any change of rows may move a refused row, or change what differs.
    const auto etendre = [this] {
        apres_changement();
        etendre_messages();
        montrer_colonnes();
        activer_boutons();
    };
    connect(modele_, &QAbstractItemModel::modelReset, this, etendre);
    connect(modele_, &QAbstractItemModel::layoutChanged, this, etendre);
    connect(modele_, &QAbstractItemModel::rowsInserted, this, etendre);
    connect(modele_, &QAbstractItemModel::rowsRemoved, this, etendre);
    connect(modele_, &QAbstractItemModel::rowsMoved, this, etendre);
    connect(modele_, &QAbstractItemModel::dataChanged, this, etendre);
    activer_boutons();
    resize(1100, 480);
}

void FenetreComparaison::definir_personne(const Theme& personne, int annee_courante) {
    personne_ = personne;
    modele_->definir_personne(personne, annee_courante, variantes_.de(personne));
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

void FenetreComparaison::oublier_personne() {
    modele_->vider();
    afficher_date();
    prenoms_->clear();
    nom_->clear();
    hide();
}

void FenetreComparaison::apres_changement() {
    if (!modele_->reference())
        return;
    std::vector<NomVariante> noms = modele_->variantes();
    if (noms == variantes_.de(personne_))
        return;
    variantes_.retenir(personne_, noms);
    emit variantes_changees(personne_, noms);
}

void FenetreComparaison::montrer_colonnes() {
    const bool seules = differences_->isChecked();
    for (int c = 1; c < modele_->columnCount(); ++c)
        table_->setColumnHidden(c, seules && !modele_->colonne_differe(c));
}

// "Retirer" and "Modifier" act on a spelling the user added, never on the
// person's own name.
void FenetreComparaison::activer_boutons() {
    const int rang = rang_choisi();
    const bool variante = rang >= 0 && !modele_->est_reference(rang);
    retrait_->setEnabled(variante);
    modif_->setEnabled(variante);
}

void FenetreComparaison::afficher_date() {
    // "Chemin de vie : 8" already says what it is.
    QStringList parties;
    if (const LigneVariante* ref = modele_->reference())
        for (const NombreDate& n : nombres_de_la_date(*ref))
            parties << QStringLiteral("%1\u202f: <b>%2</b>")
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
    // Ready for the next spelling.
    prenoms_->clear();
    nom_->clear();
    prenoms_->setFocus();
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
    QStringList autres;
    for (const Personne& p : choisir_personnes(this, std::move(liste))) {
        if (!meme_date(p, personne_)) {
            autres << personne_lisible(p);
            continue;
        }
        modele_->ajouter({p.prenoms, p.nom});
    }
    table_->resizeColumnToContents(0);
    if (!autres.isEmpty())
        montrer_message(
            this, Message{"Variantes du nom",
                          (QStringLiteral("Non ajoutés (autre date de naissance)\u00A0: ") +
                           autres.join(QStringLiteral(", ")) +
                           QStringLiteral(".\nUne variante du nom se compare avec la même date "
                                          "de naissance\u00A0; une autre personne se calcule "
                                          "dans la fenêtre principale."))
                              .toStdString(),
                          Icone::information});
}

void FenetreComparaison::copier() {
    QApplication::clipboard()->setText(modele_->texte_tabule(differences_->isChecked()));
}

void FenetreComparaison::etendre_messages() {
    table_->clearSpans();
    for (int r = 0; r < modele_->rowCount(); ++r)
        if (modele_->ligne(r).erreur)
            table_->setSpan(r, 1, 1, modele_->columnCount() - 1);
}

} // namespace kalder::ui
