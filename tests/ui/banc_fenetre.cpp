#include "banc_fenetre.hpp"

#include <QDialog>

outils::FenetreEspion& BancFenetre::espion() {
    Q_ASSERT(genre_ == Genre::espion);
    return static_cast<outils::FenetreEspion&>(*fenetre);
}

void BancFenetre::initTestCase() {
    kalder::ui::repondre_automatiquement(true);
}

void BancFenetre::init() {
    kalder::ui::repondre_automatiquement(true);
    kalder::ui::oublier_messages();
    if (genre_ == Genre::espion)
        fenetre = std::make_unique<outils::FenetreEspion>();
    else
        fenetre = std::make_unique<kalder::ui::FenetrePrincipale>();
    outils::montrer(*fenetre);
}

void BancFenetre::cleanup() {
    // A dialog left open by a failed test would block the next one.
    const bool dialogue_ouvert = outils::fermer_les_dialogues();
    fenetre.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(!dialogue_ouvert, "un dialogue modal est resté ouvert");
}
