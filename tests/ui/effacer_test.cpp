// "Effacer tout" and the compatibility tab's "Effacer".
#include "banc_fenetre.hpp"

using namespace outils;

namespace {

struct Apparence {
    QString texte;
    bool cache;
    bool operator==(const Apparence&) const = default;
};

QHash<QString, Apparence> apparence(QWidget& f) {
    outils::construire_onglets(f);
    QHash<QString, Apparence> a;
    for (QLabel* l : f.findChildren<QLabel*>())
        if (!l->objectName().isEmpty())
            a.insert(l->objectName(), {l->text(), l->isHidden()});
    return a;
}

QStringList champs_vous_et_partenaire() {
    return {"champ_prenom",
            "champ_nom",
            "champ_jour",
            "champ_mois",
            "champ_annee",
            "champ_prenom_partenaire",
            "champ_nom_partenaire",
            "champ_jour_partenaire",
            "champ_mois_partenaire",
            "champ_annee_partenaire"};
}

} // namespace

class TestEffacer : public BancFenetre {
    Q_OBJECT

  public:
    TestEffacer() : BancFenetre(Genre::espion) {}

  private slots:
    void effacer_tout_apres_un_calcul_complet() {
        tout_calculer();
        QTest::keyClick(liste_mois(*fenetre), Qt::Key_Down); // "Février"
        QCOMPARE(espion().interpretations_montrees, 1);
        const auto avant = apparence(*fenetre);

        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_effacer_tout")), Qt::LeftButton);

        for (const QString& nom : champs_vous_et_partenaire())
            QVERIFY2(champ(*fenetre, nom)->text().isEmpty(), qPrintable(nom));
        QLineEdit* annee = champ(*fenetre, QStringLiteral("champ_annee_calcul"));
        QVERIFY(annee->text().isEmpty());
        QVERIFY(!annee->isEnabled());

        const QStringList vides = {"Grille(",  "Nomb(",   "lettre(",  "synth(",  "defi(", "Toi(",
                                   "cym(",     "esse(",   "periode(", "profec(", "apog(", "leco(",
                                   "semaine(", "semdef(", "ent(",     "deco(",   "des(",  "dei("};
        for (const auto& [nom, s] : kalder::slots_nommes(std::as_const(fenetre->etat()))) {
            const QString n = QString::fromStdString(nom);
            for (const QString& prefixe : vides)
                if (n.startsWith(prefixe))
                    QVERIFY2(fenetre->slot(n)->text().isEmpty(), qPrintable(n));
        }
        QVERIFY(libelle(*fenetre, QStringLiteral("annee_personnelle"))->text().isEmpty());
        QVERIFY(libelle(*fenetre, QStringLiteral("lettre_passage"))->text().isEmpty());
        QCOMPARE(libelle(*fenetre, QStringLiteral("tri1"))->text(),
                 QStringLiteral("Pierre angulaire"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("tri2"))->text(), QStringLiteral("Nombre clef"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("tri3"))->text(),
                 QStringLiteral("Dernière pierre"));
        for (int k = 0; k < 5; ++k)
            QVERIFY(libelle(*fenetre, QStringLiteral("deco(%1)").arg(k))->isHidden());

        for (const char* nom :
             {"bouton_synthese", "bouton_details", "bouton_annee", "bouton_calculer_annee",
              "bouton_calculer_entente", "bouton_entente"})
            QVERIFY2(!bouton(*fenetre, QLatin1String(nom))->isEnabled(), nom);
        QVERIFY(!liste_mois(*fenetre)->isEnabled());
        QCOMPARE(liste_mois(*fenetre)->currentIndex(), 1);

        QCOMPARE(espion().interpretations_fermees, 1);
        QCOMPARE(nom_focus(), QStringLiteral("champ_prenom"));

        // Kept: the meeting date and the whole-life panel of "Cycles".
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_annee_rencontre"))->text(),
                 QStringLiteral("2000"));
        for (const char* nom :
             {"vie(0)", "cycle1", "cycle3", "apogee1", "apogee4", "fin_apogee3", "defi_apogee4"}) {
            const QString n = QLatin1String(nom);
            QVERIFY2(!libelle(*fenetre, n)->text().isEmpty(), nom);
            QCOMPARE(libelle(*fenetre, n)->text(), avant.value(n).texte);
        }
        QCOMPARE(onglets(*fenetre)->currentIndex(), 2);
        const QStringList ecarts = ecarts_libelles_modele(*fenetre);
        QVERIFY2(ecarts.isEmpty(), qPrintable(ecarts.join(QLatin1Char('\n'))));
    }

    void effacer_tout_sans_calcul_ne_change_rien() {
        const auto avant = apparence(*fenetre);
        champ(*fenetre, QStringLiteral("champ_annee"))->setFocus();
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_effacer_tout")), Qt::LeftButton);
        QVERIFY(apparence(*fenetre) == avant);
        QCOMPARE(nom_focus(), QStringLiteral("champ_prenom"));
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer"))->isDefault());
    }

    void effacer_le_partenaire() {
        tout_calculer();
        onglets(*fenetre)->setCurrentIndex(3);
        const auto avant = apparence(*fenetre);
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_effacer_partenaire")),
                          Qt::LeftButton);

        for (const QString& nom : champs_vous_et_partenaire().mid(5))
            QVERIFY2(champ(*fenetre, nom)->text().isEmpty(), qPrintable(nom));
        for (int i = 1; i <= 7; ++i)
            QVERIFY(libelle(*fenetre, QStringLiteral("ent(%1)").arg(i))->text().isEmpty());
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_prenom"))->text(),
                 QStringLiteral("Anne-Marie"));
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_jour_rencontre"))->text(),
                 QStringLiteral("1"));
        for (const char* nom : {"Grille(8)", "synth(4)", "Nomb(12)", "deco(1)", "Toi(1)"})
            QCOMPARE(libelle(*fenetre, QLatin1String(nom))->text(),
                     avant.value(QLatin1String(nom)).texte);
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_entente"))->isEnabled());
        QVERIFY(bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->isEnabled());
        QCOMPARE(espion().interpretations_fermees, 0);

        // The person's own values come back only with the next theme.
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_calculer")), Qt::LeftButton);
        QCOMPARE(libelle(*fenetre, QStringLiteral("ent(1)"))->text(), QStringLiteral("8"));
        QCOMPARE(libelle(*fenetre, QStringLiteral("ent(3)"))->text(), QStringLiteral("8"));
    }

    void effacer_public() {
        tout_calculer();
        fenetre->effacer();
        QVERIFY(champ(*fenetre, QStringLiteral("champ_prenom"))->text().isEmpty());
        QVERIFY(libelle(*fenetre, QStringLiteral("Grille(1)"))->text().isEmpty());
        QCOMPARE(espion().interpretations_fermees, 1);
    }

  private:
    // Theme, partner with a meeting date, and the "Cycles" tab in front.
    void tout_calculer() {
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(3);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("17"), QStringLiteral("5"), QStringLiteral("1990"));
        taper(*fenetre, QStringLiteral("champ_jour_rencontre"), QStringLiteral("1"));
        taper(*fenetre, QStringLiteral("champ_mois_rencontre"), QStringLiteral("1"));
        taper(*fenetre, QStringLiteral("champ_annee_rencontre"), QStringLiteral("2000"));
        entree(*fenetre);
        QCOMPARE(libelle(*fenetre, QStringLiteral("ent(7)"))->text(), QStringLiteral("4"));
        onglets(*fenetre)->setCurrentIndex(2);
        QVERIFY(!kalder::ui::dernier_message().has_value());
    }
};

QTEST_MAIN(TestEffacer)
#include "effacer_test.moc"
