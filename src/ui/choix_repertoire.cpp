#include "ui/choix_repertoire.hpp"

#include <QDialog>
#include <QDialogButtonBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

namespace kalder::ui {

namespace {

QString qt(const std::string& texte) {
    return QString::fromStdString(texte);
}

} // namespace

QString personne_lisible(const Personne& p) {
    QString texte = (qt(p.prenoms) + QLatin1Char(' ') + qt(p.nom)).trimmed();
    if (p.jour.empty() && p.mois.empty() && p.annee.empty())
        return texte;
    const auto deux = [](const std::string& champ) {
        return qt(champ).rightJustified(2, QLatin1Char('0'));
    };
    return texte + QStringLiteral(" — %1/%2/%3").arg(deux(p.jour), deux(p.mois), qt(p.annee));
}

int ModeleChoixPersonnes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(liste_.taille());
}

QVariant ModeleChoixPersonnes::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    return personne_lisible(liste_.personne(static_cast<std::size_t>(index.row())));
}

std::vector<Personne> choisir_personnes(QWidget* parent, ListePersonnes liste) {
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("choix_repertoire"));
    dialogue.setWindowTitle(QStringLiteral("Depuis le répertoire"));
    auto* filtre = new QLineEdit(&dialogue);
    filtre->setObjectName(QStringLiteral("choix_repertoire_filtre"));
    filtre->setPlaceholderText(QStringLiteral("Rechercher un nom…"));
    filtre->setClearButtonEnabled(true);
    auto* modele = new ModeleChoixPersonnes(std::move(liste), &dialogue);
    auto* filtrees = new QSortFilterProxyModel(&dialogue);
    filtrees->setSourceModel(modele);
    filtrees->setFilterCaseSensitivity(Qt::CaseInsensitive);
    auto* vue = new QListView(&dialogue);
    vue->setObjectName(QStringLiteral("choix_repertoire_liste"));
    vue->setModel(filtrees);
    vue->setUniformItemSizes(true);
    vue->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vue->setCurrentIndex(filtrees->index(0, 0));
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ajouter = boutons->button(QDialogButtonBox::Ok);
    ajouter->setText(QStringLiteral("Ajouter"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(filtre, &QLineEdit::textChanged, filtrees, [filtrees, vue](const QString& t) {
        filtrees->setFilterFixedString(t.trimmed());
        if (!vue->currentIndex().isValid())
            vue->setCurrentIndex(filtrees->index(0, 0));
    });
    const auto suivre = [vue, ajouter] {
        ajouter->setEnabled(vue->selectionModel()->hasSelection());
    };
    QObject::connect(vue->selectionModel(), &QItemSelectionModel::selectionChanged, &dialogue,
                     suivre);
    QObject::connect(filtrees, &QAbstractItemModel::modelReset, &dialogue, suivre);
    QObject::connect(filtrees, &QAbstractItemModel::layoutChanged, &dialogue, suivre);
    suivre();
    QObject::connect(boutons, &QDialogButtonBox::accepted, &dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    QObject::connect(vue, &QListView::doubleClicked, &dialogue, &QDialog::accept);
    auto* disposition = new QVBoxLayout(&dialogue);
    disposition->addWidget(filtre);
    disposition->addWidget(vue);
    disposition->addWidget(boutons);
    dialogue.resize(380, 360);
    filtre->setFocus();
    if (dialogue.exec() != QDialog::Accepted)
        return {};
    std::vector<int> rangs;
    for (const QModelIndex& i : vue->selectionModel()->selectedRows())
        rangs.push_back(filtrees->mapToSource(i).row());
    std::sort(rangs.begin(), rangs.end());
    std::vector<Personne> choisies;
    for (int r : rangs)
        choisies.push_back(modele->liste().personne(static_cast<std::size_t>(r)));
    return choisies;
}

} // namespace kalder::ui
