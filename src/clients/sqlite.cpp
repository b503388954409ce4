#include "clients/sqlite.hpp"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <dlfcn.h>
#include <new>
#include <utility>

namespace kalder::sqlite {

namespace {

struct Raison {
    int code;
    const char* texte;
};

constexpr std::array raisons{
    Raison{SQLITE_BUSY, "il est occupé par un autre programme depuis trop longtemps"},
    Raison{SQLITE_LOCKED, "il est occupé par un autre programme depuis trop longtemps"},
    Raison{SQLITE_READONLY, "il est en lecture seule"},
    Raison{SQLITE_PERM, "l'accès est refusé"},
    Raison{SQLITE_CANTOPEN, "son dossier est introuvable ou interdit d'accès"},
    Raison{SQLITE_FULL, "le disque est plein"},
    Raison{SQLITE_IOERR, "le disque a signalé une erreur"},
    Raison{SQLITE_CORRUPT, "il est endommagé"},
    Raison{SQLITE_NOTADB, "ce n'est pas un fichier de clients"},
    Raison{SQLITE_NOMEM, "la mémoire a manqué"},
    Raison{SQLITE_TOOBIG, "le texte est trop long"},
    Raison{SQLITE_AUTH, "l'accès est refusé"},
};

// SQLite is loaded when the client file is first opened, not with the
// program: the window starts without it.
struct Fonctions {
    decltype(&::sqlite3_open_v2) open_v2 = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_errstr) errstr = nullptr;
    decltype(&::sqlite3_close_v2) close_v2 = nullptr;
    decltype(&::sqlite3_exec) exec = nullptr;
    decltype(&::sqlite3_last_insert_rowid) last_insert_rowid = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
    decltype(&::sqlite3_bind_text64) bind_text64 = nullptr;
    decltype(&::sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_column_text) column_text = nullptr;
    decltype(&::sqlite3_column_bytes) column_bytes = nullptr;
    decltype(&::sqlite3_column_int64) column_int64 = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_clear_bindings) clear_bindings = nullptr;
    decltype(&::sqlite3_errcode) errcode = nullptr;
    decltype(&::sqlite3_system_errno) system_errno = nullptr;
};

template <typename F> bool charger_dans(void* bibliotheque, F& f, const char* nom) {
    f = reinterpret_cast<F>(::dlsym(bibliotheque, nom));
    return f != nullptr;
}

// The functions, nullptr when the library cannot be loaded.
const Fonctions* fonctions() {
    static const Fonctions* const chargees = []() -> const Fonctions* {
        void* bibliotheque = ::dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!bibliotheque)
            return nullptr;
        static Fonctions f;
        const auto charger = [&](auto& pointeur, const char* nom) {
            return charger_dans(bibliotheque, pointeur, nom);
        };
        if (charger(f.open_v2, "sqlite3_open_v2") && charger(f.errmsg, "sqlite3_errmsg") &&
            charger(f.errstr, "sqlite3_errstr") && charger(f.close_v2, "sqlite3_close_v2") &&
            charger(f.exec, "sqlite3_exec") &&
            charger(f.last_insert_rowid, "sqlite3_last_insert_rowid") &&
            charger(f.prepare_v2, "sqlite3_prepare_v2") &&
            charger(f.finalize, "sqlite3_finalize") &&
            charger(f.bind_text64, "sqlite3_bind_text64") &&
            charger(f.bind_int64, "sqlite3_bind_int64") && charger(f.step, "sqlite3_step") &&
            charger(f.column_text, "sqlite3_column_text") &&
            charger(f.column_bytes, "sqlite3_column_bytes") &&
            charger(f.column_int64, "sqlite3_column_int64") && charger(f.reset, "sqlite3_reset") &&
            charger(f.clear_bindings, "sqlite3_clear_bindings") &&
            charger(f.errcode, "sqlite3_errcode") &&
            charger(f.system_errno, "sqlite3_system_errno"))
            return &f;
        return nullptr;
    }();
    return chargees;
}

// Only reached once a connection is open, which needed the library.
const Fonctions& sqlite_charge() {
    return *fonctions();
}

constexpr int bibliotheque_absente = -1;

} // namespace

std::string raison(const Erreur& erreur) {
    if (erreur.erreur_systeme() == ENOSPC)
        return raison(SQLITE_FULL);
    return raison(erreur.code());
}

