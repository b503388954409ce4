// The Tab key's order on each page, skipping disabled controls and the
// controls of the pages not shown.
#include "banc_fenetre.hpp"

using namespace outils;

namespace {

const QStringList ligne_vous = {"champ_prenom",        "champ_nom",   "champ_jour",
                                "champ_mois",          "champ_annee", "bouton_calculer",
                                "bouton_effacer_tout", "onglets"};

} // namespace

class TestFocus : public BancFenetre {
    Q_OBJECT

  private slots:
    void ordre_data() {
        QTest::addColumn<bool>("calcule");
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QStringList>("suite");
        QTest::newRow("ouverture, Synthèse") << false << 0 << QStringList{};
        QTest::newRow("ouverture, Cycles") << false << 2 << QStringList{};
        QTest::newRow("ouverture, Entente")
            << false << 3 << QStringList{"champ_prenom_partenaire", "champ_nom_partenaire",
                                         "champ_jour_partenaire",   "champ_mois_partenaire",
                                         "champ_annee_partenaire",  "bouton_effacer_partenaire",
                                         "champ_jour_rencontre",    "champ_mois_rencontre",
                                         "champ_annee_rencontre"};
        QTest::newRow("Synthèse") << true << 0 << QStringList{"bouton_synthese"};
        QTest::newRow("Détails") << true << 1 << QStringList{"bouton_details"};
        QTest::newRow("Cycles") << true << 2
                                << QStringList{"bouton_annee", "champ_annee_calcul",
                                               "bouton_calculer_annee", "liste_mois"};
        QTest::newRow("Entente") << true << 3
                                 << QStringList{
                                        "bouton_entente",          "champ_prenom_partenaire",
                                        "champ_nom_partenaire",    "champ_jour_partenaire",
                                        "champ_mois_partenaire",   "champ_annee_partenaire",
                                        "bouton_calculer_entente", "bouton_effacer_partenaire",
                                        "champ_jour_rencontre",    "champ_mois_rencontre",
                                        "champ_annee_rencontre"};
    }
    void ordre() {
        QFETCH(bool, calcule);
        QFETCH(int, onglet);
        QFETCH(QStringList, suite);
        if (calcule) {
            calculer_exemple(*fenetre);
            taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), {}, {},
                             {});
            entree(*fenetre);
            QVERIFY(bouton(*fenetre, QStringLiteral("bouton_entente"))->isEnabled());
        }
        onglets(*fenetre)->setCurrentIndex(onglet);
        champ(*fenetre, QStringLiteral("champ_prenom"))->setFocus();

        const QStringList attendu = ligne_vous + suite + QStringList{"champ_prenom"};
        QStringList vu{nom_focus()};
        for (int i = 1; i < attendu.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            vu << nom_focus();
        }
        QCOMPARE(vu, attendu);
    }

    void message_puis_focus_sur_le_champ_fautif() {
        taper_vous(*fenetre, QStringLiteral("Anne"), QStringLiteral("Dupont"), QStringLiteral("15"),
                   QStringLiteral("13"), QStringLiteral("1975"));
        QPushButton* calculer = bouton(*fenetre, QStringLiteral("bouton_calculer"));
        calculer->setFocus();
        QTest::keyClick(calculer, Qt::Key_Space);
        QCOMPARE(message_montre().texte, QStringLiteral("Mois incorrect"));
        QCOMPARE(nom_focus(), QStringLiteral("champ_mois"));
    }

    // The partner line filled from the directory while "Synthèse" is shown:
    // Enter runs the compatibility "Calculer", and the cursor must reach the
    // faulty field on its own page rather than stay where it was.
    void focus_sur_un_champ_d_une_autre_page() {
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(0);
        fenetre->saisir_champ(kalder::ChampId::prenom_partenaire, QStringLiteral("Jean"));
        fenetre->saisir_champ(kalder::ChampId::nom_partenaire, QStringLiteral("Du;pont"));
        fenetre->saisir_champ(kalder::ChampId::mois_partenaire, QStringLiteral("2"));
        fenetre->saisir_champ(kalder::ChampId::annee_partenaire, QStringLiteral("1960"));
        champ(*fenetre, QStringLiteral("champ_prenom"))->setFocus();
        entree(*fenetre);
        QCOMPARE(message_montre().texte, QStringLiteral("Jour incorrect"));
        QCOMPARE(onglets(*fenetre)->currentIndex(), 3);
        QCOMPARE(nom_focus(), QStringLiteral("champ_jour_partenaire"));
    }
};

QTEST_MAIN(TestFocus)
#include "focus_test.moc"
