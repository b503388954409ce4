// The worked example typed on the "Vous :" line and calculated with Enter:
// every label then shows its model slot (text, colour, shown or hidden), the
// typed names and date reached the engine, and the controls follow.
#include "banc_fenetre.hpp"

#include <QDate>

using namespace outils;

namespace {
const QColor noir(0, 0, 0);
const QColor rouge(192, 0, 0);
const QColor vert(0, 128, 0);
const QColor blanc(255, 255, 255);
} // namespace

class TestExemple : public BancFenetre {
    Q_OBJECT

  private slots:
    void init() {
        BancFenetre::init();
        calculer_exemple(*fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
    }

    // The engine's own tests hold every number of the example; here each
    // label must show what the model holds for it.
    void chaque_libelle_montre_son_slot() {
        const QStringList ecarts = ecarts_libelles_modele(*fenetre);
        QVERIFY2(ecarts.isEmpty(), qPrintable(ecarts.join(QLatin1Char('\n'))));
    }

    // One value of each kind of input, as the user reads it: the first name's
    // words, the surname, the day, the whole date; and the colours the pages
    // give of their own.
    void saisie_parvenue_au_moteur_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QColor>("attendue");
        QTest::newRow("8 absent de la grille") << "Grille(8)"
                                               << "0" << rouge;
        QTest::newRow("mot 1") << "deco(1)"
                               << "Marie" << noir;
        QTest::newRow("consonnes mot 1, karmique") << "dei(1)"
                                                   << "13" << rouge;
        QTest::newRow("mot 2") << "deco(2)"
                               << "Dupont" << noir;
        QTest::newRow("jour de naissance") << "Nomb(12)"
                                           << "15" << noir;
        QTest::newRow("mission") << "synth(4)"
                                 << "22/4" << noir;
        QTest::newRow("nombre clef") << "tri2"
                                     << "Nombre clef : 8" << rouge;
        QTest::newRow("vie entière") << "vie(0)"
                                     << "Chemin de vie : 8" << noir;
        QTest::newRow("fin_apogee3") << "fin_apogee3"
                                     << "46 ans" << noir;
        QTest::newRow("votre expression, en blanc") << "ent(1)"
                                                    << "8" << blanc;
        QTest::newRow("votre chemin de vie, en vert") << "ent(3)"
                                                      << "8" << vert;
    }
    void saisie_parvenue_au_moteur() {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(QColor, attendue);
        QLabel* l = libelle(*fenetre, nom);
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
        QVERIFY(libelle(*fenetre, nom)->isHidden());
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
        QCOMPARE(bouton(*fenetre, nom)->isEnabled(), actif);
    }

    void annee_courante_ecrite() {
        QLineEdit* annee = champ(*fenetre, QStringLiteral("champ_annee_calcul"));
        QVERIFY(annee->isEnabled());
        QCOMPARE(annee->text(), QString::number(QDate::currentDate().year()));
        QVERIFY(liste_mois(*fenetre)->isEnabled());
        QVERIFY(!libelle(*fenetre, QStringLiteral("annee_personnelle"))->text().isEmpty());
    }

    void curseur_normal_apres_calcul() { QVERIFY(QApplication::overrideCursor() == nullptr); }

    void champs_intacts() {
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_prenom"))->text(),
                 QStringLiteral("Anne-Marie"));
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_annee"))->text(), QStringLiteral("1975"));
    }
};

QTEST_MAIN(TestExemple)
#include "exemple_test.moc"
