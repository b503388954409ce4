#pragma once
// What the window tests share: finding the real widgets by object name,
// typing into them, reading what the labels and message boxes show, and
// driving modal dialogs. BancFenetre (banc_fenetre.hpp) builds on it.

#include "modele/slots.hpp"
#include "ui/boites_message.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <utility>

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
// A menu command, run as if chosen from its menu.
inline void commande(QWidget& f, const QString& nom) {
    trouver<QAction>(f, nom)->trigger();
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
// The window's data folder set to a test's own folder.
inline void donner_dossier(kalder::ui::FenetrePrincipale& f, const QTemporaryDir& dossier) {
    f.secondaires().definir_dossier_donnees(kalder::ui::chemin_local(dossier.path()));
}

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

// --- Message boxes. They are answered without being shown (BancFenetre sets
// this up); a test says beforehand what the next one must answer.

inline void reponse_suivante(QMessageBox::StandardButton reponse) {
    kalder::ui::definir_reponse_suivante(reponse);
}

// What the last box said. When no box was shown, a box titled and worded
// "(aucune boîte)", so that comparing with it fails cleanly.
inline kalder::ui::MessageMontre message_montre() {
    const QString aucune = QStringLiteral("(aucune boîte)");
    return kalder::ui::dernier_message().value_or(
        kalder::ui::MessageMontre{aucune, aucune, QMessageBox::NoIcon});
}

// --- Modal dialogs.

// How long a test waits for a modal dialog, and lets one stay open.
inline constexpr int delai_dialogue_ms = 5000;

// Closes every modal window still open, the innermost first; says whether
// there was one.
inline bool fermer_les_dialogues() {
    bool ouvert = false;
    for (int essais = 0; essais < 10; ++essais) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        ouvert = true;
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        else
            modal->close();
    }
    return ouvert;
}

// Runs `declencher`, which opens a modal dialog of type T and waits in it,
// then `faire` on that dialog once it is up; a dialog that `faire` leaves open
// is rejected afterwards. The dialog is looked for every few milliseconds, so
// one that opens late is still found, and any modal window still open after
// `delai_ms` is closed: the test fails instead of hanging. Returns
// whether the dialog came up and `faire` passed its checks.
template <typename T>
bool pendant_dialogue(const std::function<void()>& declencher, const std::function<void(T&)>& faire,
                      int delai_ms = delai_dialogue_ms) {
    bool vu = false;
    QElapsedTimer ecoule;
    ecoule.start();
    QTimer guet;
    guet.setInterval(10);
    QObject::connect(&guet, &QTimer::timeout, [&] {
        auto* d = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!vu && d && d->isVisible()) {
            vu = true;
            faire(*d);
            if (d->isVisible())
                d->reject();
        } else if (ecoule.elapsed() > delai_ms) {
            guet.stop();
            fermer_les_dialogues();
        }
    });
    guet.start();
    declencher();
    guet.stop();
    if (!vu)
        qWarning("pas de dialogue %s ouvert", T::staticMetaObject.className());
    return vu && !QTest::currentTestFailed();
}

// --- The labels against the model.

// Where the labels of the window differ from the model: every slot must have
// a label of its name that shows its text, is shown or hidden as the model
// says, and is dark red or green when the model says so (else in the colour
// the same label has in a window just opened).
inline QStringList ecarts_libelles_modele(kalder::ui::FenetrePrincipale& f) {
    kalder::ui::FenetrePrincipale neuve;
    // Tabs built now show the model as they would have from the start.
    f.construire_onglets();
    neuve.construire_onglets();
    QStringList ecarts;
    for (const auto& [nom_slot, s] : kalder::slots_nommes(std::as_const(f.etat()))) {
        const QString nom = QString::fromStdString(nom_slot);
        QLabel* l = f.findChild<QLabel*>(nom);
        if (!l) {
            ecarts << QStringLiteral("%1 : aucun libellé de ce nom").arg(nom);
            continue;
        }
        const QString texte = QString::fromStdString(s->texte);
        if (l->text() != texte)
            ecarts
                << QStringLiteral("%1 montre « %2 » au lieu de « %3 »").arg(nom, l->text(), texte);
        if (l->isHidden() == s->visible)
            ecarts << QStringLiteral("%1 %2").arg(nom, s->visible ? QStringLiteral("caché")
                                                                  : QStringLiteral("montré"));
        QColor attendue;
        switch (s->couleur) {
        case kalder::Couleur::rouge_fonce:
            attendue = QColor(192, 0, 0);
            break;
        case kalder::Couleur::vert:
            attendue = QColor(0, 128, 0);
            break;
        case kalder::Couleur::defaut:
            if (QLabel* avant = neuve.findChild<QLabel*>(nom))
                attendue = couleur(avant);
            break;
        }
        if (attendue.isValid() && couleur(l) != attendue)
            ecarts << QStringLiteral("%1 en %2 au lieu de %3")
                          .arg(nom, couleur(l).name(), attendue.name());
    }
    return ecarts;
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
