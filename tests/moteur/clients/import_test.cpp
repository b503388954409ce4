// The import merges by identity: entries of one person make one record, and
// a change committed by another program while it runs is never lost.
#include "clients/base_clients.hpp"
#include "outils_repertoire.hpp"
#include "systeme/chemins.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace kalder {
namespace {

using namespace essai;

TEST(ClientsImport, EntreesDUneIdentiteFusionnees) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    Fiche a, b;
    a.personne = {"Martin", "Paul", "3", "4", "1980"};
    a.contact = {"0611", "", ""};
    a.tags = {"fidèle"};
    a.notes = {{0, "2026-01-01 10:00", "Première"}};
    b.personne = {"Martin ", " Paul", "3", "4", "1980"};
    b.contact = {"0799", "paul@exemple.fr", ""};
    b.tags = {"annuel"};
    b.variantes = {{"Paolo", "Martin"}};
    b.notes = {{0, "2026-01-01 10:00", "Première"}, {0, "2026-02-01 10:00", "Seconde"}};
    const auto bilan = base.importer({a, b});
    ASSERT_FALSE(bilan.erreur) << *bilan.erreur;
    EXPECT_EQ(bilan.valeur.fiches_creees, 1u);
    EXPECT_EQ(bilan.valeur.notes_ajoutees, 2u);
    const auto lu = base.lire(a.personne).valeur;
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu->contact, (Contact{"0611", "paul@exemple.fr", ""}));
    EXPECT_EQ(lu->tags, (std::vector<std::string>{"fidèle", "annuel"}));
    EXPECT_EQ(lu->variantes.size(), 1u);
    EXPECT_EQ(lu->notes.size(), 2u);
    EXPECT_EQ(base.lister().valeur.size(), 1u);
}

// The system's file access with its pauses announced: a program waiting for
// the write lock sleeps through it, and the test learns when that happens.
struct AttenteAnnoncee {
    static inline sqlite3_vfs* systeme = nullptr;
    static inline sqlite3_vfs enveloppe{};
    static inline std::mutex verrou;
    static inline std::condition_variable signal;
    static inline bool en_attente = false;

    AttenteAnnoncee() {
        systeme = sqlite3_vfs_find(nullptr);
        enveloppe = *systeme;
        enveloppe.zName = "kalder-attente-annoncee";
        enveloppe.xSleep = [](sqlite3_vfs*, int micro) {
            {
                const std::lock_guard garde(verrou);
                en_attente = true;
            }
            signal.notify_all();
            return systeme->xSleep(systeme, micro);
        };
        sqlite3_vfs_register(&enveloppe, 1);
    }
    ~AttenteAnnoncee() {
        sqlite3_vfs_unregister(&enveloppe);
        sqlite3_vfs_register(systeme, 1);
    }
    void attendre() {
        std::unique_lock garde(verrou);
        signal.wait(garde, [] { return en_attente; });
    }
};

TEST(ClientsImport, ChangementConcurrentGarde) {
    DossierTemporaire dossier;
    const Personne paul{"Martin", "Paul", "3", "4", "1980"};
    Fiche venue;
    venue.personne = paul;
    venue.tags = {"importé"};
    {
        BaseClients base(dossier.chemin());
        ASSERT_FALSE(base.ajouter_note(paul, "2026-01-01 10:00", "Première"));
    }
    AttenteAnnoncee attente;
    BaseClients importeur(dossier.chemin());
    // The window saves the record: its write lock taken, not yet committed.
    sqlite::Connexion fenetre(utf8_du_chemin(fichier_clients(dossier.chemin())), false);
    fenetre.executer("BEGIN IMMEDIATE; UPDATE clients SET telephone = '0611';");
    Reponse<BilanImport> bilan;
    std::thread import([&] { bilan = importeur.importer({venue}); });
    attente.attendre();
    fenetre.executer("COMMIT");
    import.join();
    ASSERT_FALSE(bilan.erreur) << *bilan.erreur;
    const auto lu = importeur.lire(paul).valeur;
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu->contact.telephone, "0611");
    EXPECT_EQ(lu->tags, std::vector<std::string>{"importé"});
}

} // namespace
} // namespace kalder
