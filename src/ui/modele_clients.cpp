#include "ui/modele_clients.hpp"
#include "noyau/date_chiffres.hpp"

#include "clients/base_clients.hpp"

#include <array>

namespace kalder::ui {

namespace {

constexpr std::array entetes = {
    "Nom", "Prénoms", "Date de naissance", "Dernière consultation", "Étiquettes", "Notes"};

QString date_naissance(const Personne& p) {
    return QString::fromStdString(date_chiffres(p.jour, p.mois, p.annee));
}

QString texte(const ResumeClient& c, int colonne) {
    switch (colonne) {
    case 0:
        return QString::fromStdString(c.personne.nom);
    case 1:
        return QString::fromStdString(c.personne.prenoms);
    case 2:
        return date_naissance(c.personne);
    case 3:
        return QString::fromStdString(date_affichee(c.derniere_consultation.substr(0, 10)));
    case 4:
        return QString::fromStdString(c.tags);
    default:
        return QString::number(c.notes);
    }
}

} // namespace

namespace {

// What fills the dialog; the rest comes a page at a time as the view scrolls.
constexpr std::size_t premiere_page = 200;
constexpr std::size_t page_suivante = 1000;

} // namespace

Refus ModeleClients::definir(const BaseClients& base, std::string recherche) {
    base_ = &base;
    recherche_ = std::move(recherche);
    return relire();
}

Refus ModeleClients::relire() {
    auto liste = base_->parcourir(recherche_, ordre_);
    if (liste.erreur)
        return liste.erreur;
    beginResetModel();
    a_lire_ = std::move(liste.valeur);
    clients_.clear();
    auto page = a_lire_.suivants(premiere_page);
    clients_ = std::move(page.valeur);
    endResetModel();
    return page.erreur;
}

bool ModeleClients::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !a_lire_.finie();
}

void ModeleClients::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid())
        lire_suite(page_suivante);
}

void ModeleClients::lire_suite(std::size_t nombre) {
    auto page = a_lire_.suivants(nombre);
    if (!page.valeur.empty()) {
        const int debut = rowCount();
        beginInsertRows({}, debut, debut + static_cast<int>(page.valeur.size()) - 1);
        for (ResumeClient& c : page.valeur)
            clients_.push_back(std::move(c));
        endInsertRows();
    }
    if (page.erreur)
        emit lecture_echouee(QString::fromStdString(*page.erreur));
}

int ModeleClients::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(clients_.size());
}

int ModeleClients::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entetes.size());
}

QVariant ModeleClients::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return texte(client(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == 5)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModeleClients::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(entetes.size()))
        return QString::fromUtf8(entetes[static_cast<std::size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ModeleClients::sort(int colonne, Qt::SortOrder ordre) {
    if (colonne < 0 || colonne >= columnCount() || !base_)
        return;
    // The file sorts on its index; only the first page is read again.
    ordre_ = {static_cast<ColonneClients>(colonne), ordre == Qt::DescendingOrder};
    if (auto refus = relire())
        emit lecture_echouee(QString::fromStdString(*refus));
}

} // namespace kalder::ui
