#pragma once
// "Variantes du nom…": a non-modal window beside the main one. The numbers
// of the date, shared by every row, stand above a table of the name-decided
// numbers of the person's own name and of the spellings the user adds. The
// spellings belong to the person they were added for and last the session:
// they are never written anywhere.

#include "modele/etat_fenetre.hpp"
#include "variantes/variantes_par_personne.hpp"

#include <QWidget>

#include <filesystem>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QLineEdit;
class QTableView;

namespace kalder::ui {

class ModeleComparaison;

class FenetreComparaison : public QWidget {
    Q_OBJECT

  public:
    // `dossier` gives the data folder whose directory "Depuis le répertoire…"
    // lists; `variantes` keeps each person's spellings, read and written here.
    FenetreComparaison(QWidget* parent, VariantesParPersonne& variantes,
                       std::function<std::filesystem::path()> dossier);

    // The person shown in the main window, as last calculated, with the
    // spellings compared for that person.
    void definir_personne(const Theme& personne, int annee_courante);
    // No theme is shown any more: no rows, and the window goes.
    void oublier_personne();

    ModeleComparaison& modele() const { return *modele_; }
    QTableView* table() const { return table_; }

  signals:
    // The user changed the spellings compared for `personne`.
    void variantes_changees(const kalder::Theme& personne,
                            const std::vector<kalder::NomVariante>& noms);

  private:
    void ajouter();
    void modifier();
    void retirer();
    void deplacer(int sens);
    void depuis_repertoire();
    void copier();
    void afficher_date();
    // The rows' names kept for the person; the buttons and columns follow.
    void apres_changement();
    void montrer_colonnes();
    void activer_boutons();
    // Refused rows show their message across the number columns.
    void etendre_messages();
    void remplir_champs();
    // The selected row; -1 without one.
    int rang_choisi() const;

    VariantesParPersonne& variantes_;
    std::function<std::filesystem::path()> dossier_;
    Theme personne_;
    ModeleComparaison* modele_ = nullptr;
    QLabel* date_ = nullptr;
    QLineEdit* prenoms_ = nullptr;
    QLineEdit* nom_ = nullptr;
    QTableView* table_ = nullptr;
    QCheckBox* differences_ = nullptr;
    QPushButton* retrait_ = nullptr;
    QPushButton* modif_ = nullptr;
};

} // namespace kalder::ui
