#pragma once
// The list of "Clients…": name, first names, birth date, last consultation,
// tags and number of notes, sortable by any column. The rows are read from
// the client file in the order asked, as the view scrolls to them, so a long
// list shows and sorts at once.

#include "clients/base_clients.hpp"

#include <QAbstractTableModel>

#include <vector>

namespace kalder::ui {

class ModeleClients : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    // The clients found by `recherche` in the current order: the first page
    // now, the others when the view asks for them. `base` must outlive the
    // list, or be followed by another call.
    Refus definir(const BaseClients& base, std::string recherche);
    const ResumeClient& client(int ligne) const {
        return clients_.at(static_cast<std::size_t>(ligne));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int colonne, Qt::SortOrder ordre = Qt::AscendingOrder) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  signals:
    // Reading the rest of the list failed; the rows read stay.
    void lecture_echouee(const QString& raison);

  private:
    // Appends up to `nombre` rows of the list being read.
    void lire_suite(std::size_t nombre);
    // The list read again from its start.
    Refus relire();

    const BaseClients* base_ = nullptr;
    std::string recherche_;
    OrdreClients ordre_;
    std::vector<ResumeClient> clients_;
    ListeClients a_lire_;
};

} // namespace kalder::ui
