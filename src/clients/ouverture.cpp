#include "clients/base_clients.hpp"
#include "clients/schema.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "systeme/chemins.hpp"

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

} // namespace

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
                          " n'a pas pu être ouvert\u00a0: " + sqlite::raison(e.code()) + ".";
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

void BaseClients::ouvrir(bool creer) {
    std::error_code ec;
    const auto etat = fs::status(chemin_, ec);
    const bool existait = fs::exists(etat);
    if (existait && !fs::is_regular_file(etat)) {
        raison_ =
            "Le fichier des clients " + nom_affiche(chemin_) + " n'est pas un fichier ordinaire.";
        return;
    }
    try {
        try {
            base_ = sqlite::Connexion(utf8_du_chemin(chemin_), creer);
            if (!existait)
                fs::permissions(chemin_, fs::perms::owner_read | fs::perms::owner_write,
                                fs::perm_options::replace, ec);
            base_.executer("PRAGMA busy_timeout = 10000; PRAGMA foreign_keys = ON;"
                           "PRAGMA secure_delete = ON; PRAGMA journal_mode = WAL;");
        } catch (const sqlite::Erreur& e) {
            if (endommage(e.code()) ||
                (e.code() != SQLITE_READONLY && e.code() != SQLITE_PERM &&
                 e.code() != SQLITE_CANTOPEN) ||
                !existait)
                throw;
            // A read-only disk or file: the records can still be shown.
            base_ = sqlite::Connexion(utf8_du_chemin(chemin_), false, true);
            base_.executer("PRAGMA busy_timeout = 10000");
            lecture_seule_ = true;
            raison_ = "Le fichier des clients " + nom_affiche(chemin_) +
                      " est en lecture seule\u00a0: rien ne peut y être enregistré.";
        }
        sqlite::Requete verification(base_, "PRAGMA quick_check");
        if (!verification.ligne() || verification.texte(0) != "ok")
            throw FichierEndommage{};
        const int version = schema::version(base_);
        if (version > schema::version_courante()) {
            base_ = sqlite::Connexion();
            raison_ =
                "Le fichier des clients " + nom_affiche(chemin_) +
                " vient d'une version plus récente de Kalder\u00a0: il n'est ni lu ni modifié.";
            return;
        }
        if (version < schema::version_courante()) {
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
    } catch (const sqlite::Erreur& e) {
        if (endommage(e.code()))
            throw FichierEndommage{};
        base_ = sqlite::Connexion();
        lecture_seule_ = false;
        if (e.code() == SQLITE_BUSY || e.code() == SQLITE_LOCKED)
            throw; // another program is creating or recovering the file
        raison_ = "Le fichier des clients " + nom_affiche(chemin_) +
                  " n'a pas pu être ouvert\u00a0: " + sqlite::raison(e.code()) + ".";
    } catch (const std::bad_alloc&) {
        base_ = sqlite::Connexion();
        raison_ = "Le fichier des clients n'a pas pu être ouvert\u00a0: la mémoire a manqué.";
    }
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
