#include "ui/modele_personnes.hpp"

namespace kalder::ui {

void ModelePersonnes::remplacer(ListePersonnes liste) {
    beginResetModel();
    liste_ = std::move(liste);
    endResetModel();
}

int ModelePersonnes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(liste_.taille());
}

QVariant ModelePersonnes::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const std::string_view ligne = liste_.ligne(static_cast<std::size_t>(index.row()));
        return QString::fromUtf8(ligne.data(), static_cast<qsizetype>(ligne.size()));
    }
    return {};
}

} // namespace kalder::ui