std::string raison(int code) {
    if (code == bibliotheque_absente)
        return "la bibliothèque SQLite n'a pas pu être chargée";
    for (const Raison& r : raisons)
        if (r.code == (code & 0xFF))
            return r.texte;
    return "erreur " + std::to_string(code);
}

Connexion::Connexion(const std::string& chemin_utf8, bool creer, bool lecture_seule,
                     bool immuable) {
    if (!fonctions())
        throw Erreur(bibliotheque_absente, "libsqlite3.so.0");
    sqlite3* base = nullptr;
    const int drapeaux = (lecture_seule ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                         (creer && !lecture_seule ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX |
                         SQLITE_OPEN_EXRESCODE | SQLITE_OPEN_NOFOLLOW |
                         (immuable ? SQLITE_OPEN_URI : 0);
    std::string nom = chemin_utf8;
    if (immuable) {
        // As a URI: every byte but the plainest ones escaped.
        nom = "file:";
        for (const char c : chemin_utf8) {
            const auto o = static_cast<unsigned char>(c);
            if (std::isalnum(o) || c == '/' || c == '.' || c == '-' || c == '_')
                nom += c;
            else {
                constexpr char hexa[] = "0123456789ABCDEF";
                nom += {'%', hexa[o >> 4], hexa[o & 0xF]};
            }
        }
        nom += "?immutable=1";
    }
    const int code = sqlite_charge().open_v2(nom.c_str(), &base, drapeaux, nullptr);
    base_.reset(base);
    if (code != SQLITE_OK)
        throw Erreur(code, base ? sqlite_charge().errmsg(base) : sqlite_charge().errstr(code),
                     base ? sqlite_charge().system_errno(base) : 0);
}

void Connexion::Fermer::operator()(sqlite3* base) const {
    sqlite_charge().close_v2(base);
}

void Connexion::verifier(int code) const {
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE)
        throw Erreur(code, sqlite_charge().errmsg(base_.get()),
                     sqlite_charge().system_errno(base_.get()));
}

void Connexion::executer(const char* sql) const {
    verifier(sqlite_charge().exec(base_.get(), sql, nullptr, nullptr, nullptr));
}

std::int64_t Connexion::dernier_id() const {
    return sqlite_charge().last_insert_rowid(base_.get());
}

Requete::Requete(const Connexion& base, std::string_view sql) : base_(&base) {
    sqlite3_stmt* requete = nullptr;
    base.verifier(sqlite_charge().prepare_v2(base.get(), sql.data(), static_cast<int>(sql.size()),
                                             &requete, nullptr));
    requete_.reset(requete);
}

void Requete::Finaliser::operator()(sqlite3_stmt* requete) const {
    sqlite_charge().finalize(requete);
}

Requete& Requete::lier(int indice, std::string_view texte) {
    base_->verifier(sqlite_charge().bind_text64(requete_.get(), indice, texte.data(), texte.size(),
                                                SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

Requete& Requete::lier(int indice, std::int64_t valeur) {
    base_->verifier(sqlite_charge().bind_int64(requete_.get(), indice, valeur));
    return *this;
}

bool Requete::ligne() {
    const int code = sqlite_charge().step(requete_.get());
    base_->verifier(code);
    return code == SQLITE_ROW;
}

void Requete::executer() {
    while (ligne()) {
    }
}

std::string Requete::texte(int colonne) const {
    const auto* octets =
        reinterpret_cast<const char*>(sqlite_charge().column_text(requete_.get(), colonne));
    const int taille = sqlite_charge().column_bytes(requete_.get(), colonne);
    // A NULL answer is an empty text, unless making it ran out of memory.
    if (!octets && sqlite_charge().errcode(base_->get()) == SQLITE_NOMEM)
        throw std::bad_alloc();
    return octets ? std::string(octets, static_cast<std::size_t>(taille)) : std::string();
}

std::int64_t Requete::entier(int colonne) const {
    return sqlite_charge().column_int64(requete_.get(), colonne);
}

void Requete::reinitialiser() {
    sqlite_charge().reset(requete_.get());
    sqlite_charge().clear_bindings(requete_.get());
}

Transaction::Transaction(const Connexion& base) : base_(base) {
    base_.executer("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!finie_)
        sqlite_charge().exec(base_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::valider() {
    base_.executer("COMMIT");
    finie_ = true;
}

} // namespace kalder::sqlite
