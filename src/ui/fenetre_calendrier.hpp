#pragma once
// "Calendrier…": a resizable, non-modal window with the personal days of the
// person shown, a month or a whole year at a time, today marked, each day's
// explanation on hover; printed, saved as PDF or exported to the client's own
// calendar. It follows each new theme of the main window.

#include "document/calendrier_dessin.hpp"
#include "repertoire/personne.hpp"

#include <QDateTime>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace kalder::ui {

class FenetrePrincipale;

class DessinCalendrier : public QWidget {
    Q_OBJECT

  public:
    explicit DessinCalendrier(QWidget* parent = nullptr);
    void definir(std::optional<VueCalendrier> vue);
    const std::optional<VueCalendrier>& vue() const { return vue_; }
    QSize sizeHint() const override;

  signals:
    // "Noter ce jour dans la fiche…" of a day's context menu.
    void jour_a_noter(const kalder::JourCalendrier& jour);

  protected:
    void contextMenuEvent(QContextMenuEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    bool event(QEvent* evenement) override;

  private:
    std::optional<VueCalendrier> vue_;
};

class FenetreCalendrier : public QWidget {
    Q_OBJECT

  public:
    explicit FenetreCalendrier(FenetrePrincipale& principale);

    // Computes the shown month or year again for the main window's person.
    void mettre_a_jour();
    // Moves to a month (1..12) of a year, or the year alone with `mois` 0.
    void montrer(int annee, int mois);
    // The partner of the Entente tab beside the person, or not.
    void montrer_partenaire(bool avec);
    // A person of the directory beside the person instead of the partner.
    void montrer_a_cote(const Personne& personne);
    // `jour` as a note of the client record of the person shown.
    void noter(const JourCalendrier& jour, const QString& objet);
    // Moves to the month of `date` and frames that day.
    void montrer_jour(const Date& date);
    void precedent();
    void suivant();

    bool imprimer(QPrinter& imprimante);
    // Says in a message box what went wrong; true when written.
    bool enregistrer_pdf(const QString& chemin);
    bool exporter_agenda(const QString& chemin);

    // The clock and the file dialog; the tests put their own here.
    std::function<QDateTime()> horloge;
    std::function<QString(QWidget* parent, const QString& titre, const QString& nom,
                          const QString& filtre)>
        choisir_fichier;

  private:
    void lire_commandes();
    void imprimer_choisi();
    void enregistrer_pdf_choisi();
    void exporter_agenda_choisi();
    void choisir_a_cote();
    QString nom_suggere(const QString& extension) const;

    FenetrePrincipale& principale_;
    int annee_ = 0;
    int mois_ = 1; // the month shown, kept while the year is shown
    bool vue_annee_ = false;
    std::optional<Date> choisi_;
    std::optional<Theme> a_cote_; // chosen from the directory
    DessinCalendrier* dessin_ = nullptr;
    QLabel* sans_date_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* annee_personnelle_ = nullptr;
    QLabel* mois_personnel_ = nullptr;
    QCheckBox* avec_partenaire_ = nullptr;
    QPushButton* a_cote_bouton_ = nullptr;
    QRadioButton* choix_mois_ = nullptr;
    QRadioButton* choix_annee_ = nullptr;
    QComboBox* liste_mois_ = nullptr;
    QSpinBox* champ_annee_ = nullptr;
    QPushButton* precedent_ = nullptr;
    QPushButton* suivant_ = nullptr;
    QPushButton* imprimer_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* agenda_ = nullptr;
};

// The partner of the last compatibility calculation, as a person.
Theme partenaire_calcule(const EtatFenetre& etat);
// A person of the directory, as a person to calculate (a date field that is
// not a number counts as missing).
Theme theme_du_repertoire(const Personne& personne);

// The menu command: shows the window, made on first use.
FenetreCalendrier* montrer_calendrier(FenetrePrincipale& principale);

} // namespace kalder::ui
