#pragma once
// "Trouver un jour…": the days of a range whose personal day is the number
// wanted, for the person shown alone or with the partner of the Entente tab;
// each found day with each person's numbers. A double-click shows the day in
// the calendar; the list is copied or exported as an agenda; a chosen day
// goes to the client's record as a note.

#include "calendrier/trouver.hpp"
#include "repertoire/personne.hpp"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kalder::ui {

class FenetrePrincipale;

class FenetreTrouverJour : public QDialog {
    Q_OBJECT

  public:
    explicit FenetreTrouverJour(FenetrePrincipale& principale);

    // Reads the person, the partner and the controls, and fills the list;
    // says in the window why when the search cannot be made.
    void chercher();
    const std::vector<JourTrouve>& trouves() const { return trouves_; }
    // The list as text, one day a line, columns split by tabs.
    QString texte_liste() const;
    void copier() const;
    bool exporter(const QString& chemin);
    // The selected day in the calendar window.
    void montrer_jour(int rang);
    // The selected day as a note of the person's client record.
    void noter(int rang, const QString& objet);
    // A person of the directory instead of the partner, searched with the
    // person shown.
    void prendre_du_repertoire(const Personne& personne);

    std::function<QDateTime()> horloge;
    std::function<QString(QWidget* parent, const QString& titre, const QString& nom,
                          const QString& filtre)>
        choisir_fichier;

  private:
    void exporter_choisi();
    void noter_choisi();
    void choisir_du_repertoire();

    FenetrePrincipale& principale_;
    Theme personne_;
    std::optional<Theme> autre_;
    std::optional<Theme> du_repertoire_;
    std::vector<JourTrouve> trouves_;
    QLabel* qui_ = nullptr;
    QCheckBox* avec_partenaire_ = nullptr;
    QSpinBox* jour_ = nullptr;
    QComboBox* mois_ = nullptr;
    QComboBox* annee_ = nullptr;
    QDateEdit* du_ = nullptr;
    QDateEdit* au_ = nullptr;
    QLabel* bilan_ = nullptr;
    QTableWidget* liste_ = nullptr;
    QPushButton* copier_ = nullptr;
    QPushButton* exporter_ = nullptr;
    QPushButton* noter_ = nullptr;
};

// The menu command: shows the window, made on first use.
FenetreTrouverJour* montrer_trouver_jour(FenetrePrincipale& principale);

} // namespace kalder::ui
