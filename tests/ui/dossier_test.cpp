// The consultation dossier from the window: the dialog's choices remembered,
// the export through the save seam, the status bar, an unwritable target, and
// the dossier computed from the person calculated, not the fields typed since,
// and only that person's data after another client.
#include "banc_fenetre.hpp"
#include "modele/etat_fenetre.hpp"

#include "compat/calculer_compatibilite.hpp"
#include "document/dossier.hpp"
#include "document/parties.hpp"
#include "identite/identite.hpp"
#include "interpretation/commandes.hpp"
#include "modele/slots.hpp"
#include "theme/calculer_theme.hpp"
#include "ui/dossier_consultation.hpp"
#include "ui/fenetre_comparaison.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace outils;

class TestDossier : public BancFenetre {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString propose_;

    // "Exporter le dossier PDF…" through its dialog, `reglage` run on it
    // before OK; the save dialog answers `cible`.
    bool exporter(const QString& cible,
                  const std::function<void(kalder::ui::DialogueDossier&)>& reglage = {},
                  bool par_raccourci = false) {
        kalder::ui::definir_choix_fichier([this, cible](QWidget*, const QString& propose) {
            propose_ = propose;
            return cible;
        });
        return pendant_dialogue<kalder::ui::DialogueDossier>(
            [this, par_raccourci] {
                if (par_raccourci)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
                else
                    commande(*fenetre, QStringLiteral("m_exporter_dossier"));
            },
            [&](kalder::ui::DialogueDossier& d) {
                if (reglage)
                    reglage(d);
                d.accept();
            });
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Kalder"), QStringLiteral("Kalder")).clear();
        BancFenetre::initTestCase();
    }
    void cleanup() {
        kalder::ui::definir_choix_fichier({});
        BancFenetre::cleanup();
    }

