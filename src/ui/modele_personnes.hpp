#pragma once
// The open-person list as a model: the engine's sorted lines, handed over
// whole and turned into text only for the lines on screen, so that a
// directory of 100,000 persons opens as fast as one of 100.

#include "repertoire/liste_personnes.hpp"

#include <QAbstractListModel>

namespace kalder::ui {

class ModelePersonnes : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit ModelePersonnes(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    void remplacer(ListePersonnes liste);
    const ListePersonnes& liste() const { return liste_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Type-ahead: a line begins with what was typed when both agree once
    // case and accents are set aside, as the list's order sets them aside.
    QModelIndexList match(const QModelIndex& debut, int role, const QVariant& valeur, int nombre,
                          Qt::MatchFlags drapeaux) const override;

  private:
    ListePersonnes liste_;
};

} // namespace kalder::ui
