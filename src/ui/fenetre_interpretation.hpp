#pragma once
// The interpretation window "interpret": a yellow banner with the title, the
// text of the last interpretation and an "Imprimer" button over the banner.
// It only shows what the engine wrote into EtatFenetre::interpretation.

#include "modele/etat_fenetre.hpp"

#include <QWidget>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kalder::ui {

// The window is laid out in twips, 15 to a pixel, and its resize rule counts in them.
inline constexpr int twips_par_pixel = 15;

// New sizes, in twips, for a window whose outer size is given in twips; an
// empty optional leaves that size as it is.
struct TaillesInterpretation {
    int largeur_bandeau = 0;
    std::optional<int> largeur_texte;
    std::optional<int> hauteur_texte;
};
TaillesInterpretation tailles_interpretation(int largeur_exterieure, int hauteur_exterieure,
                                             int hauteur_bandeau);

class FenetreInterpretation : public QWidget {
    Q_OBJECT

  public:
    explicit FenetreInterpretation(QWidget* parent = nullptr);

    // Replaces the banner and the whole text; CR LF become line breaks.
    void afficher(const Interpretation& contenu);
    // Shows the window, or brings it forward when it is already open.
    void montrer();

    QString titre() const;
    QString texte() const;

  protected:
    void resizeEvent(QResizeEvent* evenement) override;
    void moveEvent(QMoveEvent* evenement) override;

  private:
    void suivre_la_taille();
    void imprimer();

    QLabel* bandeau_ = nullptr;
    QPlainTextEdit* texte_ = nullptr;
    QPushButton* bouton_imprimer_ = nullptr;
};

// The engine's text (UTF-8, CR LF) as the widgets want it.
QString texte_affichable(const std::string& texte);

} // namespace kalder::ui
