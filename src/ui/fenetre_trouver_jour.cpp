#include "ui/fenetre_trouver_jour.hpp"

#include "calendrier/ics.hpp"
#include "calendrier/sens.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/boites_message.hpp"
#include "ui/choix_repertoire.hpp"
#include "ui/fenetre_calendrier.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"
#include "ui/suivi_clients.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kalder::ui {

namespace {

using namespace std::chrono;

QString qt(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Date date_de(const QDate& d) {
    return Date{year{d.year()}, month{static_cast<unsigned>(d.month())},
                day{static_cast<unsigned>(d.day())}};
}

// "1 · 3 · 6": the personal day, month and year.
QString nombres(const JourPersonnel& j) {
    return QStringLiteral("%1 · %2 · %3")
        .arg(j.jour_personnel)
        .arg(j.mois_personnel)
        .arg(j.annee_personnelle);
}

// "Tous", then 1 to 9.
QComboBox* liste_facultative(const QString& nom) {
    auto* liste = new QComboBox;
    liste->setObjectName(nom);
    liste->addItem(QStringLiteral("Tous"));
    for (int n = 1; n <= 9; ++n)
        liste->addItem(QString::number(n), n);
    return liste;
}

std::optional<Nombre> choix(const QComboBox* liste) {
    if (liste->currentIndex() <= 0)
        return std::nullopt;
    return liste->currentData().toInt();
}

QString choisir_par_dialogue(QWidget* parent, const QString& titre, const QString& nom,
                             const QString& filtre) {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, titre, dossier + QLatin1Char('/') + nom, filtre);
}

} // namespace

