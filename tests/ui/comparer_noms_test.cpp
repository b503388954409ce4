// "Variantes du nom…": the reference row, adding, editing, moving and
// removing rows, sorting by value, the clipboard, a refused row, the marks of
// the cells that differ from the reference, seen and spoken, and the
// spellings kept for the person they were added for.
#include "banc_fenetre.hpp"

#include "ui/fenetre_comparaison.hpp"
#include "ui/modele_comparaison.hpp"

#include "ui/fenetres_secondaires.hpp"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QTableView>
#include <QTemporaryDir>

using namespace outils;
using kalder::ui::FenetreComparaison;

class TestComparerNoms : public BancFenetre {
    Q_OBJECT

    FenetreComparaison* comparaison = nullptr;

    FenetreComparaison* ouvrir() {
        calculer_exemple(*fenetre);
        commande(*fenetre, QStringLiteral("m_comparer_noms"));
        auto* f = fenetre->findChild<FenetreComparaison*>(QStringLiteral("fenetre_comparaison"));
        return f && f->isVisible() && !f->isModal() ? f : nullptr;
    }
    void ajouter(const QString& prenoms, const QString& nom) {
        champ(*comparaison, QStringLiteral("comparaison_prenoms"))->setText(prenoms);
        champ(*comparaison, QStringLiteral("comparaison_nom"))->setText(nom);
        cliquer("comparaison_ajouter");
    }
    void cliquer(const char* nom) {
        QTest::mouseClick(bouton(*comparaison, QString::fromLatin1(nom)), Qt::LeftButton);
    }
    kalder::ui::ModeleComparaison& modele() { return comparaison->modele(); }
    int colonne(const QString& libelle) {
        for (int c = 0; c < modele().columnCount(); ++c)
            if (modele().headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString() == libelle)
                return c;
        return -1;
    }
    QString cellule(int r, const QString& libelle, int role = Qt::DisplayRole) {
        return modele().index(r, colonne(libelle)).data(role).toString();
    }
    QStringList noms() {
        QStringList l;
        for (int r = 0; r < modele().rowCount(); ++r)
            l << cellule(r, QStringLiteral("Nom"));
        return l;
    }

  private slots:
    void init() {
        BancFenetre::init();
        comparaison = ouvrir();
        QVERIFY(comparaison);
    }

    void reference_ajout_et_marques() {
        QCOMPARE(noms(), QStringList{QStringLiteral("Anne-Marie Dupont (référence)")});
        QVERIFY(label_date().contains(QStringLiteral("Cycle de 0 à 28\u00A0ans\u202F: <b>7</b>")));
        ajouter(QStringLiteral("Anne-Marie"), QStringLiteral("Martin"));
        QCOMPARE(modele().rowCount(), 2);
        const QString expression = QStringLiteral("Expression");
        QCOMPARE(cellule(0, expression), QStringLiteral("8"));
        QCOMPARE(cellule(1, expression), QStringLiteral("11/2"));
        QCOMPARE(cellule(1, QStringLiteral("Pierre angulaire")), QStringLiteral("1"));
        // Different: coloured and said; equal: neither.
        QVERIFY(modele().index(1, colonne(expression)).data(Qt::BackgroundRole).isValid());
        QCOMPARE(cellule(1, expression, Qt::AccessibleTextRole),
                 QStringLiteral("Expression : 11/2, différent de la référence"));
        QVERIFY(!modele()
                     .index(1, colonne(QStringLiteral("Pierre angulaire")))
                     .data(Qt::BackgroundRole)
                     .isValid());
        QCOMPARE(cellule(1, QStringLiteral("Pierre angulaire"), Qt::AccessibleTextRole),
                 QStringLiteral("Pierre angulaire : 1"));
        QVERIFY(!modele().index(0, colonne(expression)).data(Qt::BackgroundRole).isValid());
        const QString survol = cellule(1, expression, Qt::ToolTipRole);
        QVERIFY2(survol.contains(QStringLiteral("=\u00A074")) &&
                     survol.endsWith(QStringLiteral("11/2")),
                 qPrintable(survol));
        // A refused name: its message on its row only, across the numbers.
        ajouter(QStringLiteral("  "), QStringLiteral("Dupont"));
        QCOMPARE(cellule(2, QStringLiteral("Grille d'inclusion, chiffre 1")),
                 QStringLiteral("Le prénom doit être saisi"));
        QCOMPARE(comparaison->table()->columnSpan(2, 1), modele().columnCount() - 1);
        QCOMPARE(comparaison->table()->columnSpan(1, 1), 1);
        QCOMPARE(cellule(1, expression), QStringLiteral("11/2"));
    }

