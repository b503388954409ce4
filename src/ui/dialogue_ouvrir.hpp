#pragma once
// The open-person dialog "Ouvrir": the saved persons, sorted, the two
// take-overs into the "Vous :" line or the partner line, and the removal of a
// person (Suppr or the context menu "Supprimer…").

#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/liste_personnes.hpp"

#include <QDialog>

#include <filesystem>
#include <optional>

class QListView;
class QPushButton;

namespace kalder::ui {

class FenetrePrincipale;
class ModelePersonnes;

struct ChoixPersonne {
    Personne personne;
    LigneId ligne = LigneId::vous;
};

class DialogueOuvrir : public QDialog {
    Q_OBJECT

  public:
    // Without a folder, the dialog offers no removal.
    explicit DialogueOuvrir(ListePersonnes liste, QWidget* parent = nullptr,
                            std::filesystem::path dossier = {});

    // What the user took over, once the dialog has closed.
    const std::optional<ChoixPersonne>& choix() const { return choix_; }

    // "Ouvrir...": reads the directory of `dossier` afresh, says when there is
    // nothing to read, runs the dialog and fills the chosen line.
    static void ouvrir(FenetrePrincipale& fenetre, const std::filesystem::path& dossier);

    // Asks "Supprimer « … » du répertoire ?" for the selected line; Oui
    // removes that entry from the file and the list is read again.
    void supprimer_selection();

  protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    // Suppr on the list.
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void prendre(LigneId ligne);
    // The row of the selected line, -1 without one.
    int rang_choisi() const;

    std::filesystem::path dossier_;
    std::optional<ChoixPersonne> choix_;
    ModelePersonnes* modele_ = nullptr;
    QListView* liste_ = nullptr;
    QPushButton* bouton_vous_ = nullptr;
    QPushButton* bouton_partenaire_ = nullptr;
    QPushButton* bouton_abandonner_ = nullptr;
};

} // namespace kalder::ui
