// The validation messages of the three "Calculer" buttons: title, text,
// icon, and the field that gets the focus.
#include "banc_fenetre.hpp"

using namespace outils;

namespace {

// "champ_jour=15" types 15 into champ_jour.
void saisir(QWidget& f, const QStringList& saisies) {
    for (const QString& s : saisies) {
        const auto morceaux = s.split(QLatin1Char('='));
        QLineEdit* e = champ(f, morceaux[0]);
        e->setFocus(Qt::TabFocusReason);
        e->selectAll();
        if (morceaux[1].isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            QTest::keyClicks(e, morceaux[1]);
    }
}

void colonnes() {
    QTest::addColumn<QStringList>("saisies");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
}

} // namespace

class TestValidation : public BancFenetre {
    Q_OBJECT

  private slots:
    void theme_data() {
        colonnes();
        const QStringList nom = {"champ_prenom=Anne", "champ_nom=Dupont"};
        QTest::newRow("prénom vide")
            << QStringList{"champ_nom=Dupont"} << "Le prénom doit être saisi"
            << "champ_prenom";
        QTest::newRow("prénom de blancs")
            << QStringList{"champ_prenom=   ", "champ_nom=Dupont"} << "Le prénom doit être saisi"
            << "champ_prenom";
        QTest::newRow("nom vide") << QStringList{"champ_prenom=Anne"} << "Le nom doit être saisi"
                                  << "champ_nom";
        QTest::newRow("jour 0") << nom + QStringList{"champ_jour=0", "champ_mois=7",
                                                     "champ_annee=1975"}
                                << "Jour incorrect"
                                << "champ_jour";
        QTest::newRow("jour abc") << nom + QStringList{"champ_jour=abc", "champ_mois=7",
                                                       "champ_annee=1975"}
                                  << "Jour incorrect"
                                  << "champ_jour";
        QTest::newRow("jour 32") << nom + QStringList{"champ_jour=32", "champ_mois=7",
                                                      "champ_annee=1975"}
                                 << "Jour incorrect"
                                 << "champ_jour";
        QTest::newRow("jour vide, année remplie")
            << nom + QStringList{"champ_annee=1975"} << "Jour incorrect"
            << "champ_jour";
        QTest::newRow("mois 13") << nom + QStringList{"champ_jour=15", "champ_mois=13",
                                                      "champ_annee=1975"}
                                 << "Mois incorrect"
                                 << "champ_mois";
        QTest::newRow("mois vide")
            << nom + QStringList{"champ_jour=15", "champ_annee=1975"} << "Mois incorrect"
            << "champ_mois";
        QTest::newRow("année 0") << nom + QStringList{"champ_jour=15", "champ_mois=7",
                                                      "champ_annee=0"}
                                 << "Année incorrecte"
                                 << "champ_annee";
        QTest::newRow("année vide")
            << nom + QStringList{"champ_jour=15", "champ_mois=7"} << "Année incorrecte"
            << "champ_annee";
    }
    void theme() {
        QFETCH(QStringList, saisies);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        saisir(*fenetre, saisies);
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_calculer")), Qt::LeftButton);
        verifier(message, focus);
        // A refused entry calculates nothing.
        QVERIFY(libelle(*fenetre, QStringLiteral("Grille(1)"))->text().isEmpty());
        QVERIFY(!bouton(*fenetre, QStringLiteral("bouton_synthese"))->isEnabled());
    }

    void echec_garde_le_theme_precedent() {
        calculer_exemple(*fenetre);
        saisir(*fenetre, {"champ_prenom=Paul", "champ_mois=13"});
        entree(*fenetre);
        verifier(QStringLiteral("Mois incorrect"), QStringLiteral("champ_mois"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("deco(0)"))->text(), QStringLiteral("Anne"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("Grille(8)"))->text(), QStringLiteral("0"));
    }

