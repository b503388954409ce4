// Names no one types but anyone can paste: the window must calculate, show
// and interpret them without freezing or crashing.
#include "banc_fenetre.hpp"

using namespace outils;

class TestNomsExtremes : public BancFenetre {
    Q_OBJECT

  private slots:
    void calcule_et_interprete_data() {
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QString>("nom");
        QTest::newRow("cent mille lettres")
            << QString(100000, QLatin1Char('z')) << QString(100000, QLatin1Char('r'));
        QTest::newRow("chinois et emoji")
            << QStringLiteral("小明 😀") << QStringLiteral("王👨‍👩‍👧");
        QTest::newRow("controles")
            << QStringLiteral("\u0001\u0007a\u001b") << QStringLiteral("\u007f-");
    }

    void calcule_et_interprete() {
        QFETCH(QString, prenom);
        QFETCH(QString, nom);
        // Pasted, not typed: keyClicks would take minutes for 100,000 letters.
        fenetre->saisir_champ(kalder::ChampId::prenom, prenom);
        fenetre->saisir_champ(kalder::ChampId::nom, nom);
        taper(*fenetre, QStringLiteral("champ_jour"), QStringLiteral("31"));
        taper(*fenetre, QStringLiteral("champ_mois"), QStringLiteral("12"));
        taper(*fenetre, QStringLiteral("champ_annee"), QStringLiteral("32767"));
        bouton(*fenetre, QStringLiteral("bouton_calculer"))->click();
        QVERIFY(!libelle(*fenetre, QStringLiteral("Grille(1)"))->text().isEmpty());
        for (const char* b : {"bouton_synthese", "bouton_details", "bouton_annee"}) {
            QVERIFY(bouton(*fenetre, QString::fromLatin1(b))->isEnabled());
            bouton(*fenetre, QString::fromLatin1(b))->click();
        }
        QVERIFY(!fenetre->etat().interpretation.texte.empty());
    }
};

QTEST_MAIN(TestNomsExtremes)
#include "noms_extremes_test.moc"
