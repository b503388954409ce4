// The main window as it opens.
#include "banc_fenetre.hpp"

#include <QMenuBar>
#include <QStatusBar>

using namespace outils;

class TestOuverture : public BancFenetre {
    Q_OBJECT

  private slots:
    void titre_et_zone_client() {
        QCOMPARE(fenetre->objectName(), QStringLiteral("numero"));
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Kalder"));
        QWidget* zone = fenetre->centralWidget();
        QCOMPARE(zone->size(), QSize(809, 544));
        // The status bar sits under the client area, which keeps its size.
        QStatusBar* barre = fenetre->statusBar();
        QCOMPARE(fenetre->height(), fenetre->menuBar()->height() + 544 + barre->height());
        QCOMPARE(zone->geometry().bottom() + 1, barre->geometry().top());
        QCOMPARE(fenetre->minimumSize(), fenetre->maximumSize());
        QCOMPARE(zone->palette().color(QPalette::Window), QColor(0, 128, 0));
    }

    void onglets_dans_l_ordre() {
        QTabWidget* t = onglets(*fenetre);
        QCOMPARE(t->geometry().top(), 72);
        QCOMPARE(t->geometry().height(), 473);
        const QStringList attendus = {QStringLiteral("Synthèse"), QStringLiteral("Détails"),
                                      QStringLiteral("Cycles"),
                                      QStringLiteral("Entente avec une autre personne")};
        QCOMPARE(t->count(), attendus.size());
        for (int i = 0; i < t->count(); ++i)
            QCOMPARE(t->tabText(i), attendus[i]);
        QCOMPARE(t->currentIndex(), 0);
    }

    void curseur_dans_le_prenom() { QCOMPARE(nom_focus(), QStringLiteral("champ_prenom")); }

    void champs_vides() {
        construire_onglets(*fenetre);
        const auto champs = fenetre->findChildren<QLineEdit*>();
        QCOMPARE(champs.size(), 14);
        for (QLineEdit* e : champs) {
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
            QCOMPARE(e->maxLength(), 32767); // no field limits what is typed
        }
        QVERIFY(!champ(*fenetre, QStringLiteral("champ_annee_calcul"))->isEnabled());
    }

