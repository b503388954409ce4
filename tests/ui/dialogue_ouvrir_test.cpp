// The open-person dialog and "Sauvegarder", against a real directory file
// in a temporary data folder.
#include "banc_fenetre.hpp"
#include "modele/etat_fenetre.hpp"

#include "ui/dialogue_ouvrir.hpp"
#include "ui/fenetre_interpretation.hpp"
#include "ui/fenetres_secondaires.hpp"

#include "repertoire/sauvegarder_personnes.hpp"
#include "repertoire/verrou.hpp"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListView>
#include <QPointer>
#include <QStatusBar>
#include <QTemporaryDir>

#include <functional>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

using namespace outils;
using kalder::ui::DialogueOuvrir;

namespace {

// Windows-1252, CR LF, in the file's order.
const QByteArray repertoire = "\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n"
                              "\"dupont\",\"Zo\xe9\",\"15\",\"7\",\"1975\"\r\n"
                              "\"Dupond\",\"Anne\",\"1\",\"1\",\"1990\"\r\n"
                              "\"Du;pont\",\"Jean\",\"\",\"2\",\"1960\"\r\n";

const QStringList lignes_triees = {
    QStringLiteral("Du;pont;Jean;;2;1960"), QStringLiteral("Dupond;Anne;1;1;1990"),
    QStringLiteral("dupont;Zoé;15;7;1975"), QStringLiteral("Martin;Paul;3;4;1980")};

QStringList vous(QWidget& f) {
    QStringList l;
    for (const char* n : {"champ_prenom", "champ_nom", "champ_jour", "champ_mois", "champ_annee"})
        l << champ(f, QString::fromLatin1(n))->text();
    return l;
}

QStringList partenaire(QWidget& f) {
    QStringList l;
    for (const char* n :
         {"champ_prenom_partenaire", "champ_nom_partenaire", "champ_jour_partenaire",
          "champ_mois_partenaire", "champ_annee_partenaire"})
        l << champ(f, QString::fromLatin1(n))->text();
    return l;
}

QListView* liste(DialogueOuvrir& d) {
    return d.findChild<QListView*>(QStringLiteral("liste_personnes"));
}

int nombre(DialogueOuvrir& d) {
    return liste(d)->model()->rowCount();
}

QStringList lignes(DialogueOuvrir& d) {
    QStringList vues;
    for (int i = 0; i < nombre(d); ++i)
        vues << liste(d)->model()->index(i, 0).data().toString();
    return vues;
}

void choisir(DialogueOuvrir& d, int rang) {
    liste(d)->setCurrentIndex(liste(d)->model()->index(rang, 0));
}

// A save by someone else (another window, kalder-theme) while this one waits.
class Oui : public kalder::Questions {
  public:
    bool oui(const kalder::Message&) override { return true; }
};

} // namespace

class TestDialogueOuvrir : public BancFenetre {
    Q_OBJECT

  private slots:
    void init() {
        BancFenetre::init();
        dossier = std::make_unique<QTemporaryDir>();
        donner_dossier(*fenetre, *dossier);
    }
    void cleanup() {
        BancFenetre::cleanup();
        dossier.reset();
    }

