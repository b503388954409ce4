#pragma once
// The base of the window tests. Every test gets a fresh main window, shown
// and active; message boxes are not shown but answered (the default button,
// or what the test queued with outils::reponse_suivante) and what they said
// is kept for outils::message_montre. After every test no modal dialog may be
// left open and the window is gone.
//
//   class TestExemple : public BancFenetre {
//       Q_OBJECT
//     private slots:
//       void mois_incorrect() {
//           outils::taper_vous(*fenetre, "Anne", "Dupont", "15", "13", "1975");
//           outils::entree(*fenetre);
//           QCOMPARE(outils::message_montre().texte, QStringLiteral("Mois incorrect"));
//       }
//   };
//
// A test class that needs more before or after each test declares its own
// init() or cleanup() slot and calls BancFenetre::init() / cleanup() in it.
// Modal dialogs are driven with outils::pendant_dialogue, never with a
// zero-delay timer.

#include "outils_fenetre.hpp"

#include <QObject>

#include <memory>

class BancFenetre : public QObject {
    Q_OBJECT

  public:
    // espion: the window counts the calls of its secondary-window hooks
    // instead of opening those windows (see outils::FenetreEspion).
    enum class Genre { vraie, espion };
    explicit BancFenetre(Genre genre = Genre::vraie) : genre_(genre) {}

  protected:
    std::unique_ptr<kalder::ui::FenetrePrincipale> fenetre;
    outils::FenetreEspion& espion();

  protected slots:
    void initTestCase();
    void init();
    void cleanup();

  private:
    Genre genre_;
};
