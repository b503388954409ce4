#pragma once
// What the main window's hooks do: the interpretation window, the help
// window, the open-person dialog, saving and printing the theme. The main
// window makes one of these as its child; it owns the two non-modal windows,
// which have no owner window of their own.

#include <QObject>
#include <QPointer>

#include "repertoire/fichiers.hpp"

#include <filesystem>
#include <optional>
#include <vector>

namespace kalder::ui {

class FenetreAide;
class FenetreInterpretation;
class FenetrePrincipale;

class FenetresSecondaires : public QObject {
    Q_OBJECT

  public:
    explicit FenetresSecondaires(FenetrePrincipale& fenetre);
    ~FenetresSecondaires() override;

    // Shows the engine's interpretation, creating the window when needed.
    void montrer_interpretation();
    // Clear-all: the window is destroyed; the next interpretation makes a new one.
    void fermer_interpretation();
    // An open window shows the engine's interpretation again, where it is.
    void rafraichir_interpretation();
    FenetreInterpretation* interpretation() const;

    void montrer_aide();
    FenetreAide* aide() const;

    void ouvrir_personne();
    void sauvegarder_personnes();
    void imprimer_theme();

    // "Kalder" in the user's application-data folder, found on first use.
    const std::filesystem::path& dossier_donnees();
    void definir_dossier_donnees(std::filesystem::path dossier);

    // The data folder could not be made: says which and why in a message
    // box, and true. Shown at start-up, and again before opening or saving;
    // the calculations stay usable.
    bool dossier_manquant();

  private:
    FenetrePrincipale& fenetre_;
    QPointer<FenetreInterpretation> interpretation_;
    QPointer<FenetreAide> aide_;
    std::optional<std::filesystem::path> dossier_;
    std::vector<Echec> echecs_dossier_;
};

// A path typed or chosen in the window, as the engine takes it.
std::filesystem::path chemin_local(const QString& texte);

// The program's folder, as the engine's dossier_donnees wants it.
std::filesystem::path dossier_programme();

} // namespace kalder::ui
