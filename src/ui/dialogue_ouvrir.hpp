#pragma once
// The open-person dialog "Ouvrir": the saved persons, sorted, and the two
// take-overs into the "Vous :" line or the partner line.

#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/liste_personnes.hpp"

#include <QDialog>

#include <filesystem>
#include <optional>

class QListWidget;
class QPushButton;

namespace kalder::ui {

class FenetrePrincipale;

struct ChoixPersonne {
    Personne personne;
    LigneId ligne = LigneId::vous;
};

class DialogueOuvrir : public QDialog {
    Q_OBJECT

  public:
    explicit DialogueOuvrir(const ListePersonnes& liste, QWidget* parent = nullptr);

    // What the user took over, once the dialog has closed.
    const std::optional<ChoixPersonne>& choix() const { return choix_; }

    // "Ouvrir...": reads the directory of `dossier` afresh, says when there is
    // nothing to read, runs the dialog and fills the chosen line.
    static void ouvrir(FenetrePrincipale& fenetre, const std::filesystem::path& dossier);

  protected:
    void keyPressEvent(QKeyEvent* evenement) override;

  private:
    void prendre(LigneId ligne);

    std::vector<Personne> personnes_;
    std::optional<ChoixPersonne> choix_;
    QListWidget* liste_ = nullptr;
    QPushButton* bouton_vous_ = nullptr;
    QPushButton* bouton_partenaire_ = nullptr;
    QPushButton* bouton_abandonner_ = nullptr;
};

} // namespace kalder::ui