    // Ctrl+D from the field that has the focus.
    void export_et_barre_d_etat() {
        montrer(*fenetre);
        calculer_exemple(*fenetre);
        champ(*fenetre, QStringLiteral("champ_prenom"))->setFocus();
        const QString cible = dossier_.filePath(QStringLiteral("dossier.pdf"));
        QVERIFY(exporter(
            cible,
            [](kalder::ui::DialogueDossier& d) {
                d.findChild<QCheckBox*>(QStringLiteral("dossier_explications"))->setChecked(false);
                d.findChild<QLineEdit*>(QStringLiteral("dossier_prepare_par"))
                    ->setText(QStringLiteral("Claire Lune"));
                d.findChild<QPlainTextEdit*>(QStringLiteral("dossier_message"))
                    ->setPlainText(QStringLiteral("Chère Anne-Marie,\nà bientôt."));
                QCOMPARE(d.parametres().message, QStringLiteral("Chère Anne-Marie,\nà bientôt."));
            },
            true));
        QVERIFY(propose_.endsWith(QStringLiteral("/Dupont Anne-Marie 15-07-1975.pdf")));
        QFile pdf(cible);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QTRY_VERIFY(fenetre->barre_etat()->currentMessage().contains(cible));
        QCOMPARE(QDir(dossier_.path()).entryList(QDir::Files).size(), 1);

        // The choices come back with the next dialog, and the last folder.
        QVERIFY(exporter(QString(), [](kalder::ui::DialogueDossier& d) {
            QVERIFY(!d.findChild<QCheckBox*>(QStringLiteral("dossier_explications"))->isChecked());
            QVERIFY(d.findChild<QCheckBox*>(QStringLiteral("dossier_nombres"))->isChecked());
            QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("dossier_prepare_par"))->text(),
                     QStringLiteral("Claire Lune"));
            // A message is for one client only.
            QVERIFY(d.findChild<QPlainTextEdit*>(QStringLiteral("dossier_message"))
                        ->toPlainText()
                        .isEmpty());
        }));
        QCOMPARE(QFileInfo(propose_).absolutePath(), QFileInfo(cible).absolutePath());
    }

    void cible_impossible() {
        calculer_exemple(*fenetre);
        QFile fichier(dossier_.filePath(QStringLiteral("fichier")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.close();
        QVERIFY(exporter(dossier_.filePath(QStringLiteral("fichier/dossier.pdf"))));
        QCOMPARE(message_montre().titre, QStringLiteral("Erreur"));
        QVERIFY(
            message_montre().texte.startsWith(QStringLiteral("Le PDF n'a pas pu être enregistré")));
        QVERIFY(!QFileInfo::exists(dossier_.filePath(QStringLiteral("fichier/dossier.pdf"))));
    }

    // Settings that cannot be written (a dangling link in place of their
    // folder): the dossier still has the "Préparé par" just typed and only
    // the sections ticked, and the status bar says the choices were not kept.
    void reglages_impossibles() {
        calculer_exemple(*fenetre);
        QTemporaryDir config;
        QVERIFY(QFile::link(config.filePath(QStringLiteral("absent/ailleurs")),
                            config.filePath(QStringLiteral("Kalder"))));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        const QString cible = dossier_.filePath(QStringLiteral("sans_reglages.pdf"));
        const bool fait = exporter(cible, [](kalder::ui::DialogueDossier& d) {
            for (auto* c : d.findChildren<QCheckBox*>())
                c->setChecked(c->objectName() == QStringLiteral("dossier_nombres"));
            d.findChild<QLineEdit*>(QStringLiteral("dossier_prepare_par"))
                ->setText(QStringLiteral("Zoé Clairlune"));
        });
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QVERIFY(fait);
        QFile pdf(cible);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray octets = pdf.readAll();
        // The metadata name the one who prepared it, as typed.
        QVERIFY(octets.contains(QStringLiteral("Zoé Clairlune").toUtf8()));
        QTRY_VERIFY(fenetre->barre_etat()->currentMessage().contains(
            QStringLiteral("n'ont pas pu être retenus")));
        const auto etat = kalder::recalculer(kalder::identite_enregistree(fenetre->etat()),
                                             QDate::currentDate().year());
        QVERIFY(etat);
        kalder::document::ParametresDossier seules;
        seules.consultation = QDate::currentDate();
        seules.annee_courante = seules.consultation.year();
        seules.prepare_par = QStringLiteral("Zoé Clairlune");
        seules.sections = {kalder::document::Section::nombres};
        const auto attendu = kalder::document::dossier_pdf(*etat, seules);
        QVERIFY(attendu);
        // As many pages as the dossier of those choices alone.
        static const QRegularExpression page(QStringLiteral("/Type /Page[^s]"));
        QCOMPARE(QString::fromLatin1(octets).count(page),
                 QString::fromLatin1(*attendu).count(page));
    }

    void sans_theme() {
        calculer_exemple(*fenetre);
        bouton(*fenetre, QStringLiteral("bouton_effacer_tout"))->click();
        commande(*fenetre, QStringLiteral("m_exporter_dossier"));
        QCOMPARE(message_montre().texte, QStringLiteral("Calculez d'abord un thème."));
    }

    // Anne-Marie's spellings and partner stay hers: Marie-Hélène's dossier,
    // made next, holds neither.
    void apres_un_autre_client() {
        calculer_exemple(*fenetre);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("17"), QStringLiteral("5"), QStringLiteral("1990"));
        bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->click();
        commande(*fenetre, QStringLiteral("m_comparer_noms"));
        auto* comparaison = fenetre->comparaison();
        QVERIFY(comparaison);
        for (const char* nom : {"Lefèvre", "Martin", "Durand"}) {
            champ(*comparaison, QStringLiteral("comparaison_prenoms"))
                ->setText(QStringLiteral("Anne-Marie"));
            champ(*comparaison, QStringLiteral("comparaison_nom"))->setText(QString::fromUtf8(nom));
            bouton(*comparaison, QStringLiteral("comparaison_ajouter"))->click();
        }
        QCOMPARE(fenetre->variantes_du_theme().size(), std::size_t{3});
        using kalder::ChampId;
        const std::pair<ChampId, const char*> bernard[] = {{ChampId::prenom, "Marie-Hélène"},
                                                           {ChampId::nom, "Bernard"},
                                                           {ChampId::jour, "2"},
                                                           {ChampId::mois, "3"},
                                                           {ChampId::annee, "1982"}};
        for (const auto& [id, texte] : bernard)
            fenetre->saisir_champ(id, QString::fromUtf8(texte));
        bouton(*fenetre, QStringLiteral("bouton_calculer"))->click();

        QString resume;
        bool variantes_offertes = true;
        const QString cible = dossier_.filePath(QStringLiteral("bernard.pdf"));
        QVERIFY(exporter(cible, [&](kalder::ui::DialogueDossier& d) {
            resume = d.findChild<QLabel*>(QStringLiteral("dossier_resume"))->text();
            variantes_offertes =
                !d.findChild<QCheckBox*>(QStringLiteral("dossier_variantes"))->isHidden();
        }));
        QVERIFY2(resume.startsWith(QStringLiteral("Marie-Hélène Bernard, naissance le 02/03/1982")),
                 qPrintable(resume));
        QVERIFY2(!resume.contains(QStringLiteral("Entente")), qPrintable(resume));
        QVERIFY(!resume.contains(QStringLiteral("variante")));
        QVERIFY(!variantes_offertes);
        QProcess texte;
        texte.start(QStringLiteral("pdftotext"), {cible, QStringLiteral("-")});
        if (!texte.waitForFinished(60000) || texte.exitCode() != 0)
            QSKIP("pdftotext absent");
        const QString pdf = QString::fromUtf8(texte.readAllStandardOutput());
        QVERIFY(pdf.contains(QStringLiteral("Marie-Hélène Bernard")));
        QVERIFY(!pdf.contains(QStringLiteral("Paul Martin")));
        QVERIFY(!pdf.contains(QStringLiteral("Lefèvre")) &&
                !pdf.contains(QStringLiteral("Durand")));
    }

    // Each interpretation's headings in the dossier are the headings its
    // blocks declare, at their level, and nothing else: no sentence is
    // taken for one, and its plain text is its blocks line by line.
    void titres_ou_les_blocs_le_disent() {
        calculer_exemple(*fenetre);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("17"), QStringLiteral("5"), QStringLiteral("1990"));
        bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->click();
        static const QRegularExpression titre_html(
            QStringLiteral("<h(\\d)>([^<]*)</h\\d>|<h4 class=\"\\w+\">([^<]*)</h4>"));
        for (auto* interpreter : {kalder::interpreter_synthese, kalder::interpreter_details,
                                  kalder::interpreter_annee, kalder::interpreter_entente}) {
            kalder::EtatFenetre etat = fenetre->etat();
            QVERIFY(!interpreter(etat).message);
            const kalder::Blocs& blocs = etat.interpretation.blocs;
            QVERIFY(!blocs.empty());
            QCOMPARE(etat.interpretation.texte, kalder::texte_brut(blocs));
            QStringList attendus;
            for (const kalder::Bloc& b : blocs)
                if (b.genre == kalder::Genre::titre)
                    attendus << QStringLiteral("%1 %2").arg(b.niveau).arg(
                        QString::fromStdString(b.texte).trimmed().toHtmlEscaped());
            QStringList trouves;
            const QString html = kalder::document::blocs_en_html(blocs);
            for (auto m = titre_html.globalMatch(html); m.hasNext();) {
                const auto t = m.next();
                trouves << (t.captured(1).isEmpty()
                                ? QStringLiteral("3 ") + t.captured(3).replace(QChar::Nbsp, u' ')
                                : QStringLiteral("%1 %2")
                                      .arg(t.captured(1).toInt() - 2)
                                      .arg(t.captured(2)));
            }
            QCOMPARE(trouves, attendus);
        }
    }

    // The fresh calculation of the stored identity shows what the window
    // shows, though the fields were typed over since.
    void identite_enregistree() {
        calculer_exemple(*fenetre);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("17"), QStringLiteral("5"), QStringLiteral("1990"));
        bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->click();
        QVERIFY(!fenetre->etat().ent[kalder::ent::expression_partenaire].texte.empty());
        champ(*fenetre, QStringLiteral("champ_nom"))->setText(QStringLiteral("Durand"));
        const auto identite = kalder::identite_enregistree(fenetre->etat());
        const auto etat = kalder::recalculer(identite, QDate::currentDate().year());
        QVERIFY(etat);
        const auto vus = kalder::slots_nommes(std::as_const(fenetre->etat()));
        const auto refaits = kalder::slots_nommes(*etat);
        for (std::size_t i = 0; i < vus.size(); ++i)
            QCOMPARE(QString::fromStdString(refaits[i].second->texte),
                     QString::fromStdString(vus[i].second->texte));
    }

    // The consultation records the sections printed, not those ticked: no
    // "Entente" without a partner, no year without a birth date.
    void sections_imprimees() {
        using kalder::document::Section;
        struct Cas {
            kalder::Theme personne;
            bool partenaire;
            std::vector<Section> imprimees;
        };
        const kalder::Theme avec_date{"Anne-Marie", "Dupont", 15, 7, 1975};
        const kalder::Theme sans_date{"Anne-Marie", "Dupont"};
        const Cas cas[] = {
            {avec_date, false, {Section::nombres, Section::cycles}},
            {avec_date, true, {Section::nombres, Section::cycles, Section::entente}},
            {sans_date, false, {Section::nombres}},
        };
        for (const Cas& c : cas) {
            kalder::ThemeCalcule theme = kalder::calculer_theme(c.personne, 2027);
            if (c.partenaire) {
                kalder::EntenteCalculee paul;
                paul.prenom_partenaire = "Paul";
                paul.nom_partenaire = "Martin";
                paul.jour = 17;
                paul.mois = 5;
                paul.annee = 1990;
                kalder::calculer_entente(theme, paul);
            }
            kalder::document::ParametresDossier p;
            p.sections = {Section::nombres, Section::cycles, Section::entente};
            QVERIFY(kalder::document::sections_imprimees(theme, p) == c.imprimees);
        }
    }
};

QTEST_MAIN(TestDossier)
#include "dossier_test.moc"