    void modifier_deplacer_retirer() {
        ajouter(QStringLiteral("Anne-Marie"), QStringLiteral("Martin"));
        // Ready for the next spelling.
        QVERIFY(champ(*comparaison, QStringLiteral("comparaison_prenoms"))->text().isEmpty());
        QVERIFY(champ(*comparaison, QStringLiteral("comparaison_nom"))->text().isEmpty());
        comparaison->table()->selectRow(1);
        champ(*comparaison, QStringLiteral("comparaison_prenoms"))->setText(QStringLiteral("Anne"));
        champ(*comparaison, QStringLiteral("comparaison_nom"))->setText(QStringLiteral("Martin"));
        cliquer("comparaison_modifier");
        QCOMPARE(cellule(1, QStringLiteral("Nom")), QStringLiteral("Anne Martin"));
        QCOMPARE(cellule(1, QStringLiteral("Nombre actif")), QStringLiteral("7"));
        cliquer("comparaison_monter");
        QCOMPARE(noms(), (QStringList{QStringLiteral("Anne Martin"),
                                      QStringLiteral("Anne-Marie Dupont (référence)")}));
        // The reference stays: "Retirer" is off on its row.
        comparaison->table()->selectRow(1);
        QVERIFY(!bouton(*comparaison, QStringLiteral("comparaison_retirer"))->isEnabled());
        cliquer("comparaison_retirer");
        QCOMPARE(modele().rowCount(), 2);
        comparaison->table()->selectRow(0);
        cliquer("comparaison_retirer");
        QCOMPARE(noms(), QStringList{QStringLiteral("Anne-Marie Dupont (référence)")});
    }

    // Numbers by value: 7 < 8 < 11/2, which as text would come first.
    void trier_et_copier() {
        ajouter(QStringLiteral("Anne-Marie"), QStringLiteral("Martin"));
        ajouter(QStringLiteral("Anne"), QStringLiteral("Dupont"));
        const int expression = colonne(QStringLiteral("Expression"));
        comparaison->table()->sortByColumn(expression, Qt::AscendingOrder);
        QCOMPARE(noms(), (QStringList{QStringLiteral("Anne Dupont"),
                                      QStringLiteral("Anne-Marie Dupont (référence)"),
                                      QStringLiteral("Anne-Marie Martin")}));
        comparaison->table()->sortByColumn(expression, Qt::DescendingOrder);
        QCOMPARE(noms().first(), QStringLiteral("Anne-Marie Martin"));
        cliquer("comparaison_copier");
        const QStringList lignes = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QVERIFY(lignes[0].startsWith(QStringLiteral("Nom\tGrille d'inclusion, chiffre 1\t")));
        // The marks go with the values.
        QVERIFY2(lignes[1].startsWith(QStringLiteral("Anne-Marie Martin\t")) &&
                     lignes[1].contains(QStringLiteral("\t11/2 ≠\t")),
                 qPrintable(lignes[1]));
        QCOMPARE(lignes[0].count(QLatin1Char('\t')), lignes[3].count(QLatin1Char('\t')));
        // Only the columns where a name differs, on screen and copied.
        auto* seules =
            comparaison->findChild<QCheckBox*>(QStringLiteral("comparaison_differences"));
        seules->setChecked(true);
        const int pierre = colonne(QStringLiteral("Pierre angulaire"));
        QVERIFY(comparaison->table()->isColumnHidden(pierre));
        QVERIFY(!comparaison->table()->isColumnHidden(expression));
        cliquer("comparaison_copier");
        const QStringList differences = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QVERIFY(differences[0].contains(QStringLiteral("Expression")));
        QVERIFY(!differences[0].contains(QStringLiteral("Pierre angulaire")));
        QVERIFY(differences[0].count(QLatin1Char('\t')) < lignes[0].count(QLatin1Char('\t')));
    }

