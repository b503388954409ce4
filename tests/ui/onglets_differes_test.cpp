// The tabs other than "Synthèse" are built when first shown: until then their
// frames are empty, and once built they show exactly what a window built
// whole would show, with working controls.
#include "outils_fenetre.hpp"

using namespace outils;

namespace {

QHash<QString, QString> textes_des_libelles(QWidget& f) {
    QHash<QString, QString> textes;
    for (QLabel* l : f.findChildren<QLabel*>())
        if (!l->objectName().isEmpty())
            textes.insert(l->objectName(), l->text() + (l->isHidden() ? "|caché" : ""));
    return textes;
}

} // namespace

class TestOngletsDifferes : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        kalder::ui::repondre_automatiquement(true);
        fenetre = new FenetreEspion;
        montrer(*fenetre);
    }
    void cleanup() { delete fenetre; }

    void seule_la_synthese_au_depart() {
        QTabWidget* t = onglets(*fenetre);
        QVERIFY(!t->widget(0)->findChildren<QLabel*>().isEmpty());
        for (int i = 1; i < t->count(); ++i)
            QVERIFY2(t->widget(i)->findChildren<QWidget*>().isEmpty(), qPrintable(t->tabText(i)));
    }

    void montre_ce_que_montre_une_fenetre_entiere() {
        FenetreEspion entiere;
        entiere.construire_onglets();
        montrer(entiere);
        calculer_exemple(entiere);
        montrer(*fenetre);
        calculer_exemple(*fenetre);
        for (int i = 1; i < onglets(*fenetre)->count(); ++i)
            onglets(*fenetre)->setCurrentIndex(i);
        QCOMPARE(textes_des_libelles(*fenetre), textes_des_libelles(entiere));
        QCOMPARE(liste_mois(*fenetre)->isEnabled(), liste_mois(entiere)->isEnabled());
        QCOMPARE(bouton(*fenetre, QStringLiteral("bouton_entente"))->isEnabled(),
                 bouton(entiere, QStringLiteral("bouton_entente"))->isEnabled());
    }

    void controles_d_un_onglet_montre_plus_tard() {
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(3);
        QVERIFY(!onglets(*fenetre)->widget(3)->findChildren<QLineEdit*>().isEmpty());
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("17"), QStringLiteral("5"), QStringLiteral("1990"));
        taper(*fenetre, QStringLiteral("champ_jour_rencontre"), QStringLiteral("1"));
        taper(*fenetre, QStringLiteral("champ_mois_rencontre"), QStringLiteral("2"));
        taper(*fenetre, QStringLiteral("champ_annee_rencontre"), QStringLiteral("2000"));
        entree(*fenetre);
        QVERIFY(!kalder::ui::dernier_message().has_value());
        QCOMPARE(libelle(*fenetre, QStringLiteral("ent(6)"))->text(), QStringLiteral("13/4"));
    }

    void ordre_du_tab_dans_un_onglet_montre_plus_tard() {
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(2);
        champ(*fenetre, QStringLiteral("champ_annee_calcul"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(nom_focus(), QStringLiteral("bouton_calculer_annee"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(nom_focus(), QStringLiteral("liste_mois"));
    }

  private:
    FenetreEspion* fenetre = nullptr;
};

QTEST_MAIN(TestOngletsDifferes)
#include "onglets_differes_test.moc"
