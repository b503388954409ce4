// The four "Interpréter" buttons and the month list go through the window's
// interpretation hook, and only when both names are filled in.
#include "banc_fenetre.hpp"

using namespace outils;

class TestInterpretation : public BancFenetre {
    Q_OBJECT

  public:
    TestInterpretation() : BancFenetre(Genre::espion) {}

  private slots:
    void init() {
        BancFenetre::init();
        calculer_exemple(*fenetre);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), {}, {}, {});
        entree(*fenetre);
    }

    void boutons_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("titre");
        QTest::newRow("synthèse") << 0 << "bouton_synthese"
                                  << "Synthèse";
        QTest::newRow("détails") << 1 << "bouton_details"
                                 << "Détails";
        QTest::newRow("cycles") << 2 << "bouton_annee"
                                << "Cycles";
        QTest::newRow("entente") << 3 << "bouton_entente"
                                 << "Entente entre deux personnes";
    }
    void boutons() {
        QFETCH(int, onglet);
        QFETCH(QString, nom);
        QFETCH(QString, titre);
        onglets(*fenetre)->setCurrentIndex(onglet);
        QTest::mouseClick(bouton(*fenetre, nom), Qt::LeftButton);
        QCOMPARE(espion().interpretations_montrees, 1);
        QCOMPARE(QString::fromStdString(fenetre->etat().interpretation.titre), titre);
        QVERIFY(!fenetre->etat().interpretation.texte.empty());
    }

    // The theme's buttons ignore the click; the compatibility one says why.
    void nom_de_blancs_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::newRow("synthèse") << 0 << "bouton_synthese"
                                  << "";
        QTest::newRow("détails") << 1 << "bouton_details"
                                 << "";
        QTest::newRow("cycles") << 2 << "bouton_annee"
                                << "";
        QTest::newRow("entente") << 3 << "bouton_entente"
                                 << "Le nom doit être saisi";
    }
    void nom_de_blancs() {
        QFETCH(int, onglet);
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QLineEdit* champ_nom = champ(*fenetre, QStringLiteral("champ_nom"));
        champ_nom->setFocus();
        champ_nom->selectAll();
        QTest::keyClicks(champ_nom, QStringLiteral("  "));
        onglets(*fenetre)->setCurrentIndex(onglet);
        QTest::mouseClick(bouton(*fenetre, nom), Qt::LeftButton);
        QCOMPARE(espion().interpretations_montrees, 0);
        if (message.isEmpty()) {
            QVERIFY(!kalder::ui::dernier_message().has_value());
        } else {
            QCOMPARE(message_montre().texte, message);
            QCOMPARE(nom_focus(), QStringLiteral("champ_nom"));
        }
    }

    void choisir_un_mois() {
        onglets(*fenetre)->setCurrentIndex(2);
        QComboBox* mois = liste_mois(*fenetre);
        mois->setFocus();
        QTest::keyClick(mois, Qt::Key_Down);
        QTest::keyClick(mois, Qt::Key_Down);
        QCOMPARE(mois->currentText(), QStringLiteral("Mars"));
        QCOMPARE(fenetre->etat().mois_choisi, 3);
        QCOMPARE(espion().interpretations_montrees, 2);
        QCOMPARE(QString::fromStdString(fenetre->etat().interpretation.titre),
                 QStringLiteral("Cycles"));
        QVERIFY(QString::fromStdString(fenetre->etat().interpretation.texte)
                    .contains(QStringLiteral("Mars")));
    }

    // Only the user's choice interprets; the program moving the list does not.
    void changement_par_le_programme() {
        liste_mois(*fenetre)->setCurrentIndex(5);
        QCOMPARE(espion().interpretations_montrees, 0);
        QCOMPARE(fenetre->etat().mois_choisi, 1);
        fenetre->afficher_modele();
        QCOMPARE(liste_mois(*fenetre)->currentIndex(), 0);
    }
};

QTEST_MAIN(TestInterpretation)
#include "interpretation_test.moc"
