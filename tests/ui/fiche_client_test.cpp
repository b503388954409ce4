// "Fiche client…" and "Clients…" against a client file in a temporary data folder.
#include "banc_fenetre.hpp"

#include "clients/base_clients.hpp"
#include "ui/boites_message.hpp"
#include "ui/fiche_client.hpp"
#include "ui/modele_clients.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace outils;
using kalder::ui::DialogueClients;
using kalder::ui::DialogueFicheClient;

class TestFicheClient : public BancFenetre {
    Q_OBJECT

  private slots:
    void init() {
        BancFenetre::init();
        dossier = std::make_unique<QTemporaryDir>();
        donner_dossier(*fenetre, *dossier);
        kalder::ui::repondre_automatiquement(true);
        kalder::ui::oublier_messages();
    }
    void cleanup() {
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
                QCOMPARE(d.windowTitle(), QStringLiteral("Fiche client de Anne Dupont"));
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
                d.findChild<QLineEdit*>(QStringLiteral("recherche_clients"))
                    ->setText(QStringLiteral("DEMENAGEMENT"));
                QCOMPARE(d.modele()->rowCount(), 1);
                QCOMPARE(d.modele()->index(0, 2).data().toString(), QStringLiteral("3/4/1980"));
                QCOMPARE(d.modele()->index(0, 5).data().toString(), QStringLiteral("1"));
                bouton(d, QStringLiteral("bouton_ouvrir_client"))->click();
            }));
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_nom"))->text(), QStringLiteral("Martin"));
        QCOMPARE(champ(*fenetre, QStringLiteral("champ_annee"))->text(), QStringLiteral("1980"));
    }

  private:
    std::filesystem::path dossier_donnees() {
        return std::filesystem::path(dossier->path().toStdString());
    }
    std::unique_ptr<QTemporaryDir> dossier;
};

QTEST_MAIN(TestFicheClient)
#include "fiche_client_test.moc"