    void entente_data() {
        colonnes();
        const QStringList nom = {"champ_prenom_partenaire=Paul", "champ_nom_partenaire=Martin"};
        QTest::newRow("prénom vide")
            << QStringList{"champ_nom_partenaire=Martin"} << "Le prénom doit être saisi"
            << "champ_prenom_partenaire";
        QTest::newRow("nom vide") << QStringList{"champ_prenom_partenaire=Paul"}
                                  << "Le nom doit être saisi"
                                  << "champ_nom_partenaire";
        QTest::newRow("jour 0") << nom + QStringList{"champ_jour_partenaire=0"} << "Jour incorrect"
                                << "champ_jour_partenaire";
        QTest::newRow("mois vide")
            << nom + QStringList{"champ_jour_partenaire=17"} << "Mois incorrect"
            << "champ_mois_partenaire";
        QTest::newRow("année 0") << nom + QStringList{"champ_jour_partenaire=17",
                                                      "champ_mois_partenaire=5",
                                                      "champ_annee_partenaire=0"}
                                 << "Année incorrecte"
                                 << "champ_annee_partenaire";
        QTest::newRow("rencontre jour 32")
            << nom + QStringList{"champ_jour_rencontre=32", "champ_mois_rencontre=1",
                                 "champ_annee_rencontre=2000"}
            << "Jour incorrect"
            << "champ_jour_rencontre";
        QTest::newRow("rencontre mois vide")
            << nom + QStringList{"champ_jour_rencontre=1", "champ_annee_rencontre=2000"}
            << "Mois incorrect"
            << "champ_mois_rencontre";
        QTest::newRow("rencontre année 0")
            << nom + QStringList{"champ_jour_rencontre=1", "champ_mois_rencontre=1",
                                 "champ_annee_rencontre=0"}
            << "Année incorrecte"
            << "champ_annee_rencontre";
    }
    void entente() {
        QFETCH(QStringList, saisies);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(3);
        saisir(*fenetre, saisies);
        entree(*fenetre);
        verifier(message, focus);
        QVERIFY(libelle(*fenetre, QStringLiteral("ent(2)"))->text().isEmpty());
        QVERIFY(!bouton(*fenetre, QStringLiteral("bouton_entente"))->isEnabled());
    }

    void annee_data() {
        colonnes();
        QTest::newRow("vide") << QStringList{"champ_annee_calcul="} << "Année incorrecte"
                              << "champ_annee_calcul";
        QTest::newRow("blancs") << QStringList{"champ_annee_calcul=   "} << "Année incorrecte"
                                << "champ_annee_calcul";
        QTest::newRow("abc") << QStringList{"champ_annee_calcul=abc"} << "Année incorrecte"
                             << "champ_annee_calcul";
        QTest::newRow("avant la naissance")
            << QStringList{"champ_annee_calcul=1974"} << "Année incorrecte"
            << "champ_annee_calcul";
        QTest::newRow("année de naissance") << QStringList{"champ_annee_calcul=1975"} << ""
                                            << "champ_annee_calcul";
    }
    void annee() {
        QFETCH(QStringList, saisies);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(2);
        kalder::ui::oublier_messages();
        saisir(*fenetre, saisies);
        entree(*fenetre);
        if (message.isEmpty()) {
            QVERIFY(!kalder::ui::dernier_message().has_value());
            QCOMPARE(libelle(*fenetre, QStringLiteral("lettre_passage"))->text(),
                     QStringLiteral("A"));
        } else {
            verifier(message, focus);
        }
    }

  private:
    void verifier(const QString& message, const QString& focus) {
        const auto m = message_montre();
        QVERIFY(kalder::ui::dernier_message().has_value());
        QCOMPARE(kalder::ui::nombre_messages_montres(), 1);
        QCOMPARE(m.titre, QStringLiteral("Erreur"));
        QCOMPARE(m.texte, message);
        QCOMPARE(m.icone, QMessageBox::Warning);
        QCOMPARE(nom_focus(), focus);
        // Selected whole, so that typing replaces the refused value.
        auto* champ = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(champ);
        QCOMPARE(champ->selectedText(), champ->text());
    }
};

QTEST_MAIN(TestValidation)
#include "validation_test.moc"
