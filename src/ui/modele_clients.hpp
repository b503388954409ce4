#pragma once
// The list of "Clients…": name, first names, birth date, last consultation,
// tags and number of notes, sortable by any column.

#include "clients/fiche.hpp"

#include <QAbstractTableModel>

#include <vector>

namespace kalder::ui {

class ModeleClients : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    void definir(std::vector<ResumeClient> clients);
    const ResumeClient& client(int ligne) const {
        return clients_.at(static_cast<std::size_t>(ligne));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int colonne, Qt::SortOrder ordre = Qt::AscendingOrder) override;

  private:
    std::vector<ResumeClient> clients_;
};

} // namespace kalder::ui
