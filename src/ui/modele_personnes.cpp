#include "ui/modele_personnes.hpp"

namespace kalder::ui {

void ModelePersonnes::remplacer(ListePersonnes liste) {
    beginResetModel();
    liste_ = std::move(liste);
    endResetModel();
}

int ModelePersonnes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(liste_.lignes.size());
}

QVariant ModelePersonnes::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::fromStdString(liste_.lignes[static_cast<std::size_t>(index.row())]);
    return {};
}

} // namespace kalder::ui
