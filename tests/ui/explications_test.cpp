// Every number shown belongs to the person shown and says how it was reached:
// no earlier person's value beside a new one, explanations on hover and for
// screen readers, the save told in the status bar.
#include "banc_fenetre.hpp"

#include "ui/fenetre_interpretation.hpp"
#include "ui/fenetres_secondaires.hpp"

#include <QAccessible>
#include <QAction>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace outils;

namespace {

// Replaces what a field holds, as a user selecting it and typing would.
void retaper(QWidget& f, const QString& nom, const QString& texte) {
    QLineEdit* e = champ(f, nom);
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
    if (texte.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, texte);
}

void retaper_vous(QWidget& f, const QString& prenom, const QString& nom, const QString& jour,
                  const QString& mois, const QString& annee) {
    retaper(f, QStringLiteral("champ_prenom"), prenom);
    retaper(f, QStringLiteral("champ_nom"), nom);
    retaper(f, QStringLiteral("champ_jour"), jour);
    retaper(f, QStringLiteral("champ_mois"), mois);
    retaper(f, QStringLiteral("champ_annee"), annee);
}

void cliquer(QWidget& f, const QString& nom) {
    QTest::mouseClick(bouton(f, nom), Qt::LeftButton);
}

QString texte(QWidget& f, const QString& slot) {
    return libelle(f, slot)->text();
}

QAccessibleInterface* accessible(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    if (!i)
        qFatal("pas d'interface accessible pour %s", qPrintable(w->objectName()));
    return i;
}

} // namespace

class TestExplications : public BancFenetre {
    Q_OBJECT

  private slots:
    void init() {
        BancFenetre::init();
        dossier = std::make_unique<QTemporaryDir>();
        donner_dossier(*fenetre, *dossier);
    }
    void cleanup() {
        QAccessible::setActive(false);
        BancFenetre::cleanup();
        dossier.reset();
    }

    // A long name then a short one: no earlier word stays on "Détails".
    void mots_du_nom_precedent_effaces() {
        taper_vous(*fenetre, QStringLiteral("Anne Lise Strasse"), QStringLiteral("de la Tour"),
                   QString(), QString(), QString());
        entree(*fenetre);
        QCOMPARE(texte(*fenetre, QStringLiteral("deco(4)")), QStringLiteral("la"));
        retaper_vous(*fenetre, QStringLiteral("Anne"), QStringLiteral("Dupont"), QString(),
                     QString(), QString());
        cliquer(*fenetre, QStringLiteral("bouton_calculer"));
        QCOMPARE(texte(*fenetre, QStringLiteral("deco(1)")), QStringLiteral("Dupont"));
        for (int k = 2; k < 5; ++k) {
            for (const char* tableau : {"deco", "des", "dei"}) {
                const QString nom = QStringLiteral("%1(%2)").arg(QLatin1String(tableau)).arg(k);
                QVERIFY2(libelle(*fenetre, nom)->isHidden(), qPrintable(nom));
                QVERIFY2(texte(*fenetre, nom).isEmpty(), qPrintable(nom));
            }
        }
    }

