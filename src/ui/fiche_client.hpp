#pragma once
// "Fichier > Fiche client…": the client record of the person shown, and
// "Fichier > Clients…": every client, searchable.

#include <QDialog>

#include <filesystem>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableView;

namespace kalder {
class BaseClients;
struct Fiche;
struct Note;
} // namespace kalder

namespace kalder::ui {

class FenetrePrincipale;
class ModeleClients;

// The record, all of it shown; the contact, tags, a new note, the notes
// modified or deleted and the spellings and partners removed are saved with
// "Enregistrer" and when the dialog closes (new consultations at once). A
// save that fails keeps the dialog open with what was typed.
class DialogueFicheClient : public QDialog {
    Q_OBJECT

  public:
    DialogueFicheClient(BaseClients& base, const Fiche& fiche, QWidget* parent);
    ~DialogueFicheClient() override;
    // Saves what was typed; false (after saying why) when it could not be.
    bool enregistrer();
    void done(int resultat) override;

    // For the person of the "Vous :" line; says why when there is none.
    static void ouvrir(FenetrePrincipale& fenetre, const std::filesystem::path& dossier);

  private:
    void afficher();
    void nouvelle_consultation();
    // The note of the selected line, nullptr without one.
    Note* note_choisie();
    void modifier_note();
    void supprimer_note();
    void retirer_orthographe();
    void retirer_partenaire();

    BaseClients& base_;
    std::unique_ptr<Fiche> fiche_;
    QLineEdit* telephone_;
    QLineEdit* courriel_;
    QPlainTextEdit* adresse_;
    QLineEdit* tags_;
    QListWidget* notes_;
    QPlainTextEdit* nouvelle_note_;
    QListWidget* consultations_;
    QLineEdit* note_consultation_;
    QListWidget* orthographes_;
    QListWidget* partenaires_;
};

class DialogueClients : public QDialog {
    Q_OBJECT

  public:
    DialogueClients(BaseClients& base, QWidget* parent);
    // The client chosen with "Ouvrir" goes to the "Vous :" line, as "Ouvrir…" does.
    static void ouvrir(FenetrePrincipale& fenetre, const std::filesystem::path& dossier);
    int choisi() const { return choisi_; }
    ModeleClients* modele() const { return modele_; }

  private:
    void chercher(const QString& texte);

    BaseClients& base_;
    ModeleClients* modele_;
    QTableView* table_;
    int choisi_ = -1;
};

} // namespace kalder::ui
