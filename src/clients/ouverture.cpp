#include "clients/acces.hpp"
#include "clients/schema.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "systeme/chemins.hpp"
#include "systeme/fichiers_systeme.hpp"

#include <sqlite3.h>

#include <chrono>
#include <new>
#include <system_error>
#include <thread>

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::string nom_affiche(const fs::path& chemin) {
    return "«\u00a0" + utf8_du_chemin(chemin) + "\u00a0»";
}

bool endommage(int code) {
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

struct FichierEndommage {};

// A free name beside the file: "Kalder.sqlite.endommagé-1", -2… The file and
// its journal files move together; nothing is overwritten.
std::optional<fs::path> mettre_de_cote(const fs::path& chemin) {
    std::error_code ec;
    for (int n = 1; n < 1000; ++n) {
        fs::path cote = chemin;
        cote += chemin_utf8(".endommagé-" + std::to_string(n));
        bool libre = true;
        for (const char* suffixe : {"", "-wal", "-shm"})
            if (fs::exists(fs::path(cote) += suffixe, ec) || ec)
                libre = false;
        if (!libre)
            continue;
        fs::rename(chemin, cote, ec);
        if (ec)
            return std::nullopt;
        for (const char* suffixe : {"-wal", "-shm"})
            if (fs::exists(fs::path(chemin) += suffixe, ec))
                fs::rename(fs::path(chemin) += suffixe, fs::path(cote) += suffixe, ec);
        return cote;
    }
    return std::nullopt;
}

// The mark of an erasure whose copy in the journal is still to be removed.
fs::path marque_effacement(const fs::path& chemin) {
    return fs::path(chemin) += "-effacement";
}

} // namespace

// The journal still holds the pages as they were before an erasure: copy
// the new ones into the file and empty it. A program reading the file keeps
// them until it is done; the erasure is then marked as unfinished, and ended
// at the next opening.
bool vider_journal(const sqlite::Connexion& base, const fs::path& chemin, int attente_ms) {
    bool vide = false;
    try {
        base.executer(("PRAGMA busy_timeout = " + std::to_string(attente_ms)).c_str());
        sqlite::Requete point(base, "PRAGMA wal_checkpoint(TRUNCATE)");
        vide = point.ligne() && point.entier(0) == 0;
        point.reinitialiser();
    } catch (const sqlite::Erreur&) {
    } catch (const std::bad_alloc&) {
    }
    try {
        base.executer("PRAGMA busy_timeout = 10000");
    } catch (const sqlite::Erreur&) {
    }
    std::error_code ec;
    if (vide) {
        fs::remove(marque_effacement(chemin), ec);
    } else {
        const auto p = systeme::creer_fichier_prive(
            marque_effacement(chemin),
            static_cast<unsigned>(fs::perms::owner_read | fs::perms::owner_write), ec);
        if (p != systeme::sans_poignee)
            systeme::fermer(p);
    }
    return vide;
}

// While another program creates the file or switches its journal, SQLite
// answers "busy" at once, without its timeout: the opening is tried again.
void BaseClients::ouvrir_patiemment() {
    using namespace std::chrono;
    const auto fin = steady_clock::now() + seconds(10);
    for (;;) {
        try {
            ouvrir(true);
            return;
        } catch (const sqlite::Erreur& e) {
            if (steady_clock::now() >= fin) {
                raison_ = "Le fichier des clients " + nom_affiche(chemin_) +
                          " n'a pas pu être ouvert\u00a0: " + sqlite::raison(e) + ".";
                return;
            }
            std::this_thread::sleep_for(milliseconds(20));
        }
    }
}

BaseClients::BaseClients(const fs::path& dossier) : chemin_(fichier_clients(dossier)) {
    try {
        ouvrir_patiemment();
    } catch (const FichierEndommage&) {
        base_ = sqlite::Connexion();
        const auto cote = mettre_de_cote(chemin_);
        if (!cote) {
            raison_ = "Le fichier des clients " + nom_affiche(chemin_) +
                      " est endommagé et n'a pas pu être mis de côté.";
            return;
        }
        avis_ = "Le fichier des clients était endommagé\u00a0: il a été mis de côté sous le nom " +
                nom_affiche(*cote) + " et un nouveau fichier a été commencé.";
        try {
            ouvrir_patiemment();
        } catch (const FichierEndommage&) {
            base_ = sqlite::Connexion();
            raison_ = "Le fichier des clients " + nom_affiche(chemin_) + " est endommagé.";
        }
    }
}

// Why the file must not be opened: a link another user planted (SQLite would
// follow it), a journal file that is a link, something other than a file.
// `reel` is the file itself, links resolved.
Refus BaseClients::refus_chemin(fs::path& reel) const {
    const std::string prefixe =
        "Le fichier des clients " + nom_affiche(chemin_) + " n'a pas pu être ouvert\u00a0: ";
    if (auto echec = suivre_liens_surs(chemin_, reel))
        return prefixe + expliquer_echec(*echec) + ".";
    for (const char* suffixe : {"-wal", "-shm"}) {
        systeme::EtatFichier journal;
        const fs::path chemin = fs::path(reel) += suffixe;
        if (!systeme::etat_sans_suivre(chemin, journal) &&
            journal.genre != systeme::Genre::absent && journal.genre != systeme::Genre::ordinaire)
            return prefixe + nom_affiche(chemin) +
                   " n'est pas un fichier ordinaire\u00a0; Kalder n'y touche pas.";
    }
    std::error_code ec;
    const auto etat = fs::status(reel, ec);
    if (fs::exists(etat) && !fs::is_regular_file(etat))
        return "Le fichier des clients " + nom_affiche(chemin_) +
               " n'est pas un fichier ordinaire.";
    return std::nullopt;
}