    // A theme without a date after one with a date: no life path is left.
    void sans_date_pas_de_chemin_de_vie() {
        calculer_exemple(*fenetre);
        QCOMPARE(texte(*fenetre, QStringLiteral("synth(3)")), QStringLiteral("8"));
        retaper_vous(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), QString(),
                     QString(), QString());
        cliquer(*fenetre, QStringLiteral("bouton_calculer"));
        for (const char* nom : {"synth(3)", "ent(3)", "vie(0)", "cym(1)", "periode(1)", "profec(1)",
                                "semaine(1)", "semdef(48)"})
            QVERIFY2(texte(*fenetre, QLatin1String(nom)).isEmpty(), nom);
    }

    // A refused "Calculer" stores nothing: the year grid is then calculated
    // for the last person fully validated.
    void refus_puis_calcul_de_l_annee() {
        calculer_exemple(*fenetre);
        const QString lettre = texte(*fenetre, QStringLiteral("lettre_passage"));
        const QString semaine = texte(*fenetre, QStringLiteral("semaine(1)"));
        QCOMPARE(lettre, QStringLiteral("R"));
        retaper_vous(*fenetre, QStringLiteral("Zoe"), QStringLiteral("Kowalski"),
                     QStringLiteral("3"), QStringLiteral("13"), QStringLiteral("1990"));
        cliquer(*fenetre, QStringLiteral("bouton_calculer"));
        QCOMPARE(message_montre().texte, QStringLiteral("Mois incorrect"));
        cliquer(*fenetre, QStringLiteral("bouton_calculer_annee"));
        QCOMPARE(texte(*fenetre, QStringLiteral("lettre_passage")), lettre);
        QCOMPARE(texte(*fenetre, QStringLiteral("semaine(1)")), semaine);
        QCOMPARE(kalder::ui::nombre_messages_montres(), 1);
    }

    // "Nombre clef" was dark red: clear-all gives it its colour back.
    void triangle_retrouve_sa_couleur() {
        QLabel* clef = libelle(*fenetre, QStringLiteral("tri2"));
        const QColor avant = couleur(clef);
        calculer_exemple(*fenetre);
        QCOMPARE(couleur(clef), QColor(192, 0, 0));
        cliquer(*fenetre, QStringLiteral("bouton_effacer_tout"));
        QCOMPARE(clef->text(), QStringLiteral("Nombre clef"));
        QCOMPARE(couleur(clef), avant);
    }

    // The mouse over a slot: its explanation in the status bar and as its
    // tooltip; away from it, the status bar is clear again.
    void survol_dans_la_barre_d_etat() {
        calculer_exemple(*fenetre);
        const QString voyelles =
            QStringLiteral("Voyelles du prénom et du nom\u202F: A\u00A01 + E\u00A05 + "
                           "A\u00A01 + I\u00A09 + E\u00A05 + U\u00A03 + "
                           "O\u00A06 =\u00A030 → 3 + 0 =\u00A03");
        QLabel* l = libelle(*fenetre, QStringLiteral("synth(0)"));
        QTest::mouseMove(l);
        QTRY_COMPARE(fenetre->statusBar()->currentMessage(), voyelles);
        QCOMPARE(l->toolTip(), voyelles);
        QTest::mouseMove(champ(*fenetre, QStringLiteral("champ_prenom")));
        QTRY_COMPARE(fenetre->statusBar()->currentMessage(), QString());
    }

    // An empty slot has nothing to explain: the status bar keeps saying how
    // to get an explanation.
    void survol_d_un_slot_vide() {
        QLabel* l = libelle(*fenetre, QStringLiteral("synth(0)"));
        QTest::mouseMove(l);
        // The mouse has entered the label: its hover has been handled.
        QTRY_VERIFY(l->underMouse());
        QCOMPARE(fenetre->statusBar()->currentMessage(), indication);
        QCOMPARE(l->toolTip(), QString());
    }

    // The hint until a first explanation; a long explanation is cut in the
    // middle so that its result shows, whole in the tooltip; then, with
    // nothing hovered, the bar is clear.
    void explication_longue_coupee_au_milieu() {
        QStatusBar* barre = fenetre->statusBar();
        QCOMPARE(barre->currentMessage(), indication);
        calculer_exemple(*fenetre);
        QCOMPARE(barre->currentMessage(), indication);
        QLabel* l = libelle(*fenetre, QStringLiteral("synth(2)"));
        QTest::mouseMove(l);
        QTRY_VERIFY(barre->currentMessage() != indication);
        const QString message = barre->currentMessage();
        QVERIFY2(l->toolTip().startsWith(QStringLiteral(
                     "Toutes les lettres du prénom et du nom\u202F: A\u00A01 + N\u00A05")) &&
                     l->toolTip().endsWith(QStringLiteral("=\u00A071 → 7 + 1 =\u00A08")),
                 qPrintable(l->toolTip()));
        QVERIFY2(message.startsWith(QStringLiteral("Toutes les lettres")), qPrintable(message));
        QVERIFY2(message.endsWith(QStringLiteral("T\u00A02 =\u00A071 → 7 + 1 =\u00A08")),
                 qPrintable(message));
        QVERIFY2(message.contains(QChar(0x2026)), qPrintable(message));
        QVERIFY(barre->fontMetrics().horizontalAdvance(message) < barre->width());
        QTest::mouseMove(champ(*fenetre, QStringLiteral("champ_prenom")));
        QTRY_COMPARE(barre->currentMessage(), QString());
    }

    // "Sauvegarder" says in the status bar how many persons went where, with
    // no message box.
    void sauvegarde_dite_dans_la_barre_d_etat() {
        taper_vous(*fenetre, QStringLiteral("Anne-Marie"), QStringLiteral("Dupont"),
                   QStringLiteral("15"), QStringLiteral("7"), QStringLiteral("1975"));
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"), QString(),
                         QString(), QString());
        commande(*fenetre, QStringLiteral("m_enregistrer"));
        const QString message = fenetre->statusBar()->currentMessage();
        QVERIFY2(message.startsWith(QStringLiteral("2 personnes enregistrées dans «\u00a0")),
                 qPrintable(message));
        QVERIFY2(message.endsWith(QStringLiteral("Kalderrep.txt\u00a0».")), qPrintable(message));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    // Every input field, the month list and each "Interpréter" button has a
    // name a screen reader can say; a triangle number is said once.
    void champs_nommes_pour_les_lecteurs_d_ecran_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("nom");
        QTest::newRow("prénom") << "champ_prenom"
                                << "Prénom";
        QTest::newRow("nom") << "champ_nom"
                             << "Nom";
        QTest::newRow("jour") << "champ_jour"
                              << "Jour de naissance";
        QTest::newRow("mois") << "champ_mois"
                              << "Mois de naissance";
        QTest::newRow("année") << "champ_annee"
                               << "Année de naissance";
        QTest::newRow("partenaire") << "champ_prenom_partenaire"
                                    << "Prénom du partenaire";
        QTest::newRow("rencontre") << "champ_annee_rencontre"
                                   << "Année de la rencontre";
        QTest::newRow("année à calculer") << "champ_annee_calcul"
                                          << "Année à calculer";
        QTest::newRow("liste des mois") << "liste_mois"
                                        << "Mois choisi";
        QTest::newRow("synthèse") << "bouton_synthese"
                                  << "Interpréter la synthèse";
        QTest::newRow("détails") << "bouton_details"
                                 << "Interpréter les détails";
        QTest::newRow("cycles") << "bouton_annee"
                                << "Interpréter les cycles";
        QTest::newRow("entente") << "bouton_entente"
                                 << "Interpréter l'entente";
        QTest::newRow("nombre clef") << "tri2"
                                     << "Nombre clef : 8";
    }
    void champs_nommes_pour_les_lecteurs_d_ecran() {
        QFETCH(QString, champ);
        QFETCH(QString, nom);
        calculer_exemple(*fenetre);
        QWidget* w = trouver<QWidget>(*fenetre, champ);
        // Qt reads a drop-down list's current item as its name on some
        // platforms; the name it is given is what the others say.
        if (qobject_cast<QComboBox*>(w))
            QCOMPARE(w->accessibleName(), nom);
        else
            QCOMPARE(accessible(w)->text(QAccessible::Name), nom);
    }

    // A result slot is read with its label and value, never as a bare
    // number, and its explanation is its description.
    void slots_nommes_et_decrits() {
        // Empty, a slot is read by its label alone.
        QCOMPARE(
            accessible(libelle(*fenetre, QStringLiteral("Grille(8)")))->text(QAccessible::Name),
            QStringLiteral("Grille d'inclusion, chiffre 8"));
        QAccessible::setActive(true);
        calculer_exemple(*fenetre);
        const QStringList noms = {QStringLiteral("Grille(8)"), QStringLiteral("synth(0)"),
                                  QStringLiteral("Nomb(11)"), QStringLiteral("semaine(25)")};
        for (const QString& nom : noms) {
            QLabel* l = libelle(*fenetre, nom);
            QAccessibleInterface* i = accessible(l);
            const QString lu = i->text(QAccessible::Name);
            QVERIFY2(lu.size() > l->text().size() + 3, qPrintable(nom + " : " + lu));
            QVERIFY2(lu.endsWith(QStringLiteral(" : ") + l->text()), qPrintable(lu));
            const QString description = i->text(QAccessible::Description);
            QVERIFY2(description.endsWith(l->text()), qPrintable(nom + " : " + description));
            QVERIFY2(description.contains(QStringLiteral(" =\u00A0")), qPrintable(description));
        }
        QAccessibleInterface* huit = accessible(libelle(*fenetre, QStringLiteral("Grille(8)")));
        QCOMPARE(huit->text(QAccessible::Name),
                 QStringLiteral("Grille d'inclusion, chiffre 8 : 0"));
        QCOMPARE(huit->text(QAccessible::Description),
                 QStringLiteral(
                     "Lettres valant 8 (H, Q, Z)\u202F: aucune dans le prénom et le nom, chiffre "
                     "absent =\u00A00"));
        // Emptied with its slot.
        cliquer(*fenetre, QStringLiteral("bouton_effacer_tout"));
        QCOMPARE(accessible(libelle(*fenetre, QStringLiteral("synth(0)")))
                     ->text(QAccessible::Description),
                 QString());
    }

    // A screen reader that starts after the calculation still gets them.
    void descriptions_quand_un_lecteur_arrive() {
        calculer_exemple(*fenetre);
        QLabel* l = libelle(*fenetre, QStringLiteral("synth(4)"));
        QAccessible::setActive(true);
        QCOMPARE(accessible(l)->text(QAccessible::Description),
                 QStringLiteral(
                     "Mois\u00A07 + jour\u00A015 =\u00A022, nombre maître gardé\u202F: 22/4"));
    }

    // A new person after a compatibility: the common numbers are those of the
    // new person with the partner, or empty when the partner line no longer
    // passes; never the earlier person's, and no message box on the way.
    void entente_suit_la_nouvelle_personne_data() {
        QTest::addColumn<QString>("prenom_partenaire");
        QTest::addColumn<QString>("expression_commune");
        QTest::addColumn<QString>("chemin_commun");
        QTest::newRow("même partenaire") << "Paul"
                                         << "11/2"
                                         << "10/1";
        QTest::newRow("partenaire effacé") << ""
                                           << ""
                                           << "";
    }
    void entente_suit_la_nouvelle_personne() {
        QFETCH(QString, prenom_partenaire);
        QFETCH(QString, expression_commune);
        QFETCH(QString, chemin_commun);
        QAccessible::setActive(true);
        calculer_exemple(*fenetre);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("17"), QStringLiteral("5"), QStringLiteral("1990"));
        cliquer(*fenetre, QStringLiteral("bouton_calculer_entente"));
        QCOMPARE(texte(*fenetre, QStringLiteral("ent(5)")), QStringLiteral("7"));
        retaper(*fenetre, QStringLiteral("champ_prenom_partenaire"), prenom_partenaire);
        retaper_vous(*fenetre, QStringLiteral("Zoe"), QStringLiteral("Kowalski"),
                     QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1991"));
        cliquer(*fenetre, QStringLiteral("bouton_calculer"));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
        QCOMPARE(texte(*fenetre, QStringLiteral("ent(2)")), QStringLiteral("8"));
        const std::pair<QString, QString> communs[] = {
            {QStringLiteral("ent(5)"), expression_commune},
            {QStringLiteral("ent(6)"), chemin_commun}};
        for (const auto& [nom, valeur] : communs) {
            QLabel* l = libelle(*fenetre, nom);
            QCOMPARE(l->text(), valeur);
            const QString description = accessible(l)->text(QAccessible::Description);
            QVERIFY2(valeur.isEmpty() ? description.isEmpty() : description.endsWith(valeur),
                     qPrintable(nom + " : " + description));
        }
    }

    // An open interpretation names its person and follows a new theme, for
    // the same interpretation.
    void interpretation_suit_la_nouvelle_personne() {
        calculer_exemple(*fenetre);
        cliquer(*fenetre, QStringLiteral("bouton_synthese"));
        auto* interpretation = fenetre->secondaires().interpretation();
        QVERIFY(interpretation);
        QCOMPARE(interpretation->titre(), QStringLiteral("Synthèse — Anne-Marie Dupont"));
        QCOMPARE(interpretation->findChild<QPlainTextEdit*>()->accessibleName(),
                 QStringLiteral("Texte de l'interprétation"));
        const QString avant = interpretation->texte();
        retaper_vous(*fenetre, QStringLiteral("Zoe"), QStringLiteral("Kowalski"),
                     QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1991"));
        cliquer(*fenetre, QStringLiteral("bouton_calculer"));
        QCOMPARE(interpretation->titre(), QStringLiteral("Synthèse — Zoe Kowalski"));
        QCOMPARE(interpretation->texte(),
                 kalder::ui::texte_affichable(fenetre->etat().interpretation.texte));
        QVERIFY(interpretation->texte() != avant);
    }

    // What clear-all leaves on the green "Cycles" panel still says how it
    // was reached.
    void panneau_vert_garde_ses_explications() {
        QAccessible::setActive(true);
        calculer_exemple(*fenetre);
        cliquer(*fenetre, QStringLiteral("bouton_effacer_tout"));
        for (const char* nom : {"vie(0)", "cycle1", "cycle3", "apogee1", "apogee4", "fin_apogee2",
                                "defi_apogee1", "defi_apogee4"}) {
            QLabel* l = libelle(*fenetre, QLatin1String(nom));
            QVERIFY2(!l->text().isEmpty(), nom);
            const QString description = accessible(l)->text(QAccessible::Description);
            QVERIFY2(description.endsWith(l->text().section(QLatin1Char(' '), -1)),
                     qPrintable(QLatin1String(nom) + " : " + l->text() + " / " + description));
        }
    }

  private:
    std::unique_ptr<QTemporaryDir> dossier;
    const QString indication =
        QStringLiteral("Laissez la souris sur un nombre pour voir comment il a été obtenu.");
};

QTEST_MAIN(TestExplications)
#include "explications_test.moc"
