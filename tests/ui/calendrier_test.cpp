// "Outils" > "Calendrier…": the month and year views for the person shown,
// today marked from a fixed clock, the explanation on hover, moving between
// months, following a new theme, and the PDF and agenda files.
#include "banc_fenetre.hpp"

#include "annee/parts_annee.hpp"
#include "ui/fenetre_calendrier.hpp"

#include <QComboBox>
#include <QHelpEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QToolTip>

using namespace outils;
using kalder::ui::DessinCalendrier;
using kalder::ui::FenetreCalendrier;
using namespace std::chrono;

namespace {

FenetreCalendrier* ouvrir(kalder::ui::FenetrePrincipale& f) {
    commande(f, QStringLiteral("m_calendrier"));
    auto* c = f.findChild<FenetreCalendrier*>();
    if (!c || !QTest::qWaitForWindowExposed(c))
        return nullptr;
    c->horloge = [] { return QDateTime(QDate(2026, 6, 20), QTime(10, 30), QTimeZone::utc()); };
    c->mettre_a_jour();
    return c;
}

const kalder::VueCalendrier& vue(FenetreCalendrier& c) {
    return *c.findChild<DessinCalendrier*>()->vue();
}

// The tooltip shown over the cell of `jour` (of `mois`) in the drawing.
QString survol(FenetreCalendrier& c, int mois, int jour) {
    auto* dessin = c.findChild<DessinCalendrier*>();
    const kalder::Date cherche{year{vue(c).annee}, month{static_cast<unsigned>(mois)},
                               day{static_cast<unsigned>(jour)}};
    for (int y = 0; y < dessin->height(); y += 4)
        for (int x = 0; x < dessin->width(); x += 4) {
            const auto* j = kalder::jour_sous(QRectF(dessin->rect()), vue(c), QPointF(x, y));
            if (!j || j->date != cherche)
                continue;
            QHelpEvent aide(QEvent::ToolTip, QPoint(x, y), dessin->mapToGlobal(QPoint(x, y)));
            QApplication::sendEvent(dessin, &aide);
            return QToolTip::text();
        }
    return {};
}

} // namespace

class TestCalendrier : public BancFenetre {
    Q_OBJECT

  private slots:
    void mois_et_annee() {
        calculer_exemple(*fenetre);
        FenetreCalendrier* c = ouvrir(*fenetre);
        QVERIFY(c);
        QCOMPARE(c->windowTitle(), QStringLiteral("Calendrier — Anne-Marie Dupont"));
        c->montrer(2026, 6);
        QCOMPARE(libelle(*c, QStringLiteral("calendrier_annee_personnelle"))->text(),
                 QStringLiteral("Année personnelle 5"));
        QCOMPARE(libelle(*c, QStringLiteral("calendrier_mois_personnel"))->text(),
                 QStringLiteral("Mois personnel 2"));
        QCOMPARE(vue(*c).jours.size(), std::size_t{30});
        QCOMPARE(vue(*c).aujourdhui, std::optional(kalder::Date{2026y / 6 / 20}));
        QTRY_COMPARE(
            survol(*c, 6, 20),
            QStringLiteral("Jour personnel 4 — Travail et restrictions.\nMois personnel de "
                           "juin\u00A02 + jour\u00A020 =\u00A022 → 2 + 2 =\u00A04"));

        bouton(*c, QStringLiteral("bouton_calendrier_suivant"))->click();
        QCOMPARE(c->findChild<QComboBox*>(QStringLiteral("calendrier_liste_mois"))->currentText(),
                 QStringLiteral("Juillet"));
        QCOMPARE(libelle(*c, QStringLiteral("calendrier_mois_personnel"))->text(),
                 QStringLiteral("Mois personnel 3"));
        c->montrer(2026, 12);
        bouton(*c, QStringLiteral("bouton_calendrier_suivant"))->click();
        QCOMPARE(vue(*c).annee, 2027);
        QCOMPARE(vue(*c).mois, 1);
        c->findChild<QSpinBox*>(QStringLiteral("calendrier_champ_annee"))->setValue(2028);
        c->findChild<QComboBox*>(QStringLiteral("calendrier_liste_mois"))->setCurrentIndex(1);
        QCOMPARE(vue(*c).jours.size(), std::size_t{29});
        QTRY_COMPARE(
            survol(*c, 2, 29),
            QStringLiteral("Jour personnel 2 — Associations créées ou se terminant.\n"
                           "Mois personnel de février\u00A09 + jour\u00A029 =\u00A038 → 3 + 8 "
                           "=\u00A011 → 1 + 1 =\u00A02"));

        // The year: twelve months, each day reachable by hovering.
        c->findChild<QRadioButton*>(QStringLiteral("calendrier_vue_annee"))->setChecked(true);
        QCOMPARE(vue(*c).jours.size(), std::size_t{366});
        QTRY_COMPARE(
            survol(*c, 12, 31),
            QStringLiteral("Jour personnel 5 — Changements, rencontres.\n"
                           "Mois personnel de décembre\u00A01 + jour\u00A031 =\u00A032 → 3 + 2 "
                           "=\u00A05"));
        bouton(*c, QStringLiteral("bouton_calendrier_precedent"))->click();
        QCOMPARE(vue(*c).annee, 2027);
        QCOMPARE(vue(*c).mois, 0);
        QCOMPARE(vue(*c).jours.size(), std::size_t{365});
        // Before the birth year there is nothing: the birth year, from the birthday.
        c->montrer(1900, 0);
        QCOMPARE(vue(*c).annee, 1975);
        QCOMPARE(vue(*c).jours.front().date, kalder::Date{1975y / 7 / 15});

        if (const QByteArray capture = qgetenv("KALDER_CAPTURE_CALENDRIER"); !capture.isEmpty()) {
            c->montrer(2026, 6);
            c->grab().save(QString::fromLocal8Bit(capture) + QStringLiteral("-mois.png"));
            c->montrer(2026, 0);
            c->grab().save(QString::fromLocal8Bit(capture) + QStringLiteral("-annee.png"));
        }
    }

