#pragma once
// "Frise de vie…": a resizable, non-modal window with the life timeline of
// the person shown, its bands explained on hover, and the picture copied or
// saved as PNG or SVG. It follows each new theme of the main window.

#include "frise/frise.hpp"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace kalder::ui {

class FenetrePrincipale;

// The drawing itself; a hovered band shows its explanation as a tooltip.
class DessinFrise : public QWidget {
    Q_OBJECT

  public:
    explicit DessinFrise(QWidget* parent = nullptr);
    void definir(std::optional<Frise> frise);
    const std::optional<Frise>& frise() const { return frise_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool event(QEvent* evenement) override;

  private:
    std::optional<Frise> frise_;
};

class FenetreFrise : public QWidget {
    Q_OBJECT

  public:
    explicit FenetreFrise(FenetrePrincipale& principale);

    // Builds the timeline again from the main window's results.
    void mettre_a_jour();
    // The picture as copied and saved as PNG, in the window's proportions.
    QImage image() const;
    // PNG, or SVG for a name ending in ".svg"; written beside and renamed, so
    // a failure leaves no half file. Says in a message box what went wrong.
    bool enregistrer(const QString& chemin);
    void copier();

    // Asks where to save, from the proposed path (the person's name in the
    // last folder used); the tests put their own answer here.
    std::function<QString(QWidget* parent, const QString& propose)> choisir_fichier;

  private:
    void enregistrer_choisi();
    QSize taille_vue() const;
    // "Frise de vie – Anne-Marie Dupont, naissance le 15/07/1975", on the picture.
    QString titre_image() const;

    FenetrePrincipale& principale_;
    DessinFrise* dessin_ = nullptr;
    QLabel* sans_date_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QPushButton* copier_ = nullptr;
    QPushButton* enregistrer_ = nullptr;
};

// The menu command: shows the window, made on first use.
void montrer_frise(FenetrePrincipale& principale);

} // namespace kalder::ui
