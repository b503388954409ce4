// The menu bar: items, names, shortcuts, the switched-off menu, the about
// box and the hooks of the commands that other windows carry out.
#include "banc_fenetre.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace outils;

class TestMenus : public BancFenetre {
    Q_OBJECT

  public:
    TestMenus() : BancFenetre(Genre::espion) {}

  private slots:
    void menus_dans_l_ordre() {
        const auto menus = fenetre->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Fichier"));
        QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("m_fichier"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Interprétation"));
        QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("m_interprétation"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&?"));
        QCOMPARE(menus[2]->menu()->objectName(), QStringLiteral("m_aide"));
    }

    void articles_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("rang");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QKeySequence>("raccourci");
        QTest::newRow("ouvrir") << "m_fichier" << 0 << "m_ouvrir"
                                << "Ouvrir..." << QKeySequence(QStringLiteral("Ctrl+O"));
        QTest::newRow("sauvegarder") << "m_fichier" << 1 << "m_enregistrer"
                                     << "Sauvegarder" << QKeySequence(QStringLiteral("Ctrl+S"));
        QTest::newRow("trait 1") << "m_fichier" << 2 << "m_trait1"
                                 << "" << QKeySequence();
        QTest::newRow("imprimer le thème")
            << "m_fichier" << 3 << "m_imprimer2"
            << "&Imprimer le thème..." << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("trait 2") << "m_fichier" << 4 << "m_trait2"
                                 << "" << QKeySequence();
        QTest::newRow("quitter") << "m_fichier" << 5 << "m_quitter"
                                 << "Quitter" << QKeySequence(QStringLiteral("Ctrl+Q"));
        QTest::newRow("imprimer") << "m_interprétation" << 0 << "m_imprimer"
                                  << "Imprimer..." << QKeySequence(QStringLiteral("Ctrl+I"));
        QTest::newRow("exporter") << "m_interprétation" << 1 << "m_exporter"
                                  << "Exporter..." << QKeySequence(QStringLiteral("Ctrl+E"));
        QTest::newRow("à propos") << "m_aide" << 0 << "m_apropos"
                                  << "A propos de Kalder..." << QKeySequence();
        QTest::newRow("aide") << "m_aide" << 1 << "m_aide2"
                              << "&Aide..." << QKeySequence();
    }
    void articles() {
        QFETCH(QString, menu);
        QFETCH(int, rang);
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(QKeySequence, raccourci);
        const auto actions = trouver<QMenu>(*fenetre, menu)->actions();
        QAction* a = actions.value(rang);
        QVERIFY(a);
        QCOMPARE(a->objectName(), nom);
        QCOMPARE(a->isSeparator(), texte.isEmpty());
        if (!texte.isEmpty())
            QCOMPARE(a->text(), texte);
        QCOMPARE(a->shortcut(), raccourci);
    }

    void interpretation_jamais_utilisable() {
        auto* menu = trouver<QMenu>(*fenetre, QStringLiteral("m_interprétation"));
        QVERIFY(!menu->menuAction()->isEnabled());
        for (QAction* a : menu->actions())
            QVERIFY(!a->isEnabled());
        calculer_exemple(*fenetre);
        QVERIFY(!menu->menuAction()->isEnabled());
    }

    void a_propos() {
        commande(*fenetre, QStringLiteral("m_apropos"));
        const auto m = message_montre();
        QVERIFY(kalder::ui::dernier_message().has_value());
        QCOMPARE(m.titre, QStringLiteral("A Propos"));
        QCOMPARE(m.texte, QStringLiteral("Kalder Version 3.1"));
        QCOMPARE(m.icone, QMessageBox::Information);
    }

    void crochets_par_raccourci_data() {
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("ouvertures");
        QTest::addColumn<int>("sauvegardes");
        QTest::addColumn<int>("impressions");
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << 1 << 0 << 0;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << 0 << 1 << 0;
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << 0 << 0 << 1;
        QTest::newRow("Ctrl+I ne fait rien") << int(Qt::Key_I) << 0 << 0 << 0;
    }
    void crochets_par_raccourci() {
        QFETCH(int, touche);
        QFETCH(int, ouvertures);
        QFETCH(int, sauvegardes);
        QFETCH(int, impressions);
        QTest::keyClick(champ(*fenetre, QStringLiteral("champ_prenom")), Qt::Key(touche),
                        Qt::ControlModifier);
        QCOMPARE(espion().ouvertures, ouvertures);
        QCOMPARE(espion().sauvegardes, sauvegardes);
        QCOMPARE(espion().impressions, impressions);
    }

    void aide() {
        commande(*fenetre, QStringLiteral("m_aide2"));
        QCOMPARE(espion().aides, 1);
    }
};

QTEST_MAIN(TestMenus)
#include "menus_test.moc"
