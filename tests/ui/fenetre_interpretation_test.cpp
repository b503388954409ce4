// The interpretation window itself: one instance, its banner and text, the
// resize rule, clear-all and the cancelled printer dialog.
#include "banc_fenetre.hpp"

#include "ui/fenetre_interpretation.hpp"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>

using namespace outils;
using kalder::ui::FenetreInterpretation;

namespace {

FenetreInterpretation* interpret() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("interpret"))
            return qobject_cast<FenetreInterpretation*>(w);
    }
    return nullptr;
}

QPlainTextEdit* texte_interp(FenetreInterpretation* f) {
    return f->findChild<QPlainTextEdit*>(QStringLiteral("texte_interp"));
}

QLabel* bandeau(FenetreInterpretation* f) {
    return f->findChild<QLabel*>(QStringLiteral("bandeau_titre"));
}

QString texte_du_modele(const kalder::ui::FenetrePrincipale& f) {
    return kalder::ui::texte_affichable(f.etat().interpretation.texte);
}

} // namespace

class TestFenetreInterpretation : public BancFenetre {
    Q_OBJECT

  private slots:
    void init() {
        BancFenetre::init();
        calculer_exemple(*fenetre);
    }
    void cleanup() {
        BancFenetre::cleanup();
        QVERIFY(!interpret()); // it goes with the main window
    }

    void creee_au_premier_usage() {
        QVERIFY(!interpret());
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        FenetreInterpretation* f = interpret();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QVERIFY(f->isWindow());
        QVERIFY(!f->parentWidget()); // no owner window
        QVERIFY(!f->isModal());
        QCOMPARE(f->windowTitle(), QStringLiteral("Interprétation"));
        QCOMPARE(bandeau(f)->text(), QStringLiteral("Synthèse — Anne-Marie Dupont"));
        QVERIFY(!texte_interp(f)->toPlainText().isEmpty());
        QCOMPARE(texte_interp(f)->toPlainText(), texte_du_modele(*fenetre));
        QVERIFY(!texte_interp(f)->toPlainText().contains(QLatin1Char('\r')));
    }

    void une_seule_instance() {
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        QPointer<FenetreInterpretation> premiere = interpret();
        QVERIFY(premiere);
        const QString synthese = texte_interp(premiere)->toPlainText();
        onglets(*fenetre)->setCurrentIndex(1);
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_details")), Qt::LeftButton);
        QCOMPARE(interpret(), premiere.data());
        QCOMPARE(bandeau(premiere)->text(), QStringLiteral("Détails — Anne-Marie Dupont"));
        QCOMPARE(texte_interp(premiere)->toPlainText(), texte_du_modele(*fenetre));
        QVERIFY(texte_interp(premiere)->toPlainText() != synthese);
        int nombre = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            nombre += w->objectName() == QStringLiteral("interpret");
        QCOMPARE(nombre, 1);
    }

    void liste_des_mois() {
        onglets(*fenetre)->setCurrentIndex(2);
        QComboBox* mois = liste_mois(*fenetre);
        mois->setCurrentIndex(4);
        emit mois->activated(4);
        QVERIFY(interpret());
        QCOMPARE(bandeau(interpret())->text(), QStringLiteral("Cycles — Anne-Marie Dupont"));
        QCOMPARE(texte_interp(interpret())->toPlainText(), texte_du_modele(*fenetre));
    }

    void ramenee_devant() {
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        FenetreInterpretation* f = interpret();
        QVERIFY(f);
        f->showMinimized();
        f->hide();
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        QVERIFY(f->isVisible());
        QVERIFY(!(f->windowState() & Qt::WindowMinimized));
    }

    void noms_blancs_rien() {
        QLineEdit* nom = champ(*fenetre, QStringLiteral("champ_nom"));
        nom->selectAll();
        QTest::keyClicks(nom, QStringLiteral("  "));
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        QVERIFY(!interpret());
    }

    void effacer_tout_la_detruit() {
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        QPointer<FenetreInterpretation> avant = interpret();
        QVERIFY(avant);
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_effacer_tout")), Qt::LeftButton);
        QVERIFY(avant.isNull());
        QVERIFY(!interpret());

        // The next interpretation makes a new window with the new text only.
        calculer_exemple(*fenetre);
        onglets(*fenetre)->setCurrentIndex(1);
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_details")), Qt::LeftButton);
        QVERIFY(interpret());
        QCOMPARE(bandeau(interpret())->text(), QStringLiteral("Détails — Anne-Marie Dupont"));
        QCOMPARE(texte_interp(interpret())->toPlainText(), texte_du_modele(*fenetre));
    }

    void disposition() {
        FenetreInterpretation f;
        QCOMPARE(f.size(), QSize(625, 473)); // 9375 x 7095 twips
        QLabel* b = bandeau(&f);
        QCOMPARE(b->geometry(), QRect(0, 0, 625, 25));
        QCOMPARE(b->alignment(), Qt::AlignCenter);
        QCOMPARE(b->font().pointSizeF(), 13.5);
        QVERIFY(b->autoFillBackground());
        QCOMPARE(b->palette().color(QPalette::Window), QColor(255, 255, 128));
        QPlainTextEdit* t = texte_interp(&f);
        QCOMPARE(t->geometry(), QRect(0, 24, 625, 449));
        QCOMPARE(t->font().pointSizeF(), 9.75);
        QVERIFY(!t->isReadOnly());
        QPushButton* imprimer = bouton(f, QStringLiteral("bouton_imprimer"));
        QCOMPARE(imprimer->text(), QStringLiteral("Imprimer"));
        QCOMPARE(imprimer->geometry(), QRect(0, 0, 73, 25));
        QCOMPARE(f.childAt(10, 10), imprimer); // over the banner's left end
    }