FenetreTrouverJour::FenetreTrouverJour(FenetrePrincipale& principale)
    : QDialog(&principale), principale_(principale) {
    setObjectName(QStringLiteral("fenetre_trouver_jour"));
    setWindowTitle(QStringLiteral("Trouver un jour"));
    horloge = [] { return QDateTime::currentDateTime(); };
    choisir_fichier = choisir_par_dialogue;

    qui_ = new QLabel;
    qui_->setObjectName(QStringLiteral("trouver_personne"));
    avec_partenaire_ = new QCheckBox;
    avec_partenaire_->setObjectName(QStringLiteral("trouver_avec_partenaire"));
    jour_ = new QSpinBox;
    jour_->setObjectName(QStringLiteral("trouver_jour_personnel"));
    jour_->setRange(1, 9);
    mois_ = liste_facultative(QStringLiteral("trouver_mois_personnel"));
    annee_ = liste_facultative(QStringLiteral("trouver_annee_personnelle"));
    const int annee = horloge().date().year();
    du_ = new QDateEdit(QDate(annee, 1, 1));
    du_->setObjectName(QStringLiteral("trouver_du"));
    au_ = new QDateEdit(QDate(annee, 12, 31));
    au_->setObjectName(QStringLiteral("trouver_au"));
    for (QDateEdit* d : {du_, au_}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    auto* bouton_chercher = new QPushButton(QStringLiteral("&Chercher"));
    bouton_chercher->setObjectName(QStringLiteral("bouton_trouver_chercher"));
    bouton_chercher->setDefault(true);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Personne\u00a0:"), qui_);
    auto* repertoire = new QPushButton(QStringLiteral("Du &répertoire…"));
    repertoire->setObjectName(QStringLiteral("bouton_trouver_repertoire"));
    repertoire->setToolTip(
        QStringLiteral("Une autre personne du répertoire au lieu du partenaire"));
    auto* avec = new QHBoxLayout;
    avec->addWidget(avec_partenaire_, 1);
    avec->addWidget(repertoire);
    formulaire->addRow(QString(), avec);
    formulaire->addRow(QStringLiteral("&Jour personnel\u00a0:"), jour_);
    formulaire->addRow(QStringLiteral("&Mois personnel\u00a0:"), mois_);
    formulaire->addRow(QStringLiteral("&Année personnelle\u00a0:"), annee_);
    auto* periode = new QHBoxLayout;
    periode->addWidget(du_);
    periode->addWidget(new QLabel(QStringLiteral("au")));
    periode->addWidget(au_);
    periode->addStretch();
    periode->addWidget(bouton_chercher);
    formulaire->addRow(QStringLiteral("Du\u00a0:"), periode);

    bilan_ = new QLabel;
    bilan_->setObjectName(QStringLiteral("trouver_bilan"));
    bilan_->setWordWrap(true);
    liste_ = new QTableWidget;
    liste_->setObjectName(QStringLiteral("trouver_liste"));
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->verticalHeader()->hide();
    liste_->horizontalHeader()->setStretchLastSection(true);
    liste_->setToolTip(
        QStringLiteral("Jour, mois et année personnels\u00a0; double-clic\u00a0: le jour "
                       "dans le calendrier"));

    copier_ = new QPushButton(QStringLiteral("C&opier"));
    copier_->setObjectName(QStringLiteral("bouton_trouver_copier"));
    exporter_ = new QPushButton(QStringLiteral("&Exporter vers un agenda…"));
    exporter_->setObjectName(QStringLiteral("bouton_trouver_exporter"));
    noter_ = new QPushButton(QStringLiteral("Noter dans la &fiche…"));
    noter_->setObjectName(QStringLiteral("bouton_trouver_noter"));
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(copier_);
    bas->addWidget(exporter_);
    bas->addWidget(noter_);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(bilan_);
    colonne->addWidget(liste_, 1);
    colonne->addLayout(bas);

    connect(bouton_chercher, &QPushButton::clicked, this, &FenetreTrouverJour::chercher);
    connect(copier_, &QPushButton::clicked, this, &FenetreTrouverJour::copier);
    connect(exporter_, &QPushButton::clicked, this, &FenetreTrouverJour::exporter_choisi);
    connect(noter_, &QPushButton::clicked, this, &FenetreTrouverJour::noter_choisi);
    connect(repertoire, &QPushButton::clicked, this, &FenetreTrouverJour::choisir_du_repertoire);
    connect(liste_, &QTableWidget::cellDoubleClicked, this,
            [this](int rang, int) { montrer_jour(rang); });
    connect(&principale, &FenetrePrincipale::theme_calcule, this, &FenetreTrouverJour::chercher);
    chercher();
}

void FenetreTrouverJour::chercher() {
    const EtatFenetre& etat = principale_.etat();
    personne_ = etat.origines.theme;
    const Theme partenaire = du_repertoire_ ? *du_repertoire_ : partenaire_calcule(etat);
    autre_.reset();
    const bool calcule = !partenaire.prenom.empty() || !partenaire.nom.empty();
    avec_partenaire_->setEnabled(calcule);
    if (du_repertoire_)
        avec_partenaire_->setText(
            QStringLiteral("Avec\u00a0: %1").arg(qt(nom_de_la_personne(partenaire))));
    else
        avec_partenaire_->setText(
            calcule
                ? QStringLiteral("Avec le partenaire de l'onglet Entente\u00a0: %1")
                      .arg(qt(nom_de_la_personne(partenaire)))
                : QStringLiteral("Avec le partenaire de l'onglet Entente (aucun n'est calculé)"));
    if (calcule && avec_partenaire_->isChecked())
        autre_ = partenaire;
    qui_->setText(QString::fromStdString(nom_de_la_personne(personne_)));
    const JourCherche c{jour_->value(), choix(mois_), choix(annee_)};
    const Plage plage{date_de(du_->date()), date_de(au_->date())};
    const Theme* autre = autre_ ? &*autre_ : nullptr;
    trouves_.clear();
    if (auto refus = verifier_recherche(personne_, autre, c, plage))
        bilan_->setText(QString::fromStdString(*refus));
    else
        trouves_ = trouver_jours(personne_, autre, c, plage);

    liste_->clear();
    QStringList entetes{QStringLiteral("Date"), qt(nom_de_la_personne(personne_))};
    if (autre_)
        entetes << qt(nom_de_la_personne(*autre_));
    entetes << QStringLiteral("Sens");
    liste_->setColumnCount(static_cast<int>(entetes.size()));
    liste_->setHorizontalHeaderLabels(entetes);
    liste_->setRowCount(static_cast<int>(trouves_.size()));
    const QString sens = qt(sens_jour_personnel(c.jour));
    for (int r = 0; r < static_cast<int>(trouves_.size()); ++r) {
        const JourTrouve& j = trouves_[static_cast<std::size_t>(r)];
        int col = 0;
        liste_->setItem(r, col++, new QTableWidgetItem(qt(date_courte(j.date))));
        liste_->setItem(r, col++, new QTableWidgetItem(nombres(j.premiere)));
        if (j.seconde)
            liste_->setItem(r, col++, new QTableWidgetItem(nombres(*j.seconde)));
        liste_->setItem(r, col, new QTableWidgetItem(sens));
    }
    liste_->resizeColumnsToContents();
    if (!verifier_recherche(personne_, autre, c, plage))
        bilan_->setText(trouves_.empty()
                            ? QStringLiteral("Aucun jour ne convient.")
                            : QStringLiteral("%1 %2\u00a0; dans chaque colonne, jour · mois · "
                                             "année personnels.")
                                  .arg(trouves_.size())
                                  .arg(trouves_.size() == 1 ? QStringLiteral("jour trouvé")
                                                            : QStringLiteral("jours trouvés")));
    for (QPushButton* b : {copier_, exporter_, noter_})
        b->setEnabled(!trouves_.empty());
}

QString FenetreTrouverJour::texte_liste() const {
    QString r;
    for (int ligne = -1; ligne < liste_->rowCount(); ++ligne) {
        QStringList cases;
        for (int col = 0; col < liste_->columnCount(); ++col)
            cases << (ligne < 0 ? liste_->horizontalHeaderItem(col)->text()
                                : liste_->item(ligne, col)->text());
        r += cases.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return r;
}

void FenetreTrouverJour::copier() const {
    QApplication::clipboard()->setText(texte_liste());
}

bool FenetreTrouverJour::exporter(const QString& chemin) {
    std::vector<EvenementIcs> evenements;
    std::string accompagne;
    if (autre_)
        accompagne = " et " + nom_de_la_personne(*autre_);
    for (const JourTrouve& j : trouves_) {
        std::string description =
            nom_de_la_personne(personne_) + "\u00a0: " + nombres(j.premiere).toStdString();
        if (j.seconde)
            description +=
                "\n" + nom_de_la_personne(*autre_) + "\u00a0: " + nombres(*j.seconde).toStdString();
        evenements.push_back(
            {uid_ics("choix", j.date, personne_), j.date, j.date,
             resume_ics("Jour personnel", Echelle::jour, j.premiere.jour_personnel), description});
    }
    const auto maintenant = sys_seconds{seconds{horloge().toSecsSinceEpoch()}};
    const std::string texte = ecrire_agenda(
        "Jours choisis — " + nom_de_la_personne(personne_) + accompagne, evenements, maintenant);
    if (auto echec = ecrire_fichier_agenda(chemin_local(chemin), texte)) {
        montrer_message(this, Message{"Erreur", *echec, Icone::avertissement});
        return false;
    }
    return true;
}

void FenetreTrouverJour::exporter_choisi() {
    const QString chemin = choisir_fichier(
        this, QStringLiteral("Exporter vers un agenda"),
        QStringLiteral("Jours choisis %1.ics").arg(qt(nom_de_la_personne(personne_))),
        QStringLiteral("Agenda iCalendar (*.ics)"));
    if (!chemin.isEmpty())
        exporter(chemin);
}

void FenetreTrouverJour::montrer_jour(int rang) {
    if (rang < 0 || rang >= static_cast<int>(trouves_.size()))
        return;
    montrer_calendrier(principale_)->montrer_jour(trouves_[static_cast<std::size_t>(rang)].date);
}

void FenetreTrouverJour::noter(int rang, const QString& objet) {
    if (rang < 0 || rang >= static_cast<int>(trouves_.size()))
        return;
    const JourTrouve& j = trouves_[static_cast<std::size_t>(rang)];
    if (auto refus =
            noter_jour_choisi(principale_, note_jour_choisi(objet.trimmed().toStdString(), j.date,
                                                            j.premiere.jour_personnel)))
        principale_.signaler(*refus);
}

void FenetreTrouverJour::noter_choisi() {
    const int rang = liste_->currentRow();
    if (rang < 0) {
        montrer_message(this, Message{"Trouver un jour", "Choisissez d'abord un jour de la liste.",
                                      Icone::information});
        return;
    }
    bool ok = false;
    const QString objet = QInputDialog::getText(this, QStringLiteral("Noter dans la fiche"),
                                                QStringLiteral("Jour choisi pour\u00a0:"),
                                                QLineEdit::Normal, QString(), &ok);
    if (ok && !objet.trimmed().isEmpty())
        noter(rang, objet);
}

void FenetreTrouverJour::prendre_du_repertoire(const Personne& p) {
    du_repertoire_ = theme_du_repertoire(p);
    avec_partenaire_->setChecked(true);
    chercher();
}

void FenetreTrouverJour::choisir_du_repertoire() {
    const auto choisies =
        choisir_personnes(this, lire_liste_personnes(principale_.secondaires().dossier_donnees()));
    if (!choisies.empty())
        prendre_du_repertoire(choisies.front());
}

FenetreTrouverJour* montrer_trouver_jour(FenetrePrincipale& principale) {
    auto* fenetre =
        principale.findChild<FenetreTrouverJour*>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenetre) {
        fenetre = new FenetreTrouverJour(principale);
        fenetre->resize(720, 560);
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
    return fenetre;
}

} // namespace kalder::ui
