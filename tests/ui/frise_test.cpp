// "Outils" > "Frise de vie…": the window for the person shown, following a
// new theme, without a date, and its picture saved as PNG and SVG.
#include "banc_fenetre.hpp"

#include "document/frise_dessin.hpp"
#include "ui/fenetre_frise.hpp"

#include <QHelpEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QToolTip>

using namespace outils;
using kalder::ui::DessinFrise;
using kalder::ui::FenetreFrise;

namespace {

FenetreFrise* ouvrir_frise(kalder::ui::FenetrePrincipale& f) {
    commande(f, QStringLiteral("m_frise"));
    auto* frise = f.findChild<FenetreFrise*>();
    if (frise && !QTest::qWaitForWindowExposed(frise))
        return nullptr;
    return frise;
}

// A new person on the "Vous :" line, calculated, the main window active again.
void calculer(kalder::ui::FenetrePrincipale& f, const QString& jour, const QString& mois,
              const QString& annee) {
    QApplication::setActiveWindow(&f);
    bouton(f, QStringLiteral("bouton_effacer_tout"))->click();
    taper_vous(f, QStringLiteral("Paul"), QStringLiteral("Martin"), jour, mois, annee);
    entree(f);
}

int annee_naissance(FenetreFrise& frise) {
    const auto& f = frise.findChild<DessinFrise*>()->frise();
    return f ? f->annee_naissance : 0;
}

} // namespace

class TestFrise : public BancFenetre {
    Q_OBJECT

  private slots:
    void suit_le_theme() {
        calculer_exemple(*fenetre);
        FenetreFrise* frise = ouvrir_frise(*fenetre);
        QVERIFY(frise);
        QVERIFY(frise->isVisible());
        QCOMPARE(frise->windowTitle(), QStringLiteral("Frise de vie – Anne-Marie Dupont"));
        QCOMPARE(annee_naissance(*frise), 1975);
        QVERIFY(bouton(*frise, QStringLiteral("bouton_enregistrer_image"))->isEnabled());

        // Hovering the second pinnacle tells how it was reached.
        auto* dessin = frise->findChild<DessinFrise*>();
        const auto& apogee = dessin->frise()->apogees[1];
        for (const auto& zone : kalder::zones_bandes(QRectF(dessin->rect()), *dessin->frise())) {
            if (zone.bande != &apogee)
                continue;
            const QPoint centre = zone.rectangle.center().toPoint();
            QHelpEvent survol(QEvent::ToolTip, centre, dessin->mapToGlobal(centre));
            QApplication::sendEvent(dessin, &survol);
        }
        QTRY_COMPARE(QToolTip::text(), QString::fromStdString(apogee.explication));
        QVERIFY(QToolTip::text().startsWith(QStringLiteral("Apogée 2, de 28 à 36\u00A0ans")));

        calculer(*fenetre, QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1980"));
        QTRY_COMPARE(annee_naissance(*frise), 1980);
        QCOMPARE(ouvrir_frise(*fenetre), frise); // one window, shown again

        calculer(*fenetre, {}, {}, {});
        QTRY_VERIFY(libelle(*frise, QStringLiteral("frise_sans_date"))->isVisible());
        QCOMPARE(annee_naissance(*frise), 0);
        QVERIFY(!bouton(*frise, QStringLiteral("bouton_copier_image"))->isEnabled());
        QVERIFY(!bouton(*frise, QStringLiteral("bouton_enregistrer_image"))->isEnabled());
    }

    // Wide, one cell a year on the axis; a portrait page, a table of decades
    // whose cells are wide enough to read. Each cell within the zone, after
    // the one before, and hovered at its centre it tells its own year.
    void annees_personnelles_data() {
        QTest::addColumn<QSizeF>("taille");
        QTest::addColumn<double>("part_minimale"); // of the width, for one cell
        QTest::newRow("fenêtre") << QSizeF(1000, 380) << 0.008;
        QTest::newRow("page portrait") << QSizeF(700, 610) << 0.07;
    }

    void annees_personnelles() {
        QFETCH(QSizeF, taille);
        QFETCH(double, part_minimale);
        calculer_exemple(*fenetre);
        const QRectF zone(QPointF(10, 20), taille);
        const auto frise = kalder::construire_frise(fenetre->etat(), 2026);
        QVERIFY(frise);
        const kalder::BandeFrise* premiere = &frise->annees_personnelles.front();
        const kalder::BandeFrise* derniere = &frise->annees_personnelles.back();
        QRectF precedente;
        int vues = 0;
        for (const auto& z : kalder::zones_bandes(zone, *frise)) {
            QVERIFY(zone.contains(z.rectangle));
            if (z.bande < premiere || z.bande > derniere)
                continue;
            ++vues;
            QVERIFY(z.rectangle.width() >= taille.width() * part_minimale);
            QVERIFY(!z.rectangle.intersects(precedente.adjusted(1, 1, -1, -1)));
            QCOMPARE(kalder::explication_sous(zone, *frise, z.rectangle.center()),
                     std::optional(z.bande->explication));
            precedente = z.rectangle;
        }
        QCOMPARE(vues, static_cast<int>(frise->annees_personnelles.size()));
    }

    void sans_date_d_abord() {
        taper_vous(*fenetre, QStringLiteral("Anne"), QStringLiteral("Dupont"), {}, {}, {});
        entree(*fenetre);
        FenetreFrise* frise = ouvrir_frise(*fenetre);
        QVERIFY(frise);
        QCOMPARE(libelle(*frise, QStringLiteral("frise_sans_date"))->text(),
                 QStringLiteral("Pas de frise de vie sans date de naissance."));
        QVERIFY(libelle(*frise, QStringLiteral("frise_sans_date"))->isVisible());
    }

    void enregistrer_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("debut"); // how the file starts; empty: none is left
        QTest::newRow("png") << QStringLiteral("frise.png") << QByteArray("\x89PNG");
        QTest::newRow("svg") << QStringLiteral("frise.SVG") << QByteArray("<?xml");
        QTest::newRow("dossier absent") << QStringLiteral("absent/frise.png") << QByteArray();
        // A name typed without an extension gets one.
        QTest::newRow("sans extension") << QStringLiteral("frise") << QByteArray("\x89PNG");
    }

