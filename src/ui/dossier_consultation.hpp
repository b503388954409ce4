#pragma once
// The consultation dossier from the window: "Exporter le dossier PDF…",
// "Imprimer le dossier…" and "Aperçu du dossier…". Each first asks which
// sections, the "Préparé par" line and a message for the client, then writes the dossier of the
// person last calculated with those choices, and the names of the comparison window when the user
// compared some. The choices are remembered for the next time where the settings can be written.

#include "document/dossier.hpp"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace kalder::ui {

class FenetrePrincipale;

class DialogueDossier : public QDialog {
    Q_OBJECT

  public:
    // `resume` says what the dossier will hold, a line each; the "Variantes
    // du nom" box shows only when names were compared, the "Calendrier de
    // l'année" one only with a birth date.
    DialogueDossier(QWidget* parent, const QStringList& resume, bool avec_variantes,
                    bool avec_date = true);
    // The choices as the dialog shows them, for the dossier to make now.
    document::ParametresDossier parametres() const;
    // The choices, kept for the next time where the settings can be written.
    void accept() override;
    // False when the last accept() could not write them.
    bool choix_retenus() const { return choix_retenus_; }

  private:
    std::vector<QCheckBox*> cases_;
    QLineEdit* prepare_par_;
    QPlainTextEdit* message_;
    bool choix_retenus_ = true;
};

// The save dialog of the export; a test answers it through this seam. It gets
// the suggested path and returns the chosen one, empty when cancelled.
using ChoixFichier = std::function<QString(QWidget* parent, const QString& propose)>;
void definir_choix_fichier(ChoixFichier choix); // empty: the platform's dialog again

void exporter_dossier(FenetrePrincipale& fenetre);
void imprimer_dossier(FenetrePrincipale& fenetre);
void apercu_dossier(FenetrePrincipale& fenetre);

} // namespace kalder::ui
