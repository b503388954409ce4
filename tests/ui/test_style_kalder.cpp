// The program's style changes how fast the window paints, never what it shows:
// the main window, each tab shown in turn, is the same to the pixel.
#include "ui/fenetre_principale.hpp"
#include "ui/style_kalder.hpp"

#include <QApplication>
#include <QTabWidget>
#include <QtTest>

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

    void seul_le_bouton_de_debordement_perd_son_icone() {
        kalder::ui::StyleKalder style;
        QVERIFY(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).isNull());
        QVERIFY(!style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    }
};

QTEST_MAIN(TestStyleKalder)
#include "test_style_kalder.moc"
