// The worked example typed on the "Vous :" line and calculated with Enter:
// every slot of "Synthèse", "Détails" and the whole-life panel of "Cycles".
#include "outils_fenetre.hpp"

#include <QDate>

using namespace outils;

namespace {
const QColor noir(0, 0, 0);
const QColor rouge(192, 0, 0);
const QColor vert(0, 128, 0);
} // namespace

class TestExemple : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        kalder::ui::repondre_automatiquement(true);
        montrer(fenetre);
        calculer_exemple(fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
    }

    void valeurs_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QColor>("attendue");
        const QString grille[] = {"2", "1", "1", "2", "5", "1", "1", "0", "2"};
        for (int k = 1; k <= 9; ++k) {
            const QString nom = QStringLiteral("Grille(%1)").arg(k);
            QTest::newRow(qPrintable(nom)) << nom << grille[k - 1] << (k == 8 ? rouge : noir);
        }
        const QString modes[] = {"6", "4", "4", "1", "7", "6", "2"};
        for (int i = 0; i <= 6; ++i) {
            const QString nom = QStringLiteral("lettre(%1)").arg(i);
            QTest::newRow(qPrintable(nom)) << nom << modes[i] << noir;
        }
        QTest::newRow("voyelles") << "synth(0)"
                                  << "3" << noir;
        QTest::newRow("consonnes") << "synth(1)"
                                   << "5" << noir;
        QTest::newRow("toutes les lettres, 8 absent") << "synth(2)"
                                                      << "8" << rouge;
        QTest::newRow("chemin de vie, 8 absent") << "synth(3)"
                                                 << "8" << rouge;
        QTest::newRow("mission") << "synth(4)"
                                 << "22/4" << noir;
        QTest::newRow("pierre angulaire") << "tri1"
                                          << "Pierre angulaire : 1" << noir;
        QTest::newRow("nombre clef") << "tri2"
                                     << "Nombre clef : 8" << rouge;
        QTest::newRow("dernière pierre") << "tri3"
                                         << "Dernière pierre : 5" << noir;

        const QString nomb[] = {"3", "8", "9", "8", "5",  "9", "U", "5",
                                "7", "7", "7", "4", "15", "5", "4"};
        for (int i = 0; i <= 14; ++i) {
            const QString nom = QStringLiteral("Nomb(%1)").arg(i);
            QTest::newRow(qPrintable(nom)) << nom << nomb[i] << noir;
        }
        QTest::newRow("defi(0)") << "defi(0)"
                                 << "5" << noir;
        QTest::newRow("defi(1)") << "defi(1)"
                                 << "3" << noir;
        QTest::newRow("defi(2)") << "defi(2)"
                                 << "2" << noir;
        QTest::newRow("mot 0") << "deco(0)"
                               << "Anne" << noir;
        QTest::newRow("voyelles mot 0") << "des(0)"
                                        << "6" << noir;
        QTest::newRow("consonnes mot 0") << "dei(0)"
                                         << "1" << noir;
        QTest::newRow("mot 1") << "deco(1)"
                               << "Marie" << noir;
        QTest::newRow("voyelles mot 1") << "des(1)"
                                        << "6" << noir;
        QTest::newRow("consonnes mot 1, karmique") << "dei(1)"
                                                   << "13" << rouge;
        QTest::newRow("mot 2") << "deco(2)"
                               << "Dupont" << noir;
        QTest::newRow("voyelles mot 2") << "des(2)"
                                        << "9" << noir;
        QTest::newRow("consonnes mot 2") << "dei(2)"
                                         << "9" << noir;

        QTest::newRow("vie entière") << "vie(0)"
                                     << "Chemin de vie : 8" << noir;
        QTest::newRow("cycle1") << "cycle1"
                                << "7" << noir;
        QTest::newRow("cycle2") << "cycle2"
                                << "6" << noir;
        QTest::newRow("cycle3") << "cycle3"
                                << "22/4" << noir;
        const QString apogees[] = {"22/4", "19/1", "41/5", "20/2"};
        const QString defis[] = {"1", "2", "1", "3"};
        for (int i = 1; i <= 4; ++i) {
            QTest::newRow(qPrintable(QStringLiteral("apogee%1").arg(i)))
                << QStringLiteral("apogee%1").arg(i) << apogees[i - 1] << noir;
            QTest::newRow(qPrintable(QStringLiteral("defi_apogee%1").arg(i)))
                << QStringLiteral("defi_apogee%1").arg(i) << defis[i - 1] << noir;
        }
        QTest::newRow("fin_apogee1") << "fin_apogee1"
                                     << "28 ans" << noir;
        QTest::newRow("fin_apogee2") << "fin_apogee2"
                                     << "37 ans" << noir;
        QTest::newRow("fin_apogee3") << "fin_apogee3"
                                     << "46 ans" << noir;

        QTest::newRow("votre expression") << "ent(1)"
                                          << "8" << QColor(255, 255, 255);
        QTest::newRow("votre chemin de vie, en vert") << "ent(3)"
                                                      << "8" << vert;
    }
    void valeurs() {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(QColor, attendue);
        QLabel* l = libelle(fenetre, nom);
        QCOMPARE(l->text(), texte);
        QCOMPARE(couleur(l), attendue);
        QVERIFY(!l->isHidden());
    }

    void quatrieme_et_cinquieme_mots_caches_data() {
        QTest::addColumn<QString>("nom");
        for (const char* tableau : {"deco", "des", "dei"})
            for (int k = 3; k <= 4; ++k) {
                const QString nom = QStringLiteral("%1(%2)").arg(QLatin1String(tableau)).arg(k);
                QTest::newRow(qPrintable(nom)) << nom;
            }
    }
    void quatrieme_et_cinquieme_mots_caches() {
        QFETCH(QString, nom);
        QVERIFY(libelle(fenetre, nom)->isHidden());
    }

    void controles_actives_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("actif");
        QTest::newRow("synthese") << "bouton_synthese" << true;
        QTest::newRow("details") << "bouton_details" << true;
        QTest::newRow("annee") << "bouton_annee" << true;
        QTest::newRow("calculer annee") << "bouton_calculer_annee" << true;
        QTest::newRow("calculer entente") << "bouton_calculer_entente" << true;
        QTest::newRow("entente, pas encore") << "bouton_entente" << false;
    }
    void controles_actives() {
        QFETCH(QString, nom);
        QFETCH(bool, actif);
        QCOMPARE(bouton(fenetre, nom)->isEnabled(), actif);
    }

    void annee_courante_ecrite() {
        QLineEdit* annee = champ(fenetre, QStringLiteral("champ_annee_calcul"));
        QVERIFY(annee->isEnabled());
        QCOMPARE(annee->text(), QString::number(QDate::currentDate().year()));
        QVERIFY(liste_mois(fenetre)->isEnabled());
        QVERIFY(!libelle(fenetre, QStringLiteral("annee_personnelle"))->text().isEmpty());
    }

    void curseur_normal_apres_calcul() { QVERIFY(QApplication::overrideCursor() == nullptr); }

    void champs_intacts() {
        QCOMPARE(champ(fenetre, QStringLiteral("champ_prenom"))->text(),
                 QStringLiteral("Anne-Marie"));
        QCOMPARE(champ(fenetre, QStringLiteral("champ_annee"))->text(), QStringLiteral("1975"));
    }

  private:
    kalder::ui::FenetrePrincipale fenetre;
};

QTEST_MAIN(TestExemple)
#include "test_exemple.moc"
