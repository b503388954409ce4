// "Calculer pour l'année" on a typed year, and the compatibility tab.
#include "banc_fenetre.hpp"

using namespace outils;

class TestAnneeEntente : public BancFenetre {
    Q_OBJECT

  private slots:
    // Anne Dupont, born 17 May 1980, forecast for 2026.
    void grille_de_l_annee_data() {
        QTest::addColumn<QString>("tableau");
        QTest::addColumn<QStringList>("valeurs");
        QTest::newRow("mois personnel")
            << "Toi" << QStringList{"6", "7", "8", "9", "1", "2", "3", "4", "5", "6", "7", "8"};
        QTest::newRow("cycle mensuel")
            << "cym" << QStringList{"6", "6", "6", "6", "6", "9", "9", "9", "9", "6", "6", "6"};
        QTest::newRow("essence") << "esse" << QStringList{"3", "4", "5", "6", "7", "11",
                                                          "3", "4", "5", "3", "4", "5"};
        QTest::newRow("période") << "periode" << QStringList{"5", "6", "6", "7", "7", "1",
                                                             "2", "2", "3", "3", "4", "5"};
        QTest::newRow("profection") << "profec" << QStringList{"10", "10", "10", "10", "10", "11",
                                                               "11", "11", "11", "11", "11", "11"};
        QTest::newRow("apogées") << "apog" << QStringList{"32/5", "36/9", "68/5", "24/6"};
    }
    void grille_de_l_annee() {
        QFETCH(QString, tableau);
        QFETCH(QStringList, valeurs);
        calculer_annee_2026();
        for (int i = 0; i < valeurs.size(); ++i) {
            const QString nom = QStringLiteral("%1(%2)").arg(tableau).arg(i + 1);
            QCOMPARE(libelle(*fenetre, nom)->text(), valeurs[i]);
        }
    }

    void tete_et_semaines_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::newRow("année personnelle") << "annee_personnelle"
                                           << "5";
        QTest::newRow("lettre de passage") << "lettre_passage"
                                           << "P";
        QTest::newRow("leco 1") << "leco(1)"
                                << "6";
        QTest::newRow("leco 3") << "leco(3)"
                                << "8";
        QTest::newRow("semaine 1") << "semaine(1)"
                                   << "15/6";
        QTest::newRow("semdef 1") << "semdef(1)"
                                  << "4";
        QTest::newRow("semaine 13") << "semaine(13)"
                                    << "29/2";
        QTest::newRow("semdef 13") << "semdef(13)"
                                   << "1";
        QTest::newRow("semaine 25") << "semaine(25)"
                                    << "44/8";
        QTest::newRow("semdef 25") << "semdef(25)"
                                   << "3";
        QTest::newRow("semaine 37") << "semaine(37)"
                                    << "16/7";
        QTest::newRow("semdef 37") << "semdef(37)"
                                   << "5";
    }
    void tete_et_semaines() {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        calculer_annee_2026();
        QCOMPARE(libelle(*fenetre, nom)->text(), texte);
    }

    void sans_date_de_naissance() {
        taper_vous(*fenetre, QStringLiteral("Anne"), QStringLiteral("Dupont"), {}, {}, {});
        entree(*fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
        QCOMPARE(libelle(*fenetre, QStringLiteral("Nomb(12)"))->text(), QStringLiteral("0"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("Nomb(14)"))->text(), QString());
        QCOMPARE(libelle(*fenetre, QStringLiteral("Nomb(13)"))->text(), QStringLiteral("9"));
        QLineEdit* annee = champ(*fenetre, QStringLiteral("champ_annee_calcul"));
        QVERIFY(annee->text().isEmpty());
        QVERIFY(!annee->isEnabled());
        QVERIFY(!bouton(*fenetre, QStringLiteral("bouton_calculer_annee"))->isEnabled());
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_synthese"))->isEnabled());
    }

    void entente_data() {
        QTest::addColumn<QStringList>("partenaire"); // prénom, nom, jour, mois, année
        QTest::addColumn<QStringList>("rencontre");
        QTest::addColumn<QStringList>("attendus"); // ent(1) .. ent(7)
        QTest::newRow("Paul Martin sans dates")
            << QStringList{"Paul", "Martin", "", "", ""} << QStringList{"", "", ""}
            << QStringList{"8", "8", "8", "", "7", "", ""};
        QTest::newRow("né le 17/5/1990, rencontré le 1/1/2000")
            << QStringList{"Paul", "Martin", "17", "5", "1990"} << QStringList{"1", "1", "2000"}
            << QStringList{"8", "8", "8", "5", "7", "13/4", "4"};
    }
    void entente() {
        QFETCH(QStringList, partenaire);
        QFETCH(QStringList, rencontre);
        QFETCH(QStringList, attendus);
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(3);
        taper_partenaire(*fenetre, partenaire[0], partenaire[1], partenaire[2], partenaire[3],
                         partenaire[4]);
        taper(*fenetre, QStringLiteral("champ_jour_rencontre"), rencontre[0]);
        taper(*fenetre, QStringLiteral("champ_mois_rencontre"), rencontre[1]);
        taper(*fenetre, QStringLiteral("champ_annee_rencontre"), rencontre[2]);
        entree(*fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(libelle(*fenetre, QStringLiteral("ent(%1)").arg(i))->text(), attendus[i - 1]);
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_entente"))->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        const QStringList ecarts = ecarts_libelles_modele(*fenetre);
        QVERIFY2(ecarts.isEmpty(), qPrintable(ecarts.join(QLatin1Char('\n'))));
    }

    // The year's grid written by "Calculer pour l'année": every label shows its slot.
    void libelles_de_l_annee() {
        calculer_annee_2026();
        const QStringList ecarts = ecarts_libelles_modele(*fenetre);
        QVERIFY2(ecarts.isEmpty(), qPrintable(ecarts.join(QLatin1Char('\n'))));
    }

  private:
    void calculer_annee_2026() {
        taper_vous(*fenetre, QStringLiteral("Anne"), QStringLiteral("Dupont"), QStringLiteral("17"),
                   QStringLiteral("5"), QStringLiteral("1980"));
        entree(*fenetre);
        QLineEdit* annee = champ(*fenetre, QStringLiteral("champ_annee_calcul"));
        onglets(*fenetre)->setCurrentIndex(2);
        annee->setFocus(Qt::TabFocusReason);
        annee->selectAll();
        QTest::keyClicks(annee, QStringLiteral("2026"));
        QCOMPARE(annee->text(), QStringLiteral("2026"));
        QTest::keyClick(annee, Qt::Key_Return);
        QVERIFY(!kalder::ui::dernier_message().has_value());
    }
};

QTEST_MAIN(TestAnneeEntente)
#include "annee_entente_test.moc"
