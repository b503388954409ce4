// Printing: to a PDF file through the path the printer dialog takes, the
// report's columns, a cancelled dialog and a printer that fails.
#include "banc_fenetre.hpp"

#include "interpretation/commandes.hpp"
#include "ui/impression.hpp"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using namespace outils;

namespace {

void vers_pdf(QPrinter& imprimante, const QString& fichier) {
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichier);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    kalder::ui::preparer_imprimante(imprimante);
}

QByteArray lire(const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

int pages_pdf(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
    return int(QString::fromLatin1(pdf).count(page));
}

QString lignes(int nombre, const QString& texte) {
    QStringList l;
    for (int i = 0; i < nombre; ++i)
        l << QStringLiteral("%1 %2").arg(i + 1).arg(texte);
    return l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Runs `imprimer`, answering the printer dialog it opens.
bool repondre_au_dialogue(const std::function<void()>& imprimer, bool accepter,
                          QString* nom = nullptr) {
    return pendant_dialogue<QPrintDialog>(imprimer, [=](QPrintDialog& d) {
        if (nom)
            *nom = d.objectName();
        accepter ? d.accept() : d.reject();
    });
}

} // namespace

class TestImpression : public BancFenetre {
    Q_OBJECT

  private slots:
    // Page counts that hold for any ordinary type size between 7 and 10 points.
    void pages_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::newRow("une ligne") << QStringLiteral("Synthèse\r\n") << 1 << 1;
        QTest::newRow("séparateur") << QString(150, QLatin1Char('-')) << 1 << 1;
        QTest::newRow("cent lignes") << lignes(100, QStringLiteral("ligne")) << 2 << 2;
        QTest::newRow("paragraphes longs")
            << lignes(
                   40,
                   QStringLiteral("Votre chemin de vie vous pousse vers les autres ; ").repeated(8))
            << 2 << 5;
    }
    void pages() {
        QFETCH(QString, texte);
        QFETCH(int, min);
        QFETCH(int, max);
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("texte.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, fichier);
        QVERIFY(kalder::ui::imprimer(imprimante, texte, nullptr));
        const QByteArray pdf = lire(fichier);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.size() > 1000);
        QVERIFY(pages_pdf(pdf) >= min);
        QVERIFY(pages_pdf(pdf) <= max);
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    // The report's TAB columns: no line wraps and, in the year grid, every
    // value of a month starts where that month's value starts on the other rows.
    void colonnes_du_rapport() {
        calculer_exemple(*fenetre);
        const QString rapport = QString::fromStdString(kalder::composer_rapport(fenetre->etat()));
        QTemporaryDir dossier;
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, dossier.filePath(QStringLiteral("rapport.pdf")));
        const auto document = kalder::ui::mise_en_page(rapport, imprimante);
        QCOMPARE(document->pageCount(), 1);
        // Fitting one page must not shrink the type below what reads on paper.
        QVERIFY2(document->defaultFont().pointSizeF() >= 7.0,
                 qPrintable(QString::number(document->defaultFont().pointSizeF())));

        const QStringList grille = {
            QStringLiteral("Mois             :"), QStringLiteral("Mois personnel:"),
            QStringLiteral("Cycle mensuel:"),     QStringLiteral("Essence      :"),
            QStringLiteral("Apogées      :"),     QStringLiteral("Période       :"),
            QStringLiteral("Profection   :"),     QStringLiteral("Semaine 1    :"),
            QStringLiteral("Semaine 4    :")};
        QList<qreal> colonnes;
        int lignes_grille = 0;
        for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
            QCOMPARE(b.layout()->lineCount(), 1);
            if (!std::any_of(grille.begin(), grille.end(),
                             [&](const QString& l) { return b.text().startsWith(l); }))
                continue;
            ++lignes_grille;
            QList<qreal> x;
            for (int i = 0; i < b.text().size(); ++i) {
                if (b.text()[i] == QLatin1Char('\t'))
                    x << b.layout()->lineAt(0).cursorToX(i + 1);
            }
            QCOMPARE(x.size(), 12);
            if (colonnes.isEmpty())
                colonnes = x;
            QCOMPARE(x, colonnes);
        }
        QCOMPARE(lignes_grille, grille.size());
        // Twelve columns after the label, all on the page.
        const qreal largeur = document->pageSize().width();
        QVERIFY(colonnes.last() < largeur);
        QVERIFY(colonnes.first() > 0);
    }

    // A range chosen in the dialog is what gets printed; the whole text stays
    // the default.
    void plage_de_pages_data() {
        QTest::addColumn<int>("de");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("pages");
        QTest::newRow("tout") << 0 << 0 << 3;
        QTest::newRow("la deuxième") << 2 << 2 << 1;
        QTest::newRow("de la deuxième à la fin") << 2 << 3 << 2;
        QTest::newRow("au-delà de la fin, bornée") << 3 << 9 << 1;
    }
    void plage_de_pages() {
        QFETCH(int, de);
        QFETCH(int, a);
        QFETCH(int, pages);
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("plage.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, fichier);
        const QString texte = lignes(150, QStringLiteral("ligne"));
        QCOMPARE(kalder::ui::mise_en_page(texte, imprimante)->pageCount(), 3);
        if (de > 0) {
            imprimante.setPrintRange(QPrinter::PageRange);
            imprimante.setFromTo(de, a);
        }
        QVERIFY(kalder::ui::imprimer(imprimante, texte, nullptr));
        QCOMPARE(pages_pdf(lire(fichier)), pages);
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    // A range that starts after the last page prints nothing and says so.
    void plage_hors_du_texte() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("hors.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, fichier);
        imprimante.setPrintRange(QPrinter::PageRange);
        imprimante.setFromTo(5, 6);
        QVERIFY(!kalder::ui::imprimer(imprimante, QStringLiteral("Cycles\r\n"), nullptr));
        QVERIFY(!QFile::exists(fichier));
        const auto m = kalder::ui::dernier_message();
        QVERIFY(m.has_value());
        QCOMPARE(m->titre, QStringLiteral("Erreur"));
        QCOMPARE(m->texte, QStringLiteral(
                               "Les pages choisies n'existent pas\u00a0: le texte compte 1 page."));
    }

    // The separator of 150 dashes stays one line among paragraphs that wrap.
    void separateur_sur_une_ligne() {
        QTemporaryDir dossier;
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, dossier.filePath(QStringLiteral("trait.pdf")));
        const QString texte =
            QStringLiteral("Synthèse\r\n") + QString(150, QLatin1Char('-')) +
            QStringLiteral("\r\n") +
            QStringLiteral("Votre chemin de vie vous pousse vers les autres ; ").repeated(8) +
            QStringLiteral("\r\n");
        const auto document = kalder::ui::mise_en_page(texte, imprimante);
        const QTextBlock trait = document->begin().next();
        QCOMPARE(trait.text(), QString(150, QLatin1Char('-')));
        QCOMPARE(trait.layout()->lineCount(), 1);
        QVERIFY(trait.next().layout()->lineCount() > 1);
        QCOMPARE(document->defaultFont().pointSizeF(), kalder::ui::taille_impression_max);
    }

    // Both print commands offer a page range, the whole text chosen.
    void dialogue_offre_une_plage() {
        QTemporaryDir dossier;
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, dossier.filePath(QStringLiteral("offre.pdf")));
        bool plage = false;
        bool tout = false;
        QVERIFY(pendant_dialogue<QPrintDialog>(
            [&] {
                kalder::ui::imprimer_avec_dialogue(nullptr, lignes(150, QStringLiteral("l")),
                                                   imprimante);
            },
            [&](QPrintDialog& d) {
                plage = d.testOption(QAbstractPrintDialog::PrintPageRange);
                tout = d.printRange() == QAbstractPrintDialog::AllPages;
                d.reject();
            }));
        QVERIFY(plage);
        QVERIFY(tout);
    }

    void dialogue_accepte() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("accepte.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, fichier);
        QString nom;
        bool imprime = false;
        QVERIFY(repondre_au_dialogue(
            [&] {
                imprime = kalder::ui::imprimer_avec_dialogue(nullptr, QStringLiteral("Détails\r\n"),
                                                             imprimante);
            },
            true, &nom));
        QVERIFY(imprime);
        QCOMPARE(nom, QStringLiteral("dialogue_imprimante"));
        QVERIFY(lire(fichier).startsWith("%PDF"));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    void dialogue_annule() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("annule.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, fichier);
        bool imprime = true;
        QVERIFY(repondre_au_dialogue(
            [&] {
                imprime = kalder::ui::imprimer_avec_dialogue(nullptr, QStringLiteral("Détails\r\n"),
                                                             imprimante);
            },
            false));
        QVERIFY(!imprime);
        QVERIFY(!QFile::exists(fichier));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    // A printer that cannot be opened is told, not hidden.
    void echec_dit() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("absent/texte.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        vers_pdf(imprimante, fichier);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!kalder::ui::imprimer(imprimante, QStringLiteral("Cycles\r\n"), nullptr));
        const auto m = message_montre();
        QVERIFY(kalder::ui::dernier_message().has_value());
        QCOMPARE(m.titre, QStringLiteral("Erreur"));
        QCOMPARE(m.icone, QMessageBox::Warning);
        QCOMPARE(
            m.texte,
            QStringLiteral(
                "L'impression a échoué\u00a0: le fichier «\u00a0%1\u00a0» n'a pas pu être créé.")
                .arg(fichier));
    }

    // "&Imprimer le thème..." builds the report and asks for a printer; a
    // cancel leaves everything as it was.
    void imprimer_le_theme_annule() {
        calculer_exemple(*fenetre);
        QString nom;
        bool parent_juste = false;
        QVERIFY(pendant_dialogue<QPrintDialog>(
            [&] { commande(*fenetre, QStringLiteral("m_imprimer2")); },
            [&](QPrintDialog& d) {
                nom = d.objectName();
                parent_juste = d.parentWidget() == fenetre.get();
                d.reject();
            }));
        QCOMPARE(nom, QStringLiteral("dialogue_imprimante"));
        QVERIFY(parent_juste);
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }
};

QTEST_MAIN(TestImpression)
#include "impression_test.moc"
