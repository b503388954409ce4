#pragma once
// "Comparer des noms…": a non-modal window beside the main one. The numbers
// of the date, shared by every row, stand above a table of the name-decided
// numbers of the person's own name and of the spellings the user adds. The
// rows last as long as the window: they are never written anywhere.

#include "modele/etat_fenetre.hpp"

#include <QWidget>

#include <filesystem>
#include <functional>

class QLabel;
class QLineEdit;
class QTableView;

namespace kalder::ui {

class ModeleComparaison;

class FenetreComparaison : public QWidget {
    Q_OBJECT

  public:
    // `dossier` gives the data folder whose directory "Depuis le répertoire…" lists.
    FenetreComparaison(QWidget* parent, std::function<std::filesystem::path()> dossier);

    // The person shown in the main window, as last calculated.
    void definir_personne(const Theme& personne, int annee_courante);

    ModeleComparaison& modele() const { return *modele_; }
    QTableView* table() const { return table_; }

  private:
    void ajouter();
    void modifier();
    void retirer();
    void deplacer(int sens);
    void depuis_repertoire();
    void copier();
    void afficher_date();
    // Refused rows show their message across the number columns.
    void etendre_messages();
    void remplir_champs();
    // The selected row; -1 without one.
    int rang_choisi() const;

    std::function<std::filesystem::path()> dossier_;
    ModeleComparaison* modele_ = nullptr;
    QLabel* date_ = nullptr;
    QLineEdit* prenoms_ = nullptr;
    QLineEdit* nom_ = nullptr;
    QTableView* table_ = nullptr;
};

} // namespace kalder::ui