void BaseClients::ouvrir(bool creer) {
    fs::path reel;
    if (auto refus = refus_chemin(reel)) {
        raison_ = *refus;
        return;
    }
    std::error_code ec;
    const bool existait = fs::exists(reel, ec);
    try {
        try {
            // Made private from the start: no one else may open it meanwhile.
            if (!existait && creer) {
                const auto p = systeme::creer_fichier_prive(
                    reel, static_cast<unsigned>(fs::perms::owner_read | fs::perms::owner_write),
                    ec);
                if (p != systeme::sans_poignee)
                    systeme::fermer(p);
            }
            base_ = sqlite::Connexion(utf8_du_chemin(reel), false);
            base_.executer("PRAGMA busy_timeout = 10000");
            if (!version_lisible())
                return;
            base_.executer("PRAGMA foreign_keys = ON; PRAGMA secure_delete = ON;"
                           "PRAGMA journal_mode = WAL;");
        } catch (const sqlite::Erreur& e) {
            const bool disque = e.code() == SQLITE_IOERR || e.code() == SQLITE_FULL;
            if (endommage(e.code()) ||
                (e.code() != SQLITE_READONLY && e.code() != SQLITE_PERM &&
                 e.code() != SQLITE_CANTOPEN && !disque) ||
                !existait)
                throw;
            // A read-only disk, file or folder, or a full disk: the records
            // can still be shown. Without a journal beside the file no
            // program is writing it (one would need the folder and the disk
            // this one lacks): it is read as it lies, without the index file
            // (-shm) that could not be made.
            std::error_code ec_journal;
            const bool sans_journal =
                !fs::exists(fs::path(reel) += "-wal", ec_journal) && !ec_journal;
            base_ = sqlite::Connexion(utf8_du_chemin(reel), false, true, sans_journal);
            base_.executer("PRAGMA busy_timeout = 10000");
            lecture_seule_ = true;
            raison_ = "Le fichier des clients " + nom_affiche(chemin_) +
                      (disque ? " ne peut être que lu (" + sqlite::raison(e) + ")"
                              : std::string(" est en lecture seule")) +
                      "\u00a0: rien ne peut y être enregistré.";
            if (!version_lisible())
                return;
        }
        // Only an answer read whole and other than "ok" reports damage: a
        // failure to read it (memory, disk) is thrown as what it is.
        {
            sqlite::Requete verification(base_, "PRAGMA quick_check");
            if (!verification.ligne() || verification.texte(0) != "ok")
                throw FichierEndommage{};
        }
        if (schema::version(base_) < schema::version_courante()) {
            if (lecture_seule_) {
                base_ = sqlite::Connexion();
                raison_ =
                    "Le fichier des clients " + nom_affiche(chemin_) +
                    " vient d'une version plus ancienne et ne peut pas être mis à jour\u00a0: "
                    "il est en lecture seule.";
                return;
            }
            schema::migrer(base_);
        }
        if (!lecture_seule_) {
            completer_cles_tri(base_);
            std::error_code ec_marque;
            if (fs::exists(marque_effacement(chemin_), ec_marque))
                vider_journal(base_, chemin_, 0);
        }
    } catch (const sqlite::Erreur& e) {
        if (endommage(e.code()))
            throw FichierEndommage{};
        base_ = sqlite::Connexion();
        lecture_seule_ = false;
        if (e.code() == SQLITE_BUSY || e.code() == SQLITE_LOCKED)
            throw; // another program is creating or recovering the file
        raison_ = "Le fichier des clients " + nom_affiche(chemin_) +
                  " n'a pas pu être ouvert\u00a0: " + sqlite::raison(e) + ".";
    } catch (const std::bad_alloc&) {
        base_ = sqlite::Connexion();
        raison_ = "Le fichier des clients n'a pas pu être ouvert\u00a0: la mémoire a manqué.";
    }
}

// Read from the header before anything else, which a newer program's
// schema could make unreadable here. A negative version is no Kalder's:
// the header is damaged.
bool BaseClients::version_lisible() {
    const int version = schema::version(base_);
    if (version < 0)
        throw FichierEndommage{};
    if (version <= schema::version_courante())
        return true;
    base_ = sqlite::Connexion();
    lecture_seule_ = false;
    raison_ = "Le fichier des clients " + nom_affiche(chemin_) +
              " vient d'une version plus récente de Kalder\u00a0: il n'est ni lu ni modifié.";
    return false;
}

Refus BaseClients::refus_ecriture() const {
    if (!base_ || lecture_seule_)
        return raison_;
    return std::nullopt;
}

Personne identite_client(const Personne& p) {
    return personne_saisie(p.nom, p.prenoms, p.jour, p.mois, p.annee);
}

} // namespace kalder