    void boutons_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("actif");
        QTest::newRow("calculer") << "bouton_calculer"
                                  << "Calculer" << true;
        QTest::newRow("effacer tout") << "bouton_effacer_tout"
                                      << "Effacer tout" << true;
        QTest::newRow("synthese") << "bouton_synthese"
                                  << "Interpréter" << false;
        QTest::newRow("details") << "bouton_details"
                                 << "Interpréter" << false;
        QTest::newRow("annee") << "bouton_annee"
                               << "Interpréter" << false;
        QTest::newRow("calculer annee") << "bouton_calculer_annee"
                                        << "Calculer pour l'année" << false;
        QTest::newRow("calculer entente") << "bouton_calculer_entente"
                                          << "Calculer" << false;
        QTest::newRow("effacer partenaire") << "bouton_effacer_partenaire"
                                            << "Effacer" << true;
        QTest::newRow("entente") << "bouton_entente"
                                 << "Interpréter" << false;
    }
    void boutons() {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(bool, actif);
        QPushButton* b = bouton(*fenetre, nom);
        QCOMPARE(b->text(), texte);
        QCOMPARE(b->isEnabled(), actif);
        QCOMPARE(b->isDefault(), nom == QStringLiteral("bouton_calculer"));
    }

    void liste_des_mois() {
        QComboBox* l = liste_mois(*fenetre);
        QVERIFY(!l->isEditable());
        QVERIFY(!l->isEnabled());
        QCOMPARE(l->count(), 12);
        QCOMPARE(l->currentIndex(), 0);
        QCOMPARE(l->itemText(0), QStringLiteral("Janvier"));
        QCOMPARE(l->itemText(1), QStringLiteral("Février"));
        QCOMPARE(l->itemText(7), QStringLiteral("Août"));
        QCOMPARE(l->itemText(11), QStringLiteral("Décembre"));
    }

    void slots_vides_et_mots_caches() {
        construire_onglets(*fenetre);
        for (QLabel* l : fenetre->findChildren<QLabel*>()) {
            const QString nom = l->objectName();
            if (nom.startsWith(QStringLiteral("deco(")) || nom.startsWith(QStringLiteral("des(")) ||
                nom.startsWith(QStringLiteral("dei(")))
                QVERIFY2(l->isHidden(), qPrintable(nom));
        }
        for (const QString& nom :
             {QStringLiteral("Grille(1)"), QStringLiteral("Nomb(12)"), QStringLiteral("synth(3)"),
              QStringLiteral("semaine(48)"), QStringLiteral("ent(7)"), QStringLiteral("vie(0)")})
            QVERIFY2(libelle(*fenetre, nom)->text().isEmpty(), qPrintable(nom));
    }

    void legendes_du_triangle() {
        QCOMPARE(libelle(*fenetre, QStringLiteral("tri1"))->text(),
                 QStringLiteral("Pierre angulaire"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("tri2"))->text(), QStringLiteral("Nombre clef"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("tri3"))->text(),
                 QStringLiteral("Dernière pierre"));
    }

    void table_des_modes_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::newRow("Impulsion") << "Grille(17)"
                                   << "Impulsion";
        QTest::newRow("Réflexion") << "Grille(16)"
                                   << "Réflexion";
        QTest::newRow("Action") << "Grille(15)"
                                << "Action";
        QTest::newRow("Mental") << "Grille(14)"
                                << "Mental";
        QTest::newRow("Concret") << "Grille(13)"
                                 << "Concret";
        QTest::newRow("Emotif") << "Grille(11)"
                                << "Emotif";
        QTest::newRow("Intuitif") << "Grille(10)"
                                  << "Intuitif";
        QTest::newRow("A") << "Grille(12)"
                           << "A";
        QTest::newRow("HJNP") << "Grille(20)"
                              << "H J N P";
        QTest::newRow("GL") << "Grille(24)"
                            << "G L";
        QTest::newRow("E") << "Grille(0)"
                           << "E";
        QTest::newRow("W") << "Grille(21)"
                           << "W";
        QTest::newRow("DM") << "Grille(25)"
                            << "D M";
        QTest::newRow("IORZ") << "Grille(18)"
                              << "I O R Z";
        QTest::newRow("BSTX") << "Grille(22)"
                              << "B S T X";
        QTest::newRow("Emotif-Action vide") << "Grille(26)"
                                            << "";
        QTest::newRow("K") << "Grille(19)"
                           << "K";
        QTest::newRow("FQUY") << "Grille(23)"
                              << "F Q U Y";
        QTest::newRow("CV") << "Grille(27)"
                            << "C V";
        QTest::newRow("mois 4") << "vie(4)"
                                << "Janvier";
        QTest::newRow("mois 15") << "vie(15)"
                                 << "Décembre";
    }
    void table_des_modes() {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QCOMPARE(libelle(*fenetre, nom)->text(), texte);
    }

    // Every slot has a label of its own name, showing what the model holds.
    void libelles_du_modele() {
        const QStringList ecarts = ecarts_libelles_modele(*fenetre);
        QVERIFY2(ecarts.isEmpty(), qPrintable(ecarts.join(QLatin1Char('\n'))));
    }

    void chaque_slot_du_modele_a_son_libelle() {
        int nombre = 0;
        for (const auto& [nom, s] : kalder::slots_nommes(std::as_const(fenetre->etat()))) {
            QVERIFY2(fenetre->slot(QString::fromStdString(nom)), nom.c_str());
            ++nombre;
        }
        QCOMPARE(nombre, 245);
    }
};

QTEST_MAIN(TestOuverture)
#include "ouverture_test.moc"