    void apparence_et_tri() {
        ecrire(repertoire);
        ouvrir([&](DialogueOuvrir& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Ouvrir"));
            QVERIFY(d.isModal());
            QCOMPARE(d.size(), QSize(322, 210));
            QCOMPARE(d.minimumSize(), d.maximumSize());
            QCOMPARE(d.palette().color(QPalette::Window), QColor(0, 128, 0));
            QCOMPARE(lignes(d), lignes_triees);
            QCOMPARE(liste(d)->selectionMode(), QAbstractItemView::SingleSelection);
            QCOMPARE(liste(d)->accessibleName(), QStringLiteral("Personnes enregistrées"));
            const QStringList boutons = {QStringLiteral("bouton_vous"),
                                         QStringLiteral("bouton_partenaire"),
                                         QStringLiteral("bouton_abandonner")};
            const QStringList textes = {QStringLiteral("-> Vous"), QStringLiteral("-> Partenaire"),
                                        QStringLiteral("Abandonner")};
            for (int i = 0; i < 3; ++i) {
                QPushButton* b = bouton(d, boutons[i]);
                QCOMPARE(b->text(), textes[i]);
                QVERIFY(b->isEnabled());
                QVERIFY(!b->isDefault());
                QVERIFY(!b->autoDefault());
            }
            // Focus order: the list, "Abandonner", "-> Vous", "-> Partenaire".
            QWidget* w = liste(d);
            QStringList ordre{w->objectName()};
            for (int i = 0; i < 3; ++i) {
                w = w->nextInFocusChain();
                while (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
                    w = w->nextInFocusChain();
                ordre << w->objectName();
            }
            QCOMPARE(
                ordre,
                QStringList({QStringLiteral("liste_personnes"), QStringLiteral("bouton_abandonner"),
                             QStringLiteral("bouton_vous"), QStringLiteral("bouton_partenaire")}));
            bouton(d, QStringLiteral("bouton_abandonner"))->click();
        });
        QCOMPARE(vous(*fenetre), QStringList(5));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    void prise_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("rang");
        QTest::addColumn<QStringList>("personne"); // prénoms, nom, jour, mois, année
        QTest::newRow("-> Vous") << "vous" << 2 << QStringList{"Zoé", "dupont", "15", "7", "1975"};
        QTest::newRow("double clic")
            << "double" << 3 << QStringList{"Paul", "Martin", "3", "4", "1980"};
        QTest::newRow("-> Partenaire")
            << "partenaire" << 1 << QStringList{"Anne", "Dupond", "1", "1", "1990"};
        QTest::newRow("nom avec ;")
            << "vous" << 0 << QStringList{"Jean", "Du;pont", "", "2", "1960"};
        QTest::newRow("nom avec ; en partenaire")
            << "partenaire" << 0 << QStringList{"Jean", "Du;pont", "", "2", "1960"};
    }
    void prise() {
        QFETCH(QString, action);
        QFETCH(int, rang);
        QFETCH(QStringList, personne);
        ecrire(repertoire);
        calculer_exemple(*fenetre);
        taper_partenaire(*fenetre, QStringLiteral("Luc"), QStringLiteral("Roy"),
                         QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1970"));
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        QPointer<QWidget> interpretation = fenetre->secondaires().interpretation();
        QVERIFY(interpretation);
        const QStringList vous_avant = vous(*fenetre);
        const QString chemin_de_vie = libelle(*fenetre, QStringLiteral("synth(3)"))->text();
        QVERIFY(!chemin_de_vie.isEmpty());

        ouvrir([&](DialogueOuvrir& d) {
            choisir(d, rang);
            if (action == QStringLiteral("double")) {
                const QRect r = liste(d)->visualRect(liste(d)->model()->index(rang, 0));
                // The press of the first click, then the second one as a double-click.
                QTest::mousePress(liste(d)->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseRelease(liste(d)->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseDClick(liste(d)->viewport(), Qt::LeftButton, {}, r.center());
            } else {
                QTest::mouseClick(bouton(d, QStringLiteral("bouton_") + action), Qt::LeftButton);
            }
        });

        if (action == QStringLiteral("partenaire")) {
            QCOMPARE(partenaire(*fenetre), personne);
            QCOMPARE(vous(*fenetre), vous_avant);
            QCOMPARE(libelle(*fenetre, QStringLiteral("synth(3)"))->text(), chemin_de_vie);
            QVERIFY(interpretation);
        } else {
            // Clear-all first: results, partner line and interpretation window go.
            QCOMPARE(vous(*fenetre), personne);
            QCOMPARE(partenaire(*fenetre), QStringList(5));
            QVERIFY(libelle(*fenetre, QStringLiteral("synth(3)"))->text().isEmpty());
            QVERIFY(!bouton(*fenetre, QStringLiteral("bouton_synthese"))->isEnabled());
            QVERIFY(!interpretation);
            QCOMPARE(fenetre->etat().bouton_defaut, kalder::BoutonId::calculer);
        }
    }

    void sans_selection_rien_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("-> Vous") << "bouton_vous";
        QTest::newRow("-> Partenaire") << "bouton_partenaire";
        QTest::newRow("Abandonner") << "bouton_abandonner";
    }
    void sans_selection_rien() {
        QFETCH(QString, nom);
        ecrire(repertoire);
        calculer_exemple(*fenetre);
        const QStringList avant = vous(*fenetre);
        ouvrir([&](DialogueOuvrir& d) { bouton(d, nom)->click(); });
        QCOMPARE(vous(*fenetre), avant);
        QCOMPARE(partenaire(*fenetre), QStringList(5));
        QVERIFY(!libelle(*fenetre, QStringLiteral("synth(3)"))->text().isEmpty());
    }

    void sans_fichier() {
        int messages_avant_dialogue = -1;
        ouvrir([&](DialogueOuvrir& d) {
            messages_avant_dialogue = kalder::ui::nombre_messages_montres();
            QCOMPARE(nombre(d), 0);
            QVERIFY(!bouton(d, QStringLiteral("bouton_vous"))->isEnabled());
            QVERIFY(!bouton(d, QStringLiteral("bouton_partenaire"))->isEnabled());
            QVERIFY(bouton(d, QStringLiteral("bouton_abandonner"))->isEnabled());
            bouton(d, QStringLiteral("bouton_abandonner"))->click();
        });
        QCOMPARE(messages_avant_dialogue, 1);
        const auto m = message_montre();
        QCOMPARE(m.titre, QStringLiteral("Erreur"));
        QCOMPARE(m.texte, QStringLiteral("Pas de données enregistrées"));
        QCOMPARE(m.icone, QMessageBox::Warning);
    }

    void fichier_vide() {
        ecrire({});
        ouvrir([&](DialogueOuvrir& d) {
            QCOMPARE(nombre(d), 0);
            QVERIFY(bouton(d, QStringLiteral("bouton_vous"))->isEnabled());
            QVERIFY(bouton(d, QStringLiteral("bouton_partenaire"))->isEnabled());
            bouton(d, QStringLiteral("bouton_vous"))->click();
        });
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    // No cancel button and no default button: Escape does nothing, Enter
    // presses only the button that has the focus.
    void clavier() {
        ecrire(repertoire);
        bool ouvert_apres_echap = false;
        bool ouvert_apres_entree = false;
        ouvrir([&](DialogueOuvrir& d) {
            liste(d)->setFocus();
            choisir(d, 3);
            QTest::keyClick(liste(d), Qt::Key_Escape);
            QTest::keyClick(&d, Qt::Key_Escape);
            ouvert_apres_echap = d.isVisible();
            QTest::keyClick(liste(d), Qt::Key_Return);
            QTest::keyClick(liste(d), Qt::Key_Enter, Qt::KeypadModifier);
            ouvert_apres_entree = d.isVisible();
            QPushButton* b = bouton(d, QStringLiteral("bouton_partenaire"));
            b->setFocus();
            QTest::keyClick(b, Qt::Key_Return);
        });
        QVERIFY(ouvert_apres_echap);
        QVERIFY(ouvert_apres_entree);
        QCOMPARE(partenaire(*fenetre),
                 QStringList({QStringLiteral("Paul"), QStringLiteral("Martin"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("1980")}));
    }

    void sauvegarder_premiere_fois() {
        taper_vous(*fenetre, QStringLiteral(" Anne-Marie "), QStringLiteral("Dupont"),
                   QStringLiteral("15"), QStringLiteral("7"), QStringLiteral("1975"));
        taper_partenaire(*fenetre, QStringLiteral("Zoe"), QStringLiteral("Roy, fils"),
                         QStringLiteral("02"), QStringLiteral("3"), {});
        fenetre->saisir_champ(kalder::ChampId::prenom_partenaire, QStringLiteral("Zoé"));
        sauvegarder();
        QCOMPARE(lire(), QByteArray("\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n"
                                    "\"Roy, fils\",\"Zo\xe9\",\"02\",\"3\",\"\"\r\n"));
        QVERIFY(!QFile::exists(dossier->filePath(QStringLiteral("Kalderrep.bak"))));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    void sauvegarder_reponses_data() {
        QTest::addColumn<int>("reponse_vous");
        QTest::addColumn<int>("reponse_partenaire");
        QTest::addColumn<QByteArray>("attendu");
        const QByteArray paul_neuf = "\"Martin\",\"Paul\",\"9\",\"9\",\"1999\"\r\n";
        const QByteArray paul_ancien = "\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n";
        const QByteArray zoe_neuve = "\"dupont\",\"Zo\xe9\",\"1\",\"1\",\"2001\"\r\n";
        const QByteArray zoe_ancienne = "\"dupont\",\"Zo\xe9\",\"15\",\"7\",\"1975\"\r\n";
        const QByteArray reste = "\"Dupond\",\"Anne\",\"1\",\"1\",\"1990\"\r\n"
                                 "\"Du;pont\",\"Jean\",\"\",\"2\",\"1960\"\r\n";
        QTest::newRow("oui, oui") << int(QMessageBox::Yes) << int(QMessageBox::Yes)
                                  << paul_neuf + zoe_neuve + reste;
        QTest::newRow("oui, non") << int(QMessageBox::Yes) << int(QMessageBox::No)
                                  << paul_neuf + zoe_ancienne + reste;
        QTest::newRow("non, oui") << int(QMessageBox::No) << int(QMessageBox::Yes)
                                  << paul_ancien + zoe_neuve + reste;
        QTest::newRow("non, non") << int(QMessageBox::No) << int(QMessageBox::No) << repertoire;
    }
    void sauvegarder_reponses() {
        QFETCH(int, reponse_vous);
        QFETCH(int, reponse_partenaire);
        QFETCH(QByteArray, attendu);
        ecrire(repertoire);
        taper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), QStringLiteral("9"),
                   QStringLiteral("9"), QStringLiteral("1999"));
        taper_partenaire(*fenetre, QStringLiteral("Zoe"), QStringLiteral("dupont"),
                         QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2001"));
        fenetre->saisir_champ(kalder::ChampId::prenom_partenaire, QStringLiteral("Zoé"));
        reponse_suivante(QMessageBox::StandardButton(reponse_vous));
        reponse_suivante(QMessageBox::StandardButton(reponse_partenaire));
        sauvegarder();
        QCOMPARE(lire(), attendu);
        QCOMPARE(lire(QStringLiteral("Kalderrep.bak")), repertoire);
        QCOMPARE(kalder::ui::nombre_messages_montres(), 2);
        // The second question, for the partner, has no icon.
        const auto m = message_montre();
        QCOMPARE(m.titre, QStringLiteral("Attention"));
        QCOMPARE(m.texte, QStringLiteral("Zoé dupont a déjà été enregistré, modifier ?"));
        QCOMPARE(m.icone, QMessageBox::NoIcon);
    }

    void question_vous_avec_icone() {
        ecrire(repertoire);
        taper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), QStringLiteral("9"),
                   QStringLiteral("9"), QStringLiteral("1999"));
        reponse_suivante(QMessageBox::No);
        sauvegarder();
        QCOMPARE(kalder::ui::nombre_messages_montres(), 1);
        const auto m = message_montre();
        QCOMPARE(m.titre, QStringLiteral("Attention"));
        QCOMPARE(m.texte, QStringLiteral("Paul Martin a déjà été enregistré, modifier ?"));
        QCOMPARE(m.icone, QMessageBox::Question);
        QCOMPARE(lire(), repertoire);
    }

    // Another Kalder saving: the wait is shown, then the save goes on.
    void sauvegarde_attend_une_autre() {
        ecrire(repertoire);
        kalder::Verrou autre;
        QVERIFY(!autre.prendre(chemin_dossier()));
        bool curseur_attente = false;
        auto* barre = fenetre->findChild<QStatusBar*>(QStringLiteral("barre_etat"));
        QVERIFY(barre);
        const auto lien =
            QObject::connect(barre, &QStatusBar::messageChanged, barre, [&](const QString& m) {
                if (!m.startsWith(QStringLiteral("En attente de la fin d'une autre sauvegarde")))
                    return;
                const QCursor* c = QGuiApplication::overrideCursor();
                curseur_attente = c && c->shape() == Qt::WaitCursor;
                autre.lacher();
            });
        taper_vous(*fenetre, QStringLiteral("Luc"), QStringLiteral("Roy"), {}, {}, {});
        sauvegarder();
        QObject::disconnect(lien);
        QVERIFY(curseur_attente);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(lire().endsWith("\"Roy\",\"Luc\",\"\",\"\",\"\"\r\n"));
    }

    // What the engine refuses comes back as an "Erreur" box; the file stays.
    void sauvegarder_refus() {
        ecrire(repertoire);
        taper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Mar\"tin"), {}, {}, {});
        sauvegarder();
        QCOMPARE(kalder::ui::nombre_messages_montres(), 1);
        QCOMPARE(message_montre().titre, QStringLiteral("Erreur"));
        QCOMPARE(message_montre().icone, QMessageBox::Warning);
        QCOMPARE(lire(), repertoire);
    }

    // Saved, then read back into the partner line.
    void aller_retour() {
        taper_vous(*fenetre, QStringLiteral("Elodie"), QStringLiteral("Leger"), QStringLiteral("5"),
                   QStringLiteral("12"), QStringLiteral("1988"));
        fenetre->saisir_champ(kalder::ChampId::prenom, QStringLiteral("Élodie"));
        fenetre->saisir_champ(kalder::ChampId::nom, QStringLiteral("Léger"));
        sauvegarder();
        ouvrir([&](DialogueOuvrir& d) {
            choisir(d, 0);
            bouton(d, QStringLiteral("bouton_partenaire"))->click();
        });
        QCOMPARE(partenaire(*fenetre), vous(*fenetre));
    }

    // Suppr on a line asks, then removes that entry only; the list follows.
    void supprimer_par_la_touche() {
        ecrire(repertoire);
        QStringList apres;
        int rang_apres = -1;
        ouvrir([&](DialogueOuvrir& d) {
            liste(d)->setFocus();
            choisir(d, 2);
            kalder::ui::definir_reponse_suivante(QMessageBox::Yes);
            QTest::keyClick(liste(d), Qt::Key_Delete);
            apres = lignes(d);
            rang_apres = liste(d)->currentIndex().row();
        });
        const auto m = kalder::ui::dernier_message();
        QVERIFY(m.has_value());
        QCOMPARE(m->titre, QStringLiteral("Attention"));
        QCOMPARE(
            m->texte,
            QStringLiteral("Supprimer «\u00a0Zoé dupont (15/7/1975)\u00a0» du répertoire\u00a0?"));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 1);
        QCOMPARE(apres, QStringList({lignes_triees[0], lignes_triees[1], lignes_triees[3]}));
        QCOMPARE(rang_apres, 2);
        QCOMPARE(lire(), QByteArray("\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n"
                                    "\"Dupond\",\"Anne\",\"1\",\"1\",\"1990\"\r\n"
                                    "\"Du;pont\",\"Jean\",\"\",\"2\",\"1960\"\r\n"));
        QCOMPARE(lire(QStringLiteral("Kalderrep.bak")), repertoire);
    }

