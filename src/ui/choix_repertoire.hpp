#pragma once
// "Depuis le répertoire…" of the name comparison: the saved persons as
// "Zoé Lefèvre — 15/07/1975", several chosen at once, narrowed by typing.

#include "repertoire/liste_personnes.hpp"

#include <QAbstractListModel>

#include <vector>

class QWidget;

namespace kalder::ui {

// One saved person a line, as a reader says it: first names, name, birth date.
class ModeleChoixPersonnes : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit ModeleChoixPersonnes(ListePersonnes liste, QObject* parent = nullptr)
        : QAbstractListModel(parent), liste_(std::move(liste)) {}

    const ListePersonnes& liste() const { return liste_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    ListePersonnes liste_;
};

// "Zoé Lefèvre — 15/07/1975"; the date left out when the entry has none.
QString personne_lisible(const Personne& p);

// The persons chosen in the dialog, in the list's order; none when cancelled.
std::vector<Personne> choisir_personnes(QWidget* parent, ListePersonnes liste);

} // namespace kalder::ui
