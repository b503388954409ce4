// The program's style changes how fast the window paints, never what it shows:
// the main window, each tab shown in turn, is the same to the pixel.
#include "ui/fenetre_principale.hpp"
#include "ui/style_kalder.hpp"

#include <QApplication>
#include <QStyleFactory>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

QList<QImage> onglets_peints() {
    kalder::ui::FenetrePrincipale fenetre;
    fenetre.show();
    QList<QImage> images;
    for (int i = 0; i < fenetre.onglets()->count(); ++i) {
        fenetre.onglets()->setCurrentIndex(i);
        images.append(fenetre.grab().toImage());
    }
    return images;
}

// A tab control alone, of the given size, under the given style.
QImage cadre_peint(QStyle* style, QSize taille) {
    QTabWidget onglets;
    onglets.setStyle(style);
    onglets.addTab(new QWidget, QStringLiteral("Un"));
    onglets.addTab(new QWidget, QStringLiteral("Deux"));
    onglets.resize(taille);
    return onglets.grab().toImage();
}

} // namespace

class TestStyleKalder : public QObject {
    Q_OBJECT

  private slots:
    // As in the program: the style of the whole application.
    void fenetre_identique() {
        const QList<QImage> avant = onglets_peints();
        QApplication::setStyle(new kalder::ui::StyleKalder);
        const QList<QImage> apres = onglets_peints();
        QCOMPARE(apres.size(), avant.size());
        for (int i = 0; i < avant.size(); ++i)
            QVERIFY2(apres[i] == avant[i], qPrintable(QStringLiteral("onglet %1").arg(i)));
    }

    // The frame is painted in zones fitted to its size: any size, even one
    // too small for zones, gives the style's own pixels.
    void cadre_identique_a_toute_taille_data() {
        QTest::addColumn<QSize>("taille");
        QTest::newRow("minuscule") << QSize(12, 40);
        QTest::newRow("etroit") << QSize(30, 300);
        QTest::newRow("plat") << QSize(500, 34);
        QTest::newRow("impair") << QSize(333, 211);
        QTest::newRow("haut") << QSize(809, 1200);
    }
    void cadre_identique_a_toute_taille() {
        QFETCH(QSize, taille);
        const std::unique_ptr<QStyle> plateforme(QStyleFactory::create(QStringLiteral("Fusion")));
        kalder::ui::StyleKalder programme;
        QCOMPARE(cadre_peint(&programme, taille), cadre_peint(plateforme.get(), taille));
    }

    void seul_le_bouton_de_debordement_perd_son_icone() {
        kalder::ui::StyleKalder style;
        QVERIFY(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).isNull());
        QVERIFY(!style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    }
};

QTEST_MAIN(TestStyleKalder)
#include "style_kalder_test.moc"
