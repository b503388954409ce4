#pragma once
// What the window tests share: finding the real widgets by object name,
// typing into them and reading what the labels show.

#include "modele/slots.hpp"
#include "ui/boites_message.hpp"
#include "ui/fenetre_principale.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace outils {

// Builds the tabs the window has not built yet (they are built when first
// shown or first asked for), so that findChildren sees every control.
inline void construire_onglets(QWidget& fenetre) {
    if (auto* f = qobject_cast<kalder::ui::FenetrePrincipale*>(&fenetre))
        f->construire_onglets();
}

template <typename T> T* trouver(QWidget& fenetre, const QString& nom) {
    T* w = fenetre.findChild<T*>(nom);
    if (!w) {
        construire_onglets(fenetre);
        w = fenetre.findChild<T*>(nom);
    }
    if (!w)
        qFatal("pas de contrôle nommé %s", qPrintable(nom));
    return w;
}

inline QLineEdit* champ(QWidget& f, const QString& nom) {
    return trouver<QLineEdit>(f, nom);
}
inline QPushButton* bouton(QWidget& f, const QString& nom) {
    return trouver<QPushButton>(f, nom);
}
inline QLabel* libelle(QWidget& f, const QString& nom) {
    return trouver<QLabel>(f, nom);
}
inline QTabWidget* onglets(QWidget& f) {
    return trouver<QTabWidget>(f, QStringLiteral("onglets"));
}
inline QComboBox* liste_mois(QWidget& f) {
    return trouver<QComboBox>(f, QStringLiteral("liste_mois"));
}

inline QColor couleur(QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

// Types as the user would: the field gets the focus (without selecting what
// it holds), then the keys.
inline void taper(QWidget& f, const QString& nom, const QString& texte) {
    QLineEdit* e = champ(f, nom);
    e->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(e, texte);
}

// Enter in whichever control has the focus.
inline void entree(QWidget& f) {
    QWidget* cible = QApplication::focusWidget();
    QTest::keyClick(cible ? cible : &f, Qt::Key_Return);
}

inline void taper_vous(QWidget& f, const QString& prenom, const QString& nom, const QString& jour,
                       const QString& mois, const QString& annee) {
    taper(f, QStringLiteral("champ_prenom"), prenom);
    taper(f, QStringLiteral("champ_nom"), nom);
    taper(f, QStringLiteral("champ_jour"), jour);
    taper(f, QStringLiteral("champ_mois"), mois);
    taper(f, QStringLiteral("champ_annee"), annee);
}

// Anne-Marie Dupont, born 15 / 7 / 1975, calculated with Enter.
inline void calculer_exemple(QWidget& f) {
    taper_vous(f, QStringLiteral("Anne-Marie"), QStringLiteral("Dupont"), QStringLiteral("15"),
               QStringLiteral("7"), QStringLiteral("1975"));
    entree(f);
}

inline void taper_partenaire(QWidget& f, const QString& prenom, const QString& nom,
                             const QString& jour, const QString& mois, const QString& annee) {
    taper(f, QStringLiteral("champ_prenom_partenaire"), prenom);
    taper(f, QStringLiteral("champ_nom_partenaire"), nom);
    taper(f, QStringLiteral("champ_jour_partenaire"), jour);
    taper(f, QStringLiteral("champ_mois_partenaire"), mois);
    taper(f, QStringLiteral("champ_annee_partenaire"), annee);
}

// A shown, active window, so that focus and key routing behave as on screen.
inline void montrer(QWidget& f) {
    f.show();
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
}

inline QString nom_focus() {
    QWidget* w = QApplication::focusWidget();
    if (!w)
        return {};
    if (qobject_cast<QTabBar*>(w))
        return QStringLiteral("onglets");
    return w->objectName();
}

// Counts the calls of the hooks that the secondary windows plug into.
class FenetreEspion : public kalder::ui::FenetrePrincipale {
  public:
    int interpretations_montrees = 0;
    int interpretations_fermees = 0;
    int ouvertures = 0;
    int sauvegardes = 0;
    int impressions = 0;
    int aides = 0;

  protected:
    void montrer_interpretation() override { ++interpretations_montrees; }
    void fermer_interpretation() override { ++interpretations_fermees; }
    void ouvrir_personne() override { ++ouvertures; }
    void sauvegarder_personnes() override { ++sauvegardes; }
    void imprimer_theme() override { ++impressions; }
    void montrer_aide() override { ++aides; }
};

} // namespace outils
