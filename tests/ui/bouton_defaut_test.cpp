// Which button Enter presses: the default-button rule, including the
// changes the program makes itself, and Enter on a disabled default.
#include "banc_fenetre.hpp"

using namespace outils;
using kalder::ChampId;

class TestBoutonDefaut : public BancFenetre {
    Q_OBJECT

  private slots:
    void a_l_ouverture_entree_lance_calculer() {
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer"))->isDefault());
        champ(*fenetre, QStringLiteral("champ_nom"))->setFocus();
        entree(*fenetre);
        QCOMPARE(message_montre().texte, QStringLiteral("Le prénom doit être saisi"));
    }

    void un_seul_bouton_par_defaut_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("bouton");
        QTest::newRow("prénom") << "champ_prenom"
                                << "bouton_calculer";
        QTest::newRow("année de naissance") << "champ_annee"
                                            << "bouton_calculer";
        QTest::newRow("prénom du partenaire") << "champ_prenom_partenaire"
                                              << "bouton_calculer_entente";
        QTest::newRow("année du partenaire") << "champ_annee_partenaire"
                                             << "bouton_calculer_entente";
        QTest::newRow("année de calcul") << "champ_annee_calcul"
                                         << "bouton_calculer_annee";
    }
    void un_seul_bouton_par_defaut() {
        QFETCH(QString, champ);
        QFETCH(QString, bouton);
        calculer_exemple(*fenetre);
        taper(*fenetre, champ, QStringLiteral("1"));
        for (QPushButton* b : fenetre->findChildren<QPushButton*>())
            QCOMPARE(b->isDefault(), b->objectName() == bouton);
    }

    void partenaire_avant_tout_calcul_ne_fait_rien() {
        onglets(*fenetre)->setCurrentIndex(3);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), {}, {}, {});
        entree(*fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
        QVERIFY(libelle(*fenetre, QStringLiteral("ent(2)"))->text().isEmpty());
    }

    // Writing the current year after "Calculer" counts as a change.
    void entree_apres_calculer_lance_l_annee() {
        calculer_exemple(*fenetre);
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer_annee"))->isDefault());
        const QString annee_personnelle =
            libelle(*fenetre, QStringLiteral("annee_personnelle"))->text();
        fenetre->etat().annee_personnelle.texte = "X";
        // Shown but not typed: were "Calculer" run instead, the words would change.
        fenetre->etat().champ(kalder::ChampId::prenom).texte = "Zoé";
        fenetre->afficher_modele();
        entree(*fenetre);
        QCOMPARE(libelle(*fenetre, QStringLiteral("annee_personnelle"))->text(), annee_personnelle);
        QCOMPARE(libelle(*fenetre, QStringLiteral("deco(0)"))->text(), QStringLiteral("Anne"));
        QVERIFY(!kalder::ui::dernier_message().has_value());
    }

    void partenaire_puis_vous() {
        calculer_exemple(*fenetre);
        fenetre->etat().Grille[1].texte = "X";
        fenetre->afficher_modele();

        onglets(*fenetre)->setCurrentIndex(3);
        taper(*fenetre, QStringLiteral("champ_prenom_partenaire"), QStringLiteral("Paul"));
        taper(*fenetre, QStringLiteral("champ_nom_partenaire"), QStringLiteral("Martin"));
        entree(*fenetre);
        QCOMPARE(libelle(*fenetre, QStringLiteral("ent(2)"))->text(), QStringLiteral("8"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("Grille(1)"))->text(), QStringLiteral("X"));

        QLineEdit* prenom = champ(*fenetre, QStringLiteral("champ_prenom"));
        prenom->setFocus();
        prenom->selectAll();
        QTest::keyClicks(prenom, QStringLiteral("Anne-Marie"));
        entree(*fenetre);
        QCOMPARE(libelle(*fenetre, QStringLiteral("Grille(1)"))->text(), QStringLiteral("2"));
    }

    void date_de_rencontre_sans_effet_data() {
        QTest::addColumn<QString>("champ");
        QTest::newRow("jour") << "champ_jour_rencontre";
        QTest::newRow("mois") << "champ_mois_rencontre";
        QTest::newRow("année") << "champ_annee_rencontre";
    }
    void date_de_rencontre_sans_effet() {
        QFETCH(QString, champ);
        calculer_exemple(*fenetre);
        taper(*fenetre, QStringLiteral("champ_nom_partenaire"), QStringLiteral("Martin"));
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->isDefault());
        taper(*fenetre, champ, QStringLiteral("1"));
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->isDefault());
    }

    void defaut_desactive_entree_ne_fait_rien() {
        taper(*fenetre, QStringLiteral("champ_prenom_partenaire"), QStringLiteral("Paul"));
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->isDefault());
        champ(*fenetre, QStringLiteral("champ_prenom"))->setFocus();
        entree(*fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
    }

    // Clearing empties the year field last: its disabled button becomes the
    // default until something is typed.
    void apres_effacer_tout() {
        calculer_exemple(*fenetre);
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_effacer_tout")), Qt::LeftButton);
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer_annee"))->isDefault());
        entree(*fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
        taper(*fenetre, QStringLiteral("champ_nom"), QStringLiteral("Dupont"));
        entree(*fenetre);
        QCOMPARE(message_montre().texte, QStringLiteral("Le prénom doit être saisi"));
    }

    void changement_par_le_programme() {
        fenetre->saisir_champ(ChampId::annee_calcul, QStringLiteral("2030"));
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer_annee"))->isDefault());
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_annee_calcul"))->text(),
                 QStringLiteral("2030"));
        fenetre->saisir_champ(ChampId::prenom, QStringLiteral("Anne"));
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer"))->isDefault());
    }

    // A button that has the focus takes Enter for itself.
    void entree_sur_un_bouton() {
        taper(*fenetre, QStringLiteral("champ_prenom"), QStringLiteral("Anne"));
        QPushButton* effacer = bouton(*fenetre, QStringLiteral("bouton_effacer_tout"));
        effacer->setFocus();
        QTest::keyClick(effacer, Qt::Key_Return);
        QVERIFY(champ(*fenetre, QStringLiteral("champ_prenom"))->text().isEmpty());
        QVERIFY(!kalder::ui::dernier_message().has_value());
    }

    void le_bouton_au_focus_parait_par_defaut() {
        QPushButton* calculer = bouton(*fenetre, QStringLiteral("bouton_calculer"));
        QPushButton* effacer = bouton(*fenetre, QStringLiteral("bouton_effacer_tout"));
        champ(*fenetre, QStringLiteral("champ_annee"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(nom_focus(), QStringLiteral("bouton_calculer"));
        QVERIFY(calculer->isDefault());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(nom_focus(), QStringLiteral("bouton_effacer_tout"));
        QVERIFY(effacer->isDefault());
        QVERIFY(!calculer->isDefault());
        champ(*fenetre, QStringLiteral("champ_nom"))->setFocus();
        QVERIFY(calculer->isDefault());
        QVERIFY(!effacer->isDefault());
    }

    void la_saisie_garde_le_curseur() {
        QLineEdit* prenom = champ(*fenetre, QStringLiteral("champ_prenom"));
        taper(*fenetre, QStringLiteral("champ_prenom"), QStringLiteral("Anne"));
        QTest::keyClick(prenom, Qt::Key_Home);
        QTest::keyClicks(prenom, QStringLiteral("Marie-"));
        QCOMPARE(prenom->text(), QStringLiteral("Marie-Anne"));
        QCOMPARE(prenom->cursorPosition(), 6);
        QCOMPARE(fenetre->etat().texte(ChampId::prenom), std::string("Marie-Anne"));
    }
};

QTEST_MAIN(TestBoutonDefaut)
#include "bouton_defaut_test.moc"