    void suit_le_theme() {
        calculer_exemple(*fenetre);
        FenetreCalendrier* c = ouvrir(*fenetre);
        QVERIFY(c);
        QApplication::setActiveWindow(fenetre.get());
        bouton(*fenetre, QStringLiteral("bouton_effacer_tout"))->click();
        taper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), QStringLiteral("3"),
                   QStringLiteral("2"), QStringLiteral("1980"));
        entree(*fenetre);
        QTRY_COMPARE(c->windowTitle(), QStringLiteral("Calendrier — Paul Martin"));
        QCOMPARE(vue(*c).annee_personnelle,
                 kalder::jour_personnel(fenetre->etat().origines.theme, vue(*c).annee, 1, 1)
                     .annee_personnelle);

        bouton(*fenetre, QStringLiteral("bouton_effacer_tout"))->click();
        taper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), {}, {}, {});
        entree(*fenetre);
        QTRY_VERIFY(libelle(*c, QStringLiteral("calendrier_sans_date"))->isVisible());
        QCOMPARE(libelle(*c, QStringLiteral("calendrier_sans_date"))->text(),
                 QStringLiteral("Pas de calendrier des jours personnels sans date de naissance."));
        QVERIFY(!bouton(*c, QStringLiteral("bouton_calendrier_agenda"))->isEnabled());
        QVERIFY(!bouton(*c, QStringLiteral("bouton_calendrier_pdf"))->isEnabled());
    }

    void fichiers_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("debut"); // empty: refused, no file left
        QTest::newRow("agenda") << QStringLiteral("bouton_calendrier_agenda")
                                << QStringLiteral("juin.ics") << QByteArray("BEGIN:VCALENDAR\r\n");
        QTest::newRow("pdf") << QStringLiteral("bouton_calendrier_pdf")
                             << QStringLiteral("juin.pdf") << QByteArray("%PDF");
        QTest::newRow("agenda dossier absent") << QStringLiteral("bouton_calendrier_agenda")
                                               << QStringLiteral("absent/juin.ics") << QByteArray();
        QTest::newRow("pdf dossier absent") << QStringLiteral("bouton_calendrier_pdf")
                                            << QStringLiteral("absent/juin.pdf") << QByteArray();
    }

    void fichiers() {
        QFETCH(QString, bouton);
        QFETCH(QString, nom);
        QFETCH(QByteArray, debut);
        calculer_exemple(*fenetre);
        FenetreCalendrier* c = ouvrir(*fenetre);
        QVERIFY(c);
        c->montrer(2026, 6);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom);
        QString nom_propose;
        c->choisir_fichier = [&](QWidget*, const QString&, const QString& propose, const QString&) {
            nom_propose = propose;
            return chemin;
        };
        kalder::ui::oublier_messages();
        outils::bouton(*c, bouton)->click();
        QVERIFY(
            nom_propose.startsWith(QStringLiteral("Jours personnels Anne-Marie Dupont 2026-06.")));
        QFile fichier(chemin);
        QCOMPARE(fichier.exists(), !debut.isEmpty());
        QCOMPARE(kalder::ui::nombre_messages_montres(), debut.isEmpty() ? 1 : 0);
        if (debut.isEmpty()) {
            QCOMPARE(message_montre().titre, QStringLiteral("Erreur"));
            return;
        }
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray octets = fichier.readAll();
        QVERIFY(octets.startsWith(debut));
        if (nom.endsWith(QStringLiteral(".ics")))
            QCOMPARE(octets.count("BEGIN:VEVENT"), 32); // 30 days, the month and the year
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 1);
    }
};

QTEST_MAIN(TestCalendrier)
#include "calendrier_test.moc"
