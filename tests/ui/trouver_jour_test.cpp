// "Outils" > "Trouver un jour…": the days of a number for the person shown,
// with the partner of the Entente tab, a day shown in the calendar, the list
// exported; and the partner beside the person in the calendar's cells.
#include "banc_fenetre.hpp"

#include "ui/fenetre_calendrier.hpp"
#include "ui/fenetre_trouver_jour.hpp"

#include <QCheckBox>
#include <QDateEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace outils;
using kalder::ui::DessinCalendrier;
using kalder::ui::FenetreCalendrier;
using kalder::ui::FenetreTrouverJour;
using namespace std::chrono;

namespace {

FenetreTrouverJour* ouvrir(kalder::ui::FenetrePrincipale& f) {
    commande(f, QStringLiteral("m_trouver_jour"));
    auto* t = f.findChild<FenetreTrouverJour*>();
    if (!t || !QTest::qWaitForWindowExposed(t))
        return nullptr;
    t->horloge = [] { return QDateTime(QDate(2026, 6, 20), QTime(10, 30), QTimeZone::utc()); };
    t->findChild<QDateEdit*>(QStringLiteral("trouver_du"))->setDate(QDate(2026, 6, 1));
    t->findChild<QDateEdit*>(QStringLiteral("trouver_au"))->setDate(QDate(2026, 7, 31));
    t->findChild<QSpinBox*>(QStringLiteral("trouver_jour_personnel"))->setValue(1);
    return t;
}

// Born on 10/03 the partner shares every personal day of Anne-Marie Dupont
// (3 + 10 and 7 + 15 reduce alike), on 12/03 none.
void calculer_avec_partenaire(QWidget& f, const QString& jour = QStringLiteral("10")) {
    calculer_exemple(f);
    taper_partenaire(f, QStringLiteral("Paul"), QStringLiteral("Martin"), jour, QStringLiteral("3"),
                     QStringLiteral("1980"));
    bouton(f, QStringLiteral("bouton_calculer_entente"))->click();
}

} // namespace

class TestTrouverJour : public BancFenetre {
    Q_OBJECT

  private slots:
    void une_puis_deux_personnes() {
        calculer_avec_partenaire(*fenetre);
        FenetreTrouverJour* t = ouvrir(*fenetre);
        QVERIFY(t);
        t->chercher();
        QCOMPARE(t->trouves().size(), std::size_t{6}); // 8, 17, 26 June; 7, 16, 25 July
        QCOMPARE(t->trouves().front().date, kalder::Date{2026y / 6 / 8});
        QVERIFY(t->texte_liste().startsWith(QStringLiteral(
            "Date\tAnne-Marie Dupont\tSens\n08/06/2026\t1 · 2 · 5\tCommencements.")));

        t->findChild<QCheckBox*>(QStringLiteral("trouver_avec_partenaire"))->setChecked(true);
        t->chercher();
        QCOMPARE(t->trouves().size(), std::size_t{6}); // 3 + 10 and 7 + 15 reduce alike
        QVERIFY(t->trouves().front().seconde);
        QVERIFY(t->texte_liste().startsWith(
            QStringLiteral("Date\tAnne-Marie Dupont\tPaul Martin\tSens\n")));

        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("choix.ics"));
        QVERIFY(t->exporter(chemin));
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray octets = fichier.readAll();
        QCOMPARE(octets.count("BEGIN:VEVENT"), 6);
        QVERIFY(octets.contains("SUMMARY:Jour personnel 1 — Commencements."));

        // A person of the directory instead: born on 12/03, no day in common.
        t->prendre_du_repertoire({"Martin", "Luc", "12", "3", "1980"});
        QVERIFY(t->trouves().empty());
        QCOMPARE(t->findChild<QCheckBox*>(QStringLiteral("trouver_avec_partenaire"))->text(),
                 QStringLiteral("Avec\u00a0: Luc Martin"));
        t->prendre_du_repertoire({"Martin", "Paul", "10", "3", "1980"});

        // A double-click: the day's month in the calendar, the day framed.
        t->montrer_jour(1);
        auto* c = fenetre->findChild<FenetreCalendrier*>();
        QVERIFY(c);
        const auto& vue = *c->findChild<DessinCalendrier*>()->vue();
        QCOMPARE(vue.mois, 6);
        QCOMPARE(vue.choisi, std::optional(kalder::Date{2026y / 6 / 17}));

        if (const QByteArray capture = qgetenv("KALDER_CAPTURE_CALENDRIER"); !capture.isEmpty()) {
            t->grab().save(QString::fromLocal8Bit(capture) + QStringLiteral("-trouver.png"));
        }
    }

    void partenaire_dans_le_calendrier() {
        calculer_avec_partenaire(*fenetre, QStringLiteral("12"));
        commande(*fenetre, QStringLiteral("m_calendrier"));
        auto* c = fenetre->findChild<FenetreCalendrier*>();
        QVERIFY(c);
        c->montrer(2026, 6);
        c->montrer_partenaire(true);
        const auto& vue = *c->findChild<DessinCalendrier*>()->vue();
        QCOMPARE(QString::fromStdString(vue.seconde_personne), QStringLiteral("Paul Martin"));
        QCOMPARE(vue.jours_seconde.size(), std::size_t{30});
        // 2026 + 3 + 12 → 7, June 7 + 6 → 4, the 8th 4 + 8 → 3.
        QCOMPARE(kalder::jour_seconde(vue, kalder::Date{2026y / 6 / 8})->jour_personnel, 3);
        if (const QByteArray capture = qgetenv("KALDER_CAPTURE_CALENDRIER"); !capture.isEmpty()) {
            c->resize(1100, 760);
            c->grab().save(QString::fromLocal8Bit(capture) + QStringLiteral("-deux.png"));
        }
        c->montrer_partenaire(false);
        QVERIFY(c->findChild<DessinCalendrier*>()->vue()->seconde_personne.empty());
        // A person of the directory instead of the partner.
        c->montrer_a_cote({"Roy", "Luc", "10", "3", "1980"});
        QCOMPARE(QString::fromStdString(c->findChild<DessinCalendrier*>()->vue()->seconde_personne),
                 QStringLiteral("Luc Roy"));
    }
};

QTEST_MAIN(TestTrouverJour)
#include "trouver_jour_test.moc"
