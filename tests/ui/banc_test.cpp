// The helpers the window tests stand on: a dialog that opens late is still
// driven, one that never opens or another modal window ends the wait instead
// of hanging, and a missing message box reads as one.
#include "banc_fenetre.hpp"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>

using namespace outils;

// A modal dialog of its own kind, to tell it from any other.
class DialogueEssai : public QDialog {
    Q_OBJECT
};

class TestBanc : public BancFenetre {
    Q_OBJECT

  private slots:
    void dialogue_tardif() {
        bool vu = false;
        int resultat = -1;
        QVERIFY(pendant_dialogue<DialogueEssai>(
            [&] {
                QTest::qWait(200); // the program busy before its dialog comes up
                DialogueEssai d;
                resultat = d.exec();
            },
            [&](DialogueEssai& d) {
                vu = true;
                d.accept();
            }));
        QVERIFY(vu);
        QCOMPARE(resultat, int(QDialog::Accepted));
    }

    void dialogue_laisse_ouvert_rejete() {
        int resultat = -1;
        QVERIFY(pendant_dialogue<DialogueEssai>(
            [&] {
                DialogueEssai d;
                resultat = d.exec();
            },
            [](DialogueEssai&) {}));
        QCOMPARE(resultat, int(QDialog::Rejected));
    }

    void pas_de_dialogue() {
        QTest::ignoreMessage(QtWarningMsg, "pas de dialogue DialogueEssai ouvert");
        QVERIFY(!pendant_dialogue<DialogueEssai>([] {}, [](DialogueEssai&) {}));
    }

    // Another modal window than the one awaited: closed after the delay.
    void autre_dialogue_ferme_apres_le_delai() {
        QTest::ignoreMessage(QtWarningMsg, "pas de dialogue DialogueEssai ouvert");
        QElapsedTimer ecoule;
        ecoule.start();
        bool fait = false;
        const bool vu = pendant_dialogue<DialogueEssai>(
            [] {
                QMessageBox boite(QMessageBox::Warning, QStringLiteral("Erreur"),
                                  QStringLiteral("inattendue"));
                boite.exec();
            },
            [&](DialogueEssai&) { fait = true; }, 300);
        QVERIFY(!vu);
        QVERIFY(!fait);
        QVERIFY(ecoule.elapsed() < 5000);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aucune_boite() {
        QVERIFY(!kalder::ui::dernier_message().has_value());
        QCOMPARE(message_montre().texte, QStringLiteral("(aucune boîte)"));
        commande(*fenetre, QStringLiteral("m_apropos"));
        QCOMPARE(message_montre().texte, QStringLiteral("Kalder Version 3.1"));
    }

    void reponse_suivante_prise() {
        reponse_suivante(QMessageBox::No);
        const auto r = kalder::ui::montrer_message(
            fenetre.get(), kalder::Message{"Attention", "?", kalder::Icone::question},
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        QCOMPARE(r, QMessageBox::No);
    }
};

QTEST_MAIN(TestBanc)
#include "banc_test.moc"
