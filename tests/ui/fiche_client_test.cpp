// "Fiche client…" and "Clients…" against a client file in a temporary data folder.
#include "banc_fenetre.hpp"

#include "clients/base_clients.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/boites_message.hpp"
#include "ui/dialogue_ouvrir.hpp"
#include "ui/dossier_consultation.hpp"
#include "ui/fenetre_calendrier.hpp"
#include "ui/fenetre_comparaison.hpp"
#include "ui/fenetre_trouver_jour.hpp"
#include "ui/fiche_client.hpp"
#include "ui/modele_clients.hpp"
#include "ui/modele_comparaison.hpp"
#include "ui/sauvegarde_donnees.hpp"

#include <QDateEdit>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>

using namespace outils;
using kalder::ui::DialogueClients;
using kalder::ui::DialogueFicheClient;
using kalder::ui::DialogueOuvrir;

namespace {

QStringList textes(QWidget& f, std::initializer_list<const char*> noms) {
    QStringList l;
    for (const char* n : noms)
        l << champ(f, QString::fromLatin1(n))->text();
    return l;
}

} // namespace

class TestFicheClient : public BancFenetre {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        BancFenetre::initTestCase();
    }
    void init() {
        BancFenetre::init();
        dossier = std::make_unique<QTemporaryDir>();
        donner_dossier(*fenetre, *dossier);
        kalder::ui::repondre_automatiquement(true);
        kalder::ui::oublier_messages();
    }
    void cleanup() {
        kalder::ui::definir_choix_fichier({});
        kalder::ui::definir_choix_donnees({});
        BancFenetre::cleanup();
        dossier.reset();
    }

    void sans_nom_rien_ne_s_ouvre() {
        commande(*fenetre, QStringLiteral("m_fiche_client"));
        QVERIFY(kalder::ui::dernier_message());
        QCOMPARE(kalder::ui::dernier_message()->texte,
                 QStringLiteral("Saisissez d'abord le nom et les prénoms de la personne."));
    }

    void fiche_saisie_puis_enregistree_a_la_fermeture() {
        taper(*fenetre, QStringLiteral("champ_prenom"), QStringLiteral(" Anne "));
        taper(*fenetre, QStringLiteral("champ_nom"), QStringLiteral("Dupont"));
        QVERIFY(pendant_dialogue<DialogueFicheClient>(
            [&] { commande(*fenetre, QStringLiteral("m_fiche_client")); },
            [&](DialogueFicheClient& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Fiche client d'Anne Dupont"));
                d.findChild<QLineEdit*>(QStringLiteral("fiche_telephone"))
                    ->setText(QStringLiteral("01 23 45 67 89"));
                d.findChild<QLineEdit*>(QStringLiteral("fiche_tags"))
                    ->setText(QStringLiteral("suivi annuel, VIP"));
                d.findChild<QPlainTextEdit*>(QStringLiteral("fiche_nouvelle_note"))
                    ->setPlainText(QStringLiteral("'; DROP TABLE notes; -- première"));
                bouton(d, QStringLiteral("bouton_nouvelle_consultation"))->click();
                QCOMPARE(d.findChild<QListWidget*>(QStringLiteral("fiche_consultations"))->count(),
                         1);
                // Closed without "Enregistrer": nothing typed is lost.
            }));
        kalder::BaseClients base(dossier_donnees());
        const auto fiche = base.lire({"Dupont", "Anne", "", "", ""}).valeur;
        QVERIFY(fiche);
        QCOMPARE(fiche->contact.telephone, std::string("01 23 45 67 89"));
        QCOMPARE(fiche->tags, (std::vector<std::string>{"suivi annuel", "VIP"}));
        QCOMPARE(fiche->notes.size(), std::size_t{1});
        QCOMPARE(fiche->notes[0].texte, std::string("'; DROP TABLE notes; -- première"));
        QCOMPARE(fiche->consultations.size(), std::size_t{1});
    }

    // Notes modified and deleted, a spelling and a partner removed: all kept
    // when the record closes, without "Enregistrer".
    void notes_modifiees_et_supprimees_listes_retirees() {
        const kalder::Personne anne{"Dupont", "Anne", "", "", ""};
        {
            kalder::BaseClients base(dossier_donnees());
            QVERIFY(!base.ajouter_note(anne, "2026-01-01 10:00", "ancienne"));
            QVERIFY(!base.ajouter_note(anne, "2026-02-01 10:00", "à effacer"));
            const kalder::Orthographe anna{"Anna", "Dupont"};
            QVERIFY(!base.retenir_variantes(anne, std::span(&anna, 1)));
            QVERIFY(!base.retenir_partenaire(anne, {"Paul", "Martin", "3", "4", "1980", ""}));
            QVERIFY(!base.retenir_partenaire(anne, {"Luc", "Durand", "", "", "", ""}));
        }
        taper(*fenetre, QStringLiteral("champ_prenom"), QStringLiteral("Anne"));
        taper(*fenetre, QStringLiteral("champ_nom"), QStringLiteral("Dupont"));
        QVERIFY(pendant_dialogue<DialogueFicheClient>(
            [&] { commande(*fenetre, QStringLiteral("m_fiche_client")); },
            [&](DialogueFicheClient& d) {
                auto* notes = d.findChild<QListWidget*>(QStringLiteral("fiche_notes"));
                QCOMPARE(notes->count(), 2);
                // Newest first.
                notes->setCurrentRow(1);
                QVERIFY(pendant_dialogue<QInputDialog>(
                    [&] { bouton(d, QStringLiteral("bouton_modifier_note"))->click(); },
                    [](QInputDialog& saisie) {
                        QCOMPARE(saisie.textValue(), QStringLiteral("ancienne"));
                        saisie.setTextValue(QStringLiteral("corrigée\nsur deux lignes"));
                        saisie.accept();
                    }));
                notes->setCurrentRow(0);
                reponse_suivante(QMessageBox::Yes);
                bouton(d, QStringLiteral("bouton_supprimer_note"))->click();
                QCOMPARE(notes->count(), 1);
                d.findChild<QListWidget*>(QStringLiteral("fiche_orthographes"))->setCurrentRow(0);
                bouton(d, QStringLiteral("bouton_retirer_orthographe"))->click();
                d.findChild<QListWidget*>(QStringLiteral("fiche_partenaires"))->setCurrentRow(0);
                bouton(d, QStringLiteral("bouton_retirer_partenaire"))->click();
            }));
        kalder::BaseClients base(dossier_donnees());
        const auto fiche = base.lire(anne).valeur;
        QVERIFY(fiche);
        QCOMPARE(fiche->notes.size(), std::size_t{1});
        QCOMPARE(fiche->notes[0].texte, std::string("corrigée\nsur deux lignes"));
        QVERIFY(fiche->variantes.empty());
        QCOMPARE(fiche->partenaires.size(), std::size_t{1});
        QCOMPARE(fiche->partenaires[0].prenoms, std::string("Paul"));
        // Found by the words of its new text only.
        QCOMPARE(base.lister("corrigée").valeur.size(), std::size_t{1});
        QVERIFY(base.lister("effacer").valeur.empty());
    }

    void liste_cherchee_et_client_ouvert() {
        {
            kalder::BaseClients base(dossier_donnees());
            QVERIFY(!base.ajouter_note({"Martin", "Paul", "3", "4", "1980"}, "2026-01-01 10:00",
                                       "Parle de son déménagement"));
            QVERIFY(!base.ajouter_note({"Dupont", "Zoé", "", "", ""}, "2026-01-01 10:00", "x"));
        }
        QVERIFY(pendant_dialogue<DialogueClients>(
            [&] { commande(*fenetre, QStringLiteral("m_clients")); },
            [&](DialogueClients& d) {
                QCOMPARE(d.modele()->rowCount(), 2);
                QCOMPARE(d.modele()->index(0, 0).data().toString(), QStringLiteral("Dupont"));
                // Sorted by the file, the order kept for the search.
                d.findChild<QTableView*>(QStringLiteral("table_clients"))
                    ->sortByColumn(2, Qt::DescendingOrder);
                QCOMPARE(d.modele()->index(0, 0).data().toString(), QStringLiteral("Martin"));
                QCOMPARE(d.modele()->rowCount(), 2);
                d.findChild<QLineEdit*>(QStringLiteral("recherche_clients"))
                    ->setText(QStringLiteral("DEMENAGEMENT"));
                QCOMPARE(d.modele()->rowCount(), 1);
                QCOMPARE(d.modele()->index(0, 2).data().toString(), QStringLiteral("03/04/1980"));
                QCOMPARE(d.modele()->index(0, 5).data().toString(), QStringLiteral("1"));
                bouton(d, QStringLiteral("bouton_ouvrir_client"))->click();
            }));
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_nom"))->text(), QStringLiteral("Martin"));
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_annee"))->text(), QStringLiteral("1980"));
    }

    // What was compared and calculated for a saved person comes back when the
    // person is opened again, the partner only offered.
    void variantes_et_partenaire_rendus_a_l_ouverture() {
        ecrire_repertoire("\"Dupont\",\"Anne\",\"15\",\"7\",\"1975\"\r\n");
        taper_vous(*fenetre, QStringLiteral("Anne "), QStringLiteral("Dupont"),
                   QStringLiteral("15"), QStringLiteral("07"), QStringLiteral("1975"));
        entree(*fenetre);
        commande(*fenetre, QStringLiteral("m_comparer_noms"));
        kalder::ui::FenetreComparaison* comparaison = fenetre->comparaison();
        QVERIFY(comparaison);
        champ(*comparaison, QStringLiteral("comparaison_prenoms"))->setText(QStringLiteral("Anna"));
        champ(*comparaison, QStringLiteral("comparaison_nom"))->setText(QStringLiteral("Dupond"));
        bouton(*comparaison, QStringLiteral("comparaison_ajouter"))->click();
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("1980"));
        taper(*fenetre, QStringLiteral("champ_jour_rencontre"), QStringLiteral("12"));
        taper(*fenetre, QStringLiteral("champ_mois_rencontre"), QStringLiteral("6"));
        taper(*fenetre, QStringLiteral("champ_annee_rencontre"), QStringLiteral("2001"));
        bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->click();
        {
            kalder::BaseClients base(dossier_donnees());
            const auto fiche = base.lire({"Dupont", "Anne", "15", "7", "1975"}).valeur;
            QVERIFY(fiche);
            QCOMPARE(fiche->variantes, (std::vector<kalder::Orthographe>{{"Anna", "Dupond"}}));
            QCOMPARE(fiche->partenaires.size(), std::size_t{1});
            QCOMPARE(fiche->partenaires[0].rencontre, std::string("12/6/2001"));
        }
        // "Effacer tout" forgets the session's spellings; the file keeps them.
        bouton(*fenetre, QStringLiteral("bouton_effacer_tout"))->click();
        QVERIFY(pendant_dialogue<DialogueOuvrir>(
            [&] { commande(*fenetre, QStringLiteral("m_ouvrir")); },
            [&](DialogueOuvrir& d) {
                auto* liste = d.findChild<QListView*>(QStringLiteral("liste_personnes"));
                liste->setCurrentIndex(liste->model()->index(0, 0));
                bouton(d, QStringLiteral("bouton_vous"))->click();
            }));
        QCOMPARE(textes(*fenetre,
                        {"champ_prenom_partenaire", "champ_nom_partenaire", "champ_jour_partenaire",
                         "champ_mois_partenaire", "champ_annee_partenaire", "champ_jour_rencontre",
                         "champ_mois_rencontre", "champ_annee_rencontre"}),
                 (QStringList{"Paul", "Martin", "3", "4", "1980", "12", "6", "2001"}));
        QVERIFY(!fenetre->etat().theme_montre);
        for (const kalder::Slot& s : fenetre->etat().ent)
            QVERIFY(s.texte.empty());
        bouton(*fenetre, QStringLiteral("bouton_calculer"))->click();
        QTRY_VERIFY(fenetre->etat().theme_montre);
        commande(*fenetre, QStringLiteral("m_comparer_noms"));
        QTRY_COMPARE(fenetre->comparaison()->modele().rowCount(), 2);
        QCOMPARE(fenetre->comparaison()->modele().variantes(),
                 (std::vector<kalder::NomVariante>{{"Anna", "Dupond"}}));
    }

    // A person never saved leaves no trace in the client file.
    void personne_hors_repertoire_non_retenue() {
        calculer_exemple(*fenetre);
        commande(*fenetre, QStringLiteral("m_comparer_noms"));
        champ(*fenetre->comparaison(), QStringLiteral("comparaison_prenoms"))
            ->setText(QStringLiteral("Anna"));
        bouton(*fenetre->comparaison(), QStringLiteral("comparaison_ajouter"))->click();
        QCOMPARE(fenetre->comparaison()->modele().rowCount(), 2);
        QVERIFY(!std::filesystem::exists(kalder::fichier_clients(dossier_donnees())));
    }

    // An exported dossier is a consultation of a saved person; a client file
    // that cannot take it leaves the dossier written and says so.
    void dossier_exporte_note_comme_consultation() {
        ecrire_repertoire("\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n");
        calculer_exemple(*fenetre);
        const QString cible = dossier->filePath(QStringLiteral("dossier.pdf"));
        QVERIFY(exporter(cible));
        {
            kalder::BaseClients base(dossier_donnees());
            const auto fiche = base.lire({"Dupont", "Anne-Marie", "15", "7", "1975"}).valeur;
            QVERIFY(fiche);
            QCOMPARE(fiche->consultations.size(), std::size_t{1});
            const kalder::Consultation& c = fiche->consultations[0];
            QCOMPARE(QString::fromStdString(c.fichier), QDir::toNativeSeparators(cible));
            QCOMPARE(c.annee_calcul, QDate::currentDate().year());
            QVERIFY(QString::fromStdString(c.date).startsWith(
                QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
            QVERIFY(QString::fromStdString(c.sections).startsWith(QStringLiteral("Les nombres, ")));
        }
        // A folder where the client file should be: no record, the dossier all the same.
        std::filesystem::remove_all(kalder::fichier_clients(dossier_donnees()));
        std::filesystem::create_directory(kalder::fichier_clients(dossier_donnees()));
        QFile::remove(cible);
        QVERIFY(exporter(cible));
        QVERIFY(QFile::exists(cible));
        QTRY_VERIFY(
            fenetre->barre_etat()->currentMessage().contains(QStringLiteral("Fiche client")));
        QVERIFY(fenetre->barre_etat()->currentMessage().startsWith(
            QStringLiteral("Dossier enregistré")));
    }

    void dossier_hors_repertoire_non_note() {
        calculer_exemple(*fenetre);
        QVERIFY(exporter(dossier->filePath(QStringLiteral("dossier.pdf"))));
        QVERIFY(!std::filesystem::exists(kalder::fichier_clients(dossier_donnees())));
    }

    // "Supprimer…" then asks about the client record: "Non" keeps it, "Oui"
    // erases it; without a record nothing more is asked.
    void suppression_propose_d_effacer_la_fiche() {
        const kalder::Personne anne{"Dupont", "Anne", "15", "7", "1975"};
        const kalder::Personne paul{"Martin", "Paul", "3", "4", "1980"};
        const struct {
            kalder::Personne personne;
            bool fiche;
            QMessageBox::StandardButton reponse;
            int boites;
            bool fiche_apres;
        } cas[] = {{anne, true, QMessageBox::No, 2, true},
                   {anne, true, QMessageBox::Yes, 2, false},
                   {paul, false, QMessageBox::Yes, 1, false}};
        for (const auto& c : cas) {
            ecrire_repertoire("\"Dupont\",\"Anne\",\"15\",\"7\",\"1975\"\r\n"
                              "\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n");
            if (c.fiche)
                QVERIFY(!kalder::BaseClients(dossier_donnees())
                             .ajouter_note(c.personne, "2026-01-01 10:00", "note"));
            kalder::ui::oublier_messages();
            reponse_suivante(QMessageBox::Yes);
            reponse_suivante(c.reponse);
            QVERIFY(pendant_dialogue<DialogueOuvrir>(
                [&] { commande(*fenetre, QStringLiteral("m_ouvrir")); },
                [&](DialogueOuvrir& d) {
                    auto* liste = d.findChild<QListView*>(QStringLiteral("liste_personnes"));
                    const int rang = c.personne.nom == "Dupont" ? 0 : 1;
                    liste->setCurrentIndex(liste->model()->index(rang, 0));
                    d.supprimer_selection();
                    d.reject();
                }));
            QCOMPARE(kalder::ui::nombre_messages_montres(), c.boites);
            if (c.fiche)
                QVERIFY(kalder::ui::dernier_message()->texte.contains(
                    QStringLiteral("La fiche client de «\u00a0Anne Dupont\u00a0»")));
            kalder::BaseClients base(dossier_donnees());
            QCOMPARE(static_cast<bool>(base.lire(c.personne).valeur), c.fiche_apres);
        }
    }

    // A day found with the client, noted in their record.
    void jour_choisi_note() {
        ecrire_repertoire("\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n");
        calculer_exemple(*fenetre);
        commande(*fenetre, QStringLiteral("m_trouver_jour"));
        auto* t = fenetre->findChild<kalder::ui::FenetreTrouverJour*>();
        QVERIFY(t);
        t->findChild<QDateEdit*>(QStringLiteral("trouver_du"))->setDate(QDate(2027, 3, 1));
        t->findChild<QDateEdit*>(QStringLiteral("trouver_au"))->setDate(QDate(2027, 3, 31));
        t->chercher();
        QVERIFY(!t->trouves().empty());
        t->noter(0, QStringLiteral(" la signature "));
        kalder::BaseClients base(dossier_donnees());
        const auto fiche = base.lire({"Dupont", "Anne-Marie", "15", "7", "1975"}).valeur;
        QVERIFY(fiche);
        QCOMPARE(fiche->notes.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(fiche->notes[0].texte),
                 QString::fromStdString(
                     kalder::note_jour_choisi("la signature", t->trouves()[0].date, 1)));
    }

    // The directory and the records saved in one file, then brought back
    // into an emptied folder; a file that is no backup changes nothing.
    void donnees_sauvegardees_puis_restaurees() {
        ecrire_repertoire("\"Dupont\",\"Anne\",\"15\",\"7\",\"1975\"\r\n"
                          "\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n");
        const kalder::Personne anne{"Dupont", "Anne", "15", "7", "1975"};
        QVERIFY(!kalder::BaseClients(dossier_donnees())
                     .ajouter_note(anne, "2026-01-01 10:00", "Première venue"));
        QTemporaryDir ailleurs;
        const QString sauvegarde = ailleurs.filePath(QStringLiteral("tout.json"));
        const QString autre = ailleurs.filePath(QStringLiteral("autre.json"));
        QFile f(autre);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\"pas\": 1}");
        f.close();
        QString choisi = sauvegarde;
        kalder::ui::definir_choix_donnees([&](QWidget*, bool) { return choisi; });
        commande(*fenetre, QStringLiteral("m_sauvegarder_donnees"));
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
        QVERIFY(fenetre->barre_etat()->currentMessage().contains(QStringLiteral("(2 fiches)")));
        for (const char* nom :
             {"Kalderrep.txt", "Kalder.sqlite", "Kalder.sqlite-wal", "Kalder.sqlite-shm"})
            QFile::remove(dossier->filePath(QString::fromLatin1(nom)));

        choisi = autre;
        commande(*fenetre, QStringLiteral("m_restaurer_donnees"));
        QVERIFY(kalder::ui::dernier_message());
        QVERIFY(
            kalder::ui::dernier_message()->texte.contains(QStringLiteral("n'a pas été importé")));
        QVERIFY(!QFile::exists(dossier->filePath(QStringLiteral("Kalderrep.txt"))));

        choisi = sauvegarde;
        commande(*fenetre, QStringLiteral("m_restaurer_donnees"));
        QCOMPARE(kalder::ui::dernier_message()->icone, QMessageBox::Information);
        QVERIFY(kalder::ui::dernier_message()->texte.contains(
            QStringLiteral("2 fiches créées, 0 fiche complétée, 1 note ajoutée, 0 consultation "
                           "ajoutée, 2 personnes ajoutées au répertoire")));
        const auto fiche = kalder::BaseClients(dossier_donnees()).lire(anne).valeur;
        QVERIFY(fiche);
        QCOMPARE(fiche->notes.size(), std::size_t{1});
        QCOMPARE(kalder::personnes_du_repertoire(dossier_donnees()).size(), std::size_t{2});
        // Again: nothing new, nothing doubled.
        commande(*fenetre, QStringLiteral("m_restaurer_donnees"));
        QVERIFY(kalder::ui::dernier_message()->texte.contains(QStringLiteral("0 fiche créée")));
        QCOMPARE(kalder::personnes_du_repertoire(dossier_donnees()).size(), std::size_t{2});
    }

  private:
    bool exporter(const QString& cible) {
        kalder::ui::definir_choix_fichier([cible](QWidget*, const QString&) { return cible; });
        return pendant_dialogue<kalder::ui::DialogueDossier>(
            [&] { commande(*fenetre, QStringLiteral("m_exporter_dossier")); },
            [](kalder::ui::DialogueDossier& d) { d.accept(); });
    }
    void ecrire_repertoire(const QByteArray& octets) {
        QFile f(dossier->filePath(QStringLiteral("Kalderrep.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    std::filesystem::path dossier_donnees() {
        return std::filesystem::path(dossier->path().toStdString());
    }
    std::unique_ptr<QTemporaryDir> dossier;
};

QTEST_MAIN(TestFicheClient)
#include "fiche_client_test.moc"