    void enregistrer() {
        QFETCH(QString, nom);
        QFETCH(QByteArray, debut);
        calculer_exemple(*fenetre);
        FenetreFrise* frise = ouvrir_frise(*fenetre);
        QVERIFY(frise);
        QTemporaryDir dossier;
        QString propose;
        frise->choisir_fichier = [&](QWidget*, const QString& p) {
            propose = p;
            return dossier.filePath(nom);
        };
        kalder::ui::oublier_messages();
        bouton(*frise, QStringLiteral("bouton_enregistrer_image"))->click();
        // The person's name is proposed.
        QVERIFY2(QFileInfo(propose).fileName() ==
                     QStringLiteral("Frise de vie – Anne-Marie Dupont.png"),
                 qPrintable(propose));
        const QString chemin = dossier.filePath(
            QFileInfo(nom).suffix().isEmpty() ? nom + QStringLiteral(".png") : nom);
        QFile fichier(chemin);
        QCOMPARE(fichier.exists(), !debut.isEmpty());
        QCOMPARE(kalder::ui::nombre_messages_montres(), debut.isEmpty() ? 1 : 0);
        if (debut.isEmpty()) {
            QCOMPARE(message_montre().titre, QStringLiteral("Erreur"));
            return;
        }
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QVERIFY(fichier.read(debut.size()) == debut);
        const QImage image(chemin, nom.endsWith(QStringLiteral("png")) ? "PNG" : nullptr);
        if (nom.endsWith(QStringLiteral("png")))
            QVERIFY(image.width() >= 1600);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 1); // no temporary left
        // The next proposal is in this folder.
        bouton(*frise, QStringLiteral("bouton_enregistrer_image"))->click();
        QCOMPARE(QFileInfo(propose).absolutePath(), QFileInfo(chemin).absolutePath());
    }

    // Below a readable size the window does not shrink.
    void taille_minimale() {
        calculer_exemple(*fenetre);
        FenetreFrise* frise = ouvrir_frise(*fenetre);
        QVERIFY(frise);
        frise->resize(450, 1000);
        QVERIFY(frise->width() >= 720);
    }
};

QTEST_MAIN(TestFrise)
#include "frise_test.moc"