    void regle_en_twips_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("texte_largeur");
        QTest::addColumn<int>("texte_hauteur");
        QTest::newRow("ordinaire") << 9375 << 7095 << 9275 << 6320;
        QTest::newRow("largeur 100") << 100 << 7095 << -1 << 6320;
        QTest::newRow("largeur 101") << 101 << 7095 << 1 << 6320;
        QTest::newRow("hauteur 775") << 9375 << 775 << 9275 << -1;
        QTest::newRow("hauteur 776") << 9375 << 776 << 9275 << 1;
    }
    void regle_en_twips() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(int, texte_largeur);
        QFETCH(int, texte_hauteur);
        const auto t = kalder::ui::tailles_interpretation(largeur, hauteur, 375);
        QCOMPARE(t.largeur_bandeau, largeur);
        QCOMPARE(t.largeur_texte.value_or(-1), texte_largeur);
        QCOMPARE(t.hauteur_texte.value_or(-1), texte_hauteur);
    }

    // The rule counts the outer size, frame included; -1 leaves a size as it was.
    void redimensionnement_data() {
        QTest::addColumn<QSize>("exterieur");
        QTest::addColumn<int>("texte_largeur");
        QTest::addColumn<int>("texte_hauteur");
        QTest::newRow("plus grande") << QSize(800, 600) << 793 << 548;
        QTest::newRow("plus petite") << QSize(300, 200) << 293 << 148;
        QTest::newRow("7 px de large") << QSize(7, 473) << 0 << 421;
        QTest::newRow("6 px de large: largeur gardée") << QSize(6, 473) << -1 << 421;
        QTest::newRow("52 px de haut") << QSize(625, 52) << 618 << 0;
        QTest::newRow("51 px de haut: hauteur gardée") << QSize(625, 51) << 618 << -1;
    }
    void redimensionnement() {
        QFETCH(QSize, exterieur);
        QFETCH(int, texte_largeur);
        QFETCH(int, texte_hauteur);
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        FenetreInterpretation* f = interpret();
        QVERIFY(f);
        const QSize cadre = f->frameGeometry().size() - f->size();
        f->resize(QSize(625, 473) - cadre);
        const QSize avant = texte_interp(f)->size();
        QCOMPARE(avant, QSize(618, 421));

        f->resize(exterieur - cadre);
        QCOMPARE(f->frameGeometry().size(), exterieur);
        const QSize texte(texte_largeur < 0 ? avant.width() : texte_largeur,
                          texte_hauteur < 0 ? avant.height() : texte_hauteur);
        QCOMPARE(texte_interp(f)->size(), texte);
        QCOMPARE(::bandeau(f)->width(), f->width());
        // Only sizes change.
        QCOMPARE(texte_interp(f)->pos(), QPoint(0, 24));
        QCOMPARE(::bandeau(f)->pos(), QPoint(0, 0));
        QCOMPARE(bouton(*f, QStringLiteral("bouton_imprimer"))->geometry(), QRect(0, 0, 73, 25));
    }

    // The window manager gives the frame's size late, moving the window as it
    // does; the sizes follow then too.
    void suit_un_deplacement() {
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        FenetreInterpretation* f = interpret();
        QVERIFY(f);
        const QSize juste = texte_interp(f)->size();
        texte_interp(f)->resize(10, 10);
        f->move(f->pos() + QPoint(5, 5));
        QTRY_COMPARE(texte_interp(f)->size(), juste);
    }

    // Cancelling the printer dialog prints nothing and says nothing; the
    // selection is dropped first so that the whole text would be printed.
    void imprimer_puis_annuler() {
        QTest::mouseClick(bouton(*fenetre, QStringLiteral("bouton_synthese")), Qt::LeftButton);
        FenetreInterpretation* f = interpret();
        QVERIFY(f);
        QPlainTextEdit* t = texte_interp(f);
        QTextCursor c = t->textCursor();
        c.setPosition(5);
        c.setPosition(40, QTextCursor::KeepAnchor);
        t->setTextCursor(c);
        const QString avant = t->toPlainText();
        kalder::ui::oublier_messages();

        QString titre;
        bool parent_juste = false;
        QVERIFY(pendant_dialogue<QPrintDialog>(
            [&] {
                QTest::mouseClick(bouton(*f, QStringLiteral("bouton_imprimer")), Qt::LeftButton);
            },
            [&](QPrintDialog& d) {
                titre = d.objectName();
                parent_juste = d.parentWidget() == f;
                d.reject();
            }));
        QCOMPARE(titre, QStringLiteral("dialogue_imprimante"));
        QVERIFY(parent_juste);
        QVERIFY(!t->textCursor().hasSelection());
        QCOMPARE(t->toPlainText(), avant);
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
        QVERIFY(f->isVisible());
    }
};

QTEST_MAIN(TestFenetreInterpretation)
#include "fenetre_interpretation_test.moc"