    // The saved persons are listed as names and dates, narrowed by typing,
    // several chosen at once; one with another birth date is another person,
    // refused with a message. No directory yet: the usual message, and no list.
    void depuis_le_repertoire() {
        QTemporaryDir dossier;
        donner_dossier(*fenetre, dossier);
        cliquer("comparaison_repertoire");
        QCOMPARE(message_montre().texte, QStringLiteral("Pas de données enregistrées"));
        QFile fichier(dossier.filePath(QStringLiteral("Kalderrep.txt")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n"
                      "\"dupont\",\"Zo\xe9\",\"15\",\"7\",\"1975\"\r\n"
                      "\"Lef\xe8vre\",\"Anne\",\"15\",\"7\",\"1975\"\r\n");
        fichier.close();
        QStringList vus;
        QVERIFY(pendant_dialogue<QDialog>([&] { cliquer("comparaison_repertoire"); },
                                          [&vus](QDialog& d) {
                                              auto* l = d.findChild<QListView*>();
                                              for (int r = 0; r < l->model()->rowCount(); ++r)
                                                  vus << l->model()->index(r, 0).data().toString();
                                              l->selectAll();
                                              d.accept();
                                          }));
        QVERIFY2(vus.contains(QStringLiteral("Zoé dupont — 15/07/1975")),
                 qPrintable(vus.join('|')));
        QStringList ajoutes = noms().mid(1);
        ajoutes.sort();
        QCOMPARE(ajoutes,
                 (QStringList{QStringLiteral("Anne Lefèvre"), QStringLiteral("Zoé dupont")}));
        QVERIFY2(message_montre().texte.contains(QStringLiteral("Paul Martin — 03/04/1980")),
                 qPrintable(message_montre().texte));
        // Typing narrows the list.
        QVERIFY(pendant_dialogue<QDialog>(
            [&] { cliquer("comparaison_repertoire"); },
            [](QDialog& d) {
                QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("choix_repertoire_filtre")),
                                 QStringLiteral("lef"));
                QCOMPARE(d.findChild<QListView*>()->model()->rowCount(), 1);
                d.reject();
            }));
    }

    // The spellings belong to the person they were added for: another person
    // starts alone, and the rows come back with the first one again.
    void suit_le_theme_calcule() {
        ajouter(QStringLiteral("Anne"), QStringLiteral("Dupont"));
        QCOMPARE(cellule(1, QStringLiteral("Apogée 1")), QStringLiteral("22/4"));
        const auto calculer = [this](const std::array<const char*, 5>& textes) {
            const char* noms[] = {"champ_prenom", "champ_nom", "champ_jour", "champ_mois",
                                  "champ_annee"};
            for (std::size_t i = 0; i < 5; ++i) {
                QLineEdit* e = champ(*fenetre, QString::fromLatin1(noms[i]));
                e->selectAll();
                QTest::keyClicks(e, QString::fromUtf8(textes[i]));
            }
            bouton(*fenetre, QStringLiteral("bouton_calculer"))->click();
        };
        calculer({"Paul", "Martin", "3", "4", "1980"});
        QCOMPARE(noms(), QStringList{QStringLiteral("Paul Martin (référence)")});
        QVERIFY(label_date().contains(QStringLiteral("Cycle de 0 à 28\u00A0ans\u202F: <b>4</b>")));
        // The same name with another date is another person.
        calculer({"Anne-Marie", "Dupont", "16", "7", "1975"});
        QCOMPARE(modele().rowCount(), 1);
        calculer({"Anne-Marie", "Dupont", "15", "7", "1975"});
        QCOMPARE(noms(), (QStringList{QStringLiteral("Anne-Marie Dupont (référence)"),
                                      QStringLiteral("Anne Dupont")}));
        QCOMPARE(cellule(1, QStringLiteral("Apogée 1")), QStringLiteral("22/4"));
    }

    // Without a theme, the dossier's answer, and no window with a refused
    // reference; the dossier offers the compared names only when there are some.
    void sans_theme_et_dossier() {
        const auto case_variantes = [this] {
            bool montree = false;
            const bool ouvert = pendant_dialogue<QDialog>(
                [this] { commande(*fenetre, QStringLiteral("m_exporter_dossier")); },
                [&montree](QDialog& d) {
                    auto* c = d.findChild<QCheckBox*>(QStringLiteral("dossier_variantes"));
                    montree = c && !c->isHidden() && c->isChecked();
                    d.reject();
                });
            return ouvert && montree;
        };
        QVERIFY(!case_variantes());
        ajouter(QStringLiteral("Anne"), QStringLiteral("Dupont"));
        // A refused spelling is no variant for the dossier.
        ajouter(QStringLiteral(" "), QStringLiteral("Dupont"));
        QVERIFY(case_variantes());
        QString resume;
        pendant_dialogue<QDialog>(
            [this] { commande(*fenetre, QStringLiteral("m_exporter_dossier")); },
            [&resume](QDialog& d) {
                resume = d.findChild<QLabel*>(QStringLiteral("dossier_resume"))->text();
                d.reject();
            });
        QVERIFY2(resume.contains(QStringLiteral("1 variante du nom")), qPrintable(resume));
        // "Effacer tout" empties the window and forgets the spellings.
        bouton(*fenetre, QStringLiteral("bouton_effacer_tout"))->click();
        QVERIFY(!comparaison->isVisible());
        QCOMPARE(modele().rowCount(), 0);
        commande(*fenetre, QStringLiteral("m_comparer_noms"));
        QCOMPARE(message_montre().texte, QStringLiteral("Calculez d'abord un thème."));
        calculer_exemple(*fenetre);
        commande(*fenetre, QStringLiteral("m_comparer_noms"));
        QCOMPARE(modele().rowCount(), 1);
    }

  private:
    QString label_date() {
        return libelle(*comparaison, QStringLiteral("comparaison_date"))->text();
    }
};

QTEST_MAIN(TestComparerNoms)
#include "comparer_noms_test.moc"
