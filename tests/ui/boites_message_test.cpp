// The message-box seam: queued answers, the automatic mode and what was said.
#include "outils_fenetre.hpp"

#include "ui/boites_message.hpp"

#include <QAbstractButton>
#include <QtTest>

using namespace kalder::ui;
using outils::pendant_dialogue;

class TestBoitesMessage : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        oublier_messages();
        repondre_automatiquement(false);
    }

    void reponse_en_attente() {
        definir_reponse_suivante(QMessageBox::No);
        const auto r = montrer_message(
            nullptr, kalder::Message{"Attention", "Remplacer ?", kalder::Icone::question},
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        QCOMPARE(r, QMessageBox::No);
        QVERIFY(dernier_message().has_value());
        QCOMPARE(dernier_message()->titre, QStringLiteral("Attention"));
        QCOMPARE(dernier_message()->texte, QStringLiteral("Remplacer ?"));
        QCOMPARE(dernier_message()->icone, QMessageBox::Question);
        QCOMPARE(nombre_messages_montres(), 1);
    }

    void reponses_dans_l_ordre() {
        definir_reponse_suivante(QMessageBox::Yes);
        definir_reponse_suivante(QMessageBox::No);
        const kalder::Message m{"Attention", "?", kalder::Icone::question};
        QCOMPARE(montrer_message(nullptr, m, QMessageBox::Yes | QMessageBox::No), QMessageBox::Yes);
        QCOMPARE(montrer_message(nullptr, m, QMessageBox::Yes | QMessageBox::No), QMessageBox::No);
        QCOMPARE(nombre_messages_montres(), 2);
    }

    void mode_automatique_data() {
        QTest::addColumn<int>("boutons");
        QTest::addColumn<int>("defaut");
        QTest::addColumn<int>("attendu");
        QTest::newRow("ok seul") << int(QMessageBox::Ok) << int(QMessageBox::NoButton)
                                 << int(QMessageBox::Ok);
        QTest::newRow("oui non, défaut non") << int(QMessageBox::Yes | QMessageBox::No)
                                             << int(QMessageBox::No) << int(QMessageBox::No);
        QTest::newRow("oui non sans défaut") << int(QMessageBox::Yes | QMessageBox::No)
                                             << int(QMessageBox::NoButton) << int(QMessageBox::Yes);
    }
    void mode_automatique() {
        QFETCH(int, boutons);
        QFETCH(int, defaut);
        QFETCH(int, attendu);
        repondre_automatiquement(true);
        const auto r = montrer_message(nullptr, kalder::Message{"Erreur", "Jour incorrect"},
                                       QMessageBox::StandardButtons(boutons),
                                       QMessageBox::StandardButton(defaut));
        QCOMPARE(int(r), attendu);
    }

    void icones_data() {
        QTest::addColumn<int>("icone");
        QTest::addColumn<int>("attendue");
        QTest::newRow("avertissement")
            << int(kalder::Icone::avertissement) << int(QMessageBox::Warning);
        QTest::newRow("exclamation")
            << int(kalder::Icone::exclamation) << int(QMessageBox::Warning);
        QTest::newRow("question") << int(kalder::Icone::question) << int(QMessageBox::Question);
        QTest::newRow("information")
            << int(kalder::Icone::information) << int(QMessageBox::Information);
        QTest::newRow("aucune") << int(kalder::Icone::aucune) << int(QMessageBox::NoIcon);
    }
    void icones() {
        QFETCH(int, icone);
        QFETCH(int, attendue);
        QCOMPARE(int(icone_qt(static_cast<kalder::Icone>(icone))), attendue);
    }

    // Without a queued answer the box is the real, modal one; it is closed
    // here as the user would, once it is up.
    void vraie_boite() {
        bool vue = false;
        QMessageBox::StandardButton r = QMessageBox::NoButton;
        QVERIFY(pendant_dialogue<QMessageBox>(
            [&] {
                r = montrer_message(nullptr, kalder::Message{"Erreur", "Mois incorrect"});
            },
            [&vue](QMessageBox& boite) {
                vue = boite.windowTitle() == QStringLiteral("Erreur") &&
                      boite.icon() == QMessageBox::Warning;
                if (QAbstractButton* ok = boite.button(QMessageBox::Ok))
                    ok->click();
            }));
        QCOMPARE(r, QMessageBox::Ok);
        QVERIFY(vue);
        QVERIFY(dernier_message().has_value());
        QCOMPARE(dernier_message()->texte, QStringLiteral("Mois incorrect"));
    }

    // The buttons speak French even where Qt's own French is not installed
    // (as here: the test installs no translator).
    void boutons_en_francais() {
        QStringList textes;
        QMessageBox::StandardButton r = QMessageBox::NoButton;
        QVERIFY(pendant_dialogue<QMessageBox>(
            [&] {
                r = montrer_message(nullptr,
                                    kalder::Message{"Attention",
                                                    "Paul Martin a déjà été enregistré, modifier ?",
                                                    kalder::Icone::aucune},
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
            },
            [&textes](QMessageBox& boite) {
                for (auto b : {QMessageBox::Yes, QMessageBox::No})
                    if (QAbstractButton* k = boite.button(b))
                        textes << k->text();
                if (QAbstractButton* non = boite.button(QMessageBox::No))
                    non->click();
            }));
        QCOMPARE(r, QMessageBox::No);
        QCOMPARE(textes, QStringList({QStringLiteral("&Oui"), QStringLiteral("&Non")}));
    }

    void oubli() {
        definir_reponse_suivante(QMessageBox::Ok);
        oublier_messages();
        QVERIFY(!dernier_message().has_value());
        QCOMPARE(nombre_messages_montres(), 0);
        repondre_automatiquement(true);
        montrer_message(nullptr, kalder::Message{"A Propos", "Kalder Version 3.1"});
        QCOMPARE(nombre_messages_montres(), 1);
    }
};

QTEST_MAIN(TestBoitesMessage)
#include "boites_message_test.moc"
