// The help window and the about box.
#include "banc_fenetre.hpp"

#include "ui/fenetre_aide.hpp"

#include <QAction>
#include <QPlainTextEdit>
#include <QPointer>

using namespace outils;
using kalder::ui::FenetreAide;

namespace {

// The thirteen lines, trailing blanks included; the text ends with a line break.
const QStringList lignes_aide = {
    QStringLiteral("C'est très simple !"),
    QString(),
    QStringLiteral("Dans la ligne \"Vous\", tapez votre prénom, votre nom et votre date de "
                   "naissance."),
    QStringLiteral("Cliquez sur le bouton \"Calculer\" pour effectuer tous les calculs vous "
                   "concernant."),
    QStringLiteral("Vous pouvez ensuite lire les interprétations en utilisant l'un des 3 boutons "
                   "réservés à cet effet."),
    QString(),
    QStringLiteral("Pour vérifier l'accord entre deux personnes, il faut remplir la ligne \"Votre "
                   "partenaire\" dans "),
    QStringLiteral("l'onglet 'Entente avec une autre personne\" et clicker sur le bouton "
                   "\"Calculer\" de cet onglet."),
    QString(),
    QStringLiteral("Vous pouvez enregistrer le nom et la date de naissance d'une personne en "
                   "utilisant le menu "),
    QStringLiteral("\"Fichier\" - \"Sauvegarder\". Pour relire un nom déjà enregistré, utilisez le "
                   "menu \"Fichier\" - "),
    QStringLiteral("\"Ouvrir\". Clickez ensuite sur la personne à relire et sur le bouton \"-> "
                   "Vous\" ou \"-> Partenaire\" "),
    QStringLiteral("en fonction de la ligne où vous voulez placer les informations."),
};

QList<FenetreAide*> fenetres_aide() {
    QList<FenetreAide*> l;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("f_aide") && w->isVisible())
            l << qobject_cast<FenetreAide*>(w);
    }
    return l;
}

// The help window, once; null if there is none (or more than one).
FenetreAide* fenetre_aide() {
    const auto l = fenetres_aide();
    return l.size() == 1 ? l.first() : nullptr;
}

QPlainTextEdit* texte_aide(QWidget* f) {
    return f->findChild<QPlainTextEdit*>(QStringLiteral("texte_aide"));
}

} // namespace

class TestAide : public BancFenetre {
    Q_OBJECT

  private slots:
    void cleanup() {
        BancFenetre::cleanup();
        QVERIFY(fenetres_aide().isEmpty());
    }

    void fenetre_et_texte() {
        aide();
        QCOMPARE(fenetres_aide().size(), 1);
        FenetreAide* f = fenetre_aide();
        QCOMPARE(f->windowTitle(), QStringLiteral("Aide"));
        QVERIFY(!f->isModal());
        QVERIFY(!f->parentWidget());
        QCOMPARE(f->size(), QSize(450, 294));
        QCOMPARE(f->minimumSize(), f->maximumSize());

        QLabel* titre = libelle(*f, QStringLiteral("titre_aide"));
        QCOMPARE(titre->text(), QStringLiteral("Comment Utiliser Kalder ?"));
        QCOMPARE(titre->alignment(), Qt::AlignCenter);
        QCOMPARE(titre->font().pointSizeF(), 12.0);
        QCOMPARE(titre->palette().color(QPalette::Window), QColor(255, 255, 128));
        QCOMPARE(titre->geometry().left(), 0);
        QCOMPARE(titre->geometry().top(), 0);
        QCOMPARE(titre->width(), 450);

        QPlainTextEdit* t = texte_aide(f);
        QVERIFY(!t->isReadOnly());
        QCOMPARE(t->toPlainText(), lignes_aide.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(t->toPlainText().split(QLatin1Char('\n')).size(), 14);

        QPushButton* ok = bouton(*f, QStringLiteral("bouton_ok"));
        QCOMPARE(ok->text(), QStringLiteral("Ok"));
        QVERIFY(qAbs(ok->x() - (450 - ok->x() - ok->width())) <= 1); // centred
        QVERIFY(ok->geometry().top() > t->geometry().bottom());
        QVERIFY(ok->geometry().bottom() < 294);
    }

    void ordre_du_focus() {
        aide();
        FenetreAide* f = fenetre_aide();
        QVERIFY(f);
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(nom_focus(), QStringLiteral("texte_aide"));
        QTest::keyClick(texte_aide(f), Qt::Key_Tab);
        QCOMPARE(nom_focus(), QStringLiteral("bouton_ok"));
        // Tab moved on: it typed nothing into the text.
        QCOMPARE(texte_aide(f)->toPlainText(),
                 lignes_aide.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }

    void une_seule_fenetre() {
        aide();
        QPointer<FenetreAide> premiere = fenetre_aide();
        QVERIFY(premiere);
        premiere->showMinimized();
        aide();
        QCOMPARE(fenetres_aide().size(), 1);
        QCOMPARE(fenetre_aide(), premiere.data());
        QVERIFY(!(premiere->windowState() & Qt::WindowMinimized));
    }

    // "Ok" closes it; what was typed is gone at the next opening.
    void ok_ferme() {
        aide();
        QPointer<FenetreAide> f = fenetre_aide();
        QVERIFY(f);
        texte_aide(f)->setPlainText(QStringLiteral("mes notes"));
        QTest::mouseClick(bouton(*f, QStringLiteral("bouton_ok")), Qt::LeftButton);
        QVERIFY(!f->isVisible());
        QTRY_VERIFY(f.isNull());
        aide();
        QVERIFY(fenetre_aide());
        QCOMPARE(texte_aide(fenetre_aide())->toPlainText(),
                 lignes_aide.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }

    void a_propos() {
        commande(*fenetre, QStringLiteral("m_apropos"));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 1);
        const auto m = message_montre();
        QCOMPARE(m.titre, QStringLiteral("A Propos"));
        QCOMPARE(m.texte, QStringLiteral("Kalder Version 3.1"));
        QCOMPARE(m.icone, QMessageBox::Information);
    }

  private:
    void aide() { commande(*fenetre, QStringLiteral("m_aide2")); }
};

QTEST_MAIN(TestAide)
#include "aide_test.moc"
