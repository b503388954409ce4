#pragma once
// The main window "numero": the "Vous :" line, the four result tabs and the
// menu bar. It holds the one EtatFenetre of the program; every command runs
// an engine function on it and the window then shows the model again.

#include "modele/etat_fenetre.hpp"
#include "ui/construction.hpp"
// Complete: the QPointer to it is read in this header.
#include "ui/fenetre_comparaison.hpp"
#include "ui/observateur_accessibilite.hpp"
#include "variantes/variantes_par_personne.hpp"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QFontMetrics;
class QStatusBar;
class QTabWidget;

namespace kalder::ui {

class CadrePage;
class FenetresSecondaires;

// An explanation as the status bar shows it in `largeur` pixels: shortened
// in the middle when it is too long.
QString texte_pour_barre(const QString& explication, const QFontMetrics& mesure, int largeur);

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT

  public:
    explicit FenetrePrincipale(QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    EtatFenetre& etat() { return etat_; }
    const EtatFenetre& etat() const { return etat_; }

    // Pushes the whole model onto the widgets: texts, colours, visibility,
    // enabled states and the default button.
    void afficher_modele();
    // What follows every command: the model shown, then the message box, the
    // focus and the interpretation window as the Issue asks.
    void appliquer(const Issue& issue);
    // The clear-all operation, also used by the open-person dialog before it
    // fills the "Vous :" line. Leaves the focus where it is.
    void effacer();
    // A change the program makes to a field; it counts for the default button.
    void saisir_champ(ChampId id, const QString& texte);

    // A control or slot of a tab not built yet builds the tabs first.
    QLineEdit* champ(ChampId id);
    QPushButton* bouton(BoutonId id);
    QLabel* slot(const QString& nom);
    QTabWidget* onglets() const { return onglets_; }
    // The tabs other than "Synthèse" are built when first shown or first
    // asked for, so the window opens sooner; this builds them all now.
    void construire_onglets();
    // Under the client area: the explanation of the slot under the mouse, and
    // what a command has to say without a message box.
    QStatusBar* barre_etat() const;
    // A line for the status bar that stays until the next command's.
    void signaler(const QString& texte);
    // The interpretation and help windows, the dialogs and the data folder.
    FenetresSecondaires& secondaires() const { return *secondaires_; }

    // The spellings compared for each person of the session, and those of
    // the theme shown (none without one), for the dossier.
    VariantesParPersonne& variantes() { return variantes_; }
    const std::vector<NomVariante>& variantes_du_theme() const;
    // "Variantes du nom…": the window for the theme shown, made on first use.
    void montrer_comparaison();
    FenetreComparaison* comparaison() const;

  signals:
    // A theme or a year of calculation was calculated: what shows the results
    // elsewhere (the life timeline) follows.
    void theme_calcule();
    // The window was cleared ("Effacer tout", or before a person is opened):
    // no theme is shown any more.
    void theme_efface();

  protected:
    // Hooks for the secondary windows and printing; virtual so that a test can
    // count them instead of opening windows and dialogs.
    virtual void montrer_interpretation();
    virtual void fermer_interpretation();
    virtual void ouvrir_personne();
    virtual void sauvegarder_personnes();
    virtual void imprimer_theme();
    virtual void montrer_aide();

    void keyPressEvent(QKeyEvent* evenement) override;
    // A slot under the mouse shows its explanation as its tooltip and in the
    // status bar.
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    // The close box ends the program like "Quitter", even with the
    // interpretation or help window still open.
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void construire_menus();
    void ajouter_controles(const Controles& nouveaux);
    void relier_controles(const Controles& nouveaux);
    void ordonner_focus();
    void afficher_champs();
    void afficher_boutons();
    void afficher_bouton_defaut();
    void afficher_slots();
    // What a screen reader says of a slot: its label and value as its name;
    // its explanation as its description while an assistive tool listens.
    void nommer_slot(const QString& nom, QLabel* libelle);
    void decrire_slots();
    void suivre_accessibilite();
    void survoler(const QString& nom, QLabel* libelle);
    // The last command's status line, else the hint about hovering, else nothing.
    void montrer_statut();
    void executer(BoutonId id);
    void a_propos();

    EtatFenetre etat_;
    Controles controles_;
    QTabWidget* onglets_ = nullptr;
    // The frame of each tab, which builds its page when first needed.
    std::array<CadrePage*, 4> cadres_{};
    FenetresSecondaires* secondaires_ = nullptr; // a child: goes with the window
    VariantesParPersonne variantes_;
    QPointer<FenetreComparaison> comparaison_;
    QMetaObject::Connection suivi_focus_;
    QString statut_;                  // the last command's status line, shown again after a hover
    bool indication_a_donner_ = true; // no explanation has been shown yet
    std::unique_ptr<ObservateurAccessibilite> observateur_;
    bool lecteur_ecran_ = false; // an assistive tool listens
};

} // namespace kalder::ui