    // The context menu offers "Supprimer…"; Non leaves everything as it was.
    void supprimer_par_le_menu_non() {
        ecrire(repertoire);
        QStringList apres;
        ouvrir([&](DialogueOuvrir& d) {
            QCOMPARE(liste(d)->contextMenuPolicy(), Qt::ActionsContextMenu);
            const auto actions = liste(d)->actions();
            QCOMPARE(actions.size(), 1);
            QCOMPARE(actions[0]->text(), QStringLiteral("Supprimer…"));
            QVERIFY(!actions[0]->isEnabled());
            choisir(d, 3);
            QVERIFY(actions[0]->isEnabled());
            kalder::ui::definir_reponse_suivante(QMessageBox::No);
            actions[0]->trigger();
            apres = lignes(d);
        });
        QCOMPARE(
            kalder::ui::dernier_message()->texte,
            QStringLiteral("Supprimer «\u00a0Paul Martin (3/4/1980)\u00a0» du répertoire\u00a0?"));
        QCOMPARE(apres, lignes_triees);
        QCOMPARE(lire(), repertoire);
        QVERIFY(!QFile::exists(dossier->filePath(QStringLiteral("Kalderrep.bak"))));
    }

    // Letters typed in the list go to the first line they begin, case and
    // accents set aside as the order sets them aside.
    void recherche_au_clavier_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<int>("rang");
        QTest::newRow("ma") << "ma" << 4;
        QTest::newRow("e, Écuyer") << "e" << 3;
        QTest::newRow("EC") << "EC" << 3;
    }
    void recherche_au_clavier() {
        QFETCH(QString, touches);
        QFETCH(int, rang);
        ecrire(repertoire + "\"\xc9"
                            "cuyer\",\"L\xe9"
                            "a\",\"\",\"\",\"\"\r\n");
        int vu = -1;
        ouvrir([&](DialogueOuvrir& d) {
            liste(d)->setFocus();
            QTest::keyClicks(liste(d), touches);
            vu = liste(d)->currentIndex().row();
        });
        QCOMPARE(vu, rang);
    }

    // The question is answered late, while another program saves a person:
    // that person is kept, and the answer applies to the file as it is then.
    void question_repondue_pendant_une_autre_sauvegarde() {
        ecrire(repertoire);
        taper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), QStringLiteral("9"),
                   QStringLiteral("9"), QStringLiteral("1999"));
        // This one box is really shown, and answered late.
        kalder::ui::repondre_automatiquement(false);
        bool repondu = false;
        const bool vue = outils::pendant_dialogue<QMessageBox>(
            [&] { sauvegarder(); },
            [&](QMessageBox& boite) {
                kalder::EtatFenetre autre;
                autre.saisir(kalder::ChampId::prenom, "Luc");
                autre.saisir(kalder::ChampId::nom, "Roy");
                Oui oui;
                const auto issue = kalder::sauvegarder_personnes(autre, chemin_dossier(), oui);
                QVERIFY(!issue.message);
                repondu = true;
                boite.button(QMessageBox::Yes)->click();
            });
        kalder::ui::repondre_automatiquement(true);
        QVERIFY(vue);
        QVERIFY(repondu);
        QCOMPARE(lire(), QByteArray("\"Martin\",\"Paul\",\"9\",\"9\",\"1999\"\r\n") +
                             repertoire.mid(repertoire.indexOf('\n') + 1) +
                             "\"Roy\",\"Luc\",\"\",\"\",\"\"\r\n");
    }

    // A named pipe in place of the directory file freezes neither "Ouvrir…"
    // nor "Sauvegarder": both say why, and the pipe stays.
    void tube_nomme_refuse_sans_attendre() {
#if defined(_WIN32)
        QSKIP("pas de tube nommé ici");
#else
        const QByteArray tube =
            QFile::encodeName(dossier->filePath(QStringLiteral("Kalderrep.txt")));
        QCOMPARE(mkfifo(tube.constData(), 0644), 0);
        bool prises = true;
        ouvrir([&](DialogueOuvrir& d) {
            prises = bouton(d, QStringLiteral("bouton_vous"))->isEnabled();
            QCOMPARE(nombre(d), 0);
        });
        QVERIFY(!prises);
        QCOMPARE(kalder::ui::dernier_message()->titre, QStringLiteral("Erreur"));
        QVERIFY(kalder::ui::dernier_message()->texte.contains(
            QStringLiteral("n'est pas un fichier ordinaire")));
        taper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), {}, {}, {});
        sauvegarder();
        QCOMPARE(kalder::ui::nombre_messages_montres(), 2);
        QVERIFY(kalder::ui::dernier_message()->texte.contains(
            QStringLiteral("n'est pas un fichier ordinaire")));
        struct stat st {};
        QCOMPARE(stat(tube.constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
#endif
    }

    // XDG_DATA_HOME names a file: the box says which folder and why, at
    // "Ouvrir..." and "Sauvegarder" alike; nothing lands beside the program,
    // and the window still calculates.
    void dossier_de_donnees_inutilisable() {
        const QString fichier = dossier->filePath(QStringLiteral("fichier"));
        QFile(fichier).open(QIODevice::WriteOnly);
        const QByteArray avant = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(fichier));
        fenetre = std::make_unique<kalder::ui::FenetrePrincipale>();
        montrer(*fenetre);
        const bool manquant = fenetre->secondaires().dossier_manquant();
        avant.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", avant);
        QVERIFY(manquant);
        const QString attendu =
            QStringLiteral("Le dossier de données n'a pas pu être créé\u00a0: "
                           "«\u00a0%1\u00a0», car un fichier ou un chemin sans dossier "
                           "est à sa place.")
                .arg(fichier + QStringLiteral("/Kalder"));
        QCOMPARE(message_montre().texte, attendu);
        for (const char* commande_menu : {"m_ouvrir", "m_enregistrer"}) {
            kalder::ui::oublier_messages();
            commande(*fenetre, QString::fromLatin1(commande_menu));
            QCOMPARE(message_montre().texte, attendu);
            QVERIFY(!QApplication::activeModalWidget());
        }
        QVERIFY(
            !QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/Kalder")));
        taper_vous(*fenetre, QStringLiteral("Anne"), QStringLiteral("Dupont"), QStringLiteral("15"),
                   QStringLiteral("7"), QStringLiteral("1975"));
        entree(*fenetre);
        QVERIFY(fenetre->etat().actif(kalder::BoutonId::synthese));
    }

  private:
    std::filesystem::path chemin_dossier() const {
        return kalder::ui::chemin_local(dossier->path());
    }
    void ecrire(const QByteArray& octets) {
        QFile f(dossier->filePath(QStringLiteral("Kalderrep.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire(const QString& nom = QStringLiteral("Kalderrep.txt")) {
        QFile f(dossier->filePath(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void sauvegarder() {
        commande(*fenetre, QStringLiteral("m_enregistrer"));
    }

    // "Ouvrir..." with `faire` run once the modal dialog is up; a dialog that
    // `faire` leaves open is closed afterwards so the test can go on.
    void ouvrir(const std::function<void(DialogueOuvrir&)>& faire) {
        QVERIFY(pendant_dialogue<DialogueOuvrir>(
            [&] { commande(*fenetre, QStringLiteral("m_ouvrir")); }, faire));
        QVERIFY(!QApplication::activeModalWidget());
    }

    std::unique_ptr<QTemporaryDir> dossier;
};

QTEST_MAIN(TestDialogueOuvrir)
#include "dialogue_ouvrir_test.moc"
