#pragma once
// The rows of the name comparison as a table: the person's own name as the
// reference, then the variants the user added, one column per number the
// name decides. A cell that differs from the reference row says so in its
// colour and its accessible name; its tooltip tells how it was reached.

#include "variantes/comparer_noms.hpp"

#include <QAbstractTableModel>

#include <vector>

namespace kalder::ui {

class ModeleComparaison : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ModeleComparaison(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // A new person, or the same one calculated again: the reference row is
    // that person's name, then `variantes` (the spellings compared for that
    // person), each calculated with the person's date.
    void definir_personne(const Theme& personne, int annee_courante,
                          const std::vector<NomVariante>& variantes);
    // No person: no rows.
    void vider();

    void ajouter(NomVariante nom);
    void remplacer(int rang, NomVariante nom);
    void retirer(int rang);
    // Moves a row one place up (-1) or down (+1).
    void deplacer(int rang, int sens);

    bool est_reference(int rang) const { return lignes_[static_cast<std::size_t>(rang)].reference; }
    const LigneVariante& ligne(int rang) const {
        return lignes_[static_cast<std::size_t>(rang)].calcul;
    }
    // The reference row's calculation; null before a person is set.
    const LigneVariante* reference() const;
    // Differs from the same cell of the reference row (column 0 is the name).
    bool differe(int rang, int colonne) const;
    // Some row differs from the reference in this column.
    bool colonne_differe(int colonne) const;

    // The names of the rows the user added, in the rows' order.
    std::vector<NomVariante> variantes() const;

    // The table in the rows' order, tab-separated, with a header row; a
    // value that differs from the reference is marked "≠". Only the columns
    // where a row differs when `seulement_differences`.
    QString texte_tabule(bool seulement_differences = false) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int colonne, Qt::SortOrder ordre = Qt::AscendingOrder) override;

  private:
    struct Rangee {
        LigneVariante calcul;
        bool reference = false;
    };
    QString nom_affiche(int rang) const;
    QString valeur(int rang, int colonne) const;

    Theme personne_;
    bool avec_personne_ = false;
    int annee_courante_ = 0;
    std::vector<Rangee> lignes_;
};

} // namespace kalder::ui
