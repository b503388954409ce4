#include "clients/sqlite.hpp"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <cerrno>
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

} // namespace

std::string raison(const Erreur& erreur) {
    if (erreur.erreur_systeme() == ENOSPC)
        return raison(SQLITE_FULL);
    return raison(erreur.code());
}

std::string raison(int code) {
    for (const Raison& r : raisons)
        if (r.code == (code & 0xFF))
            return r.texte;
    return "erreur " + std::to_string(code);
}

Connexion::Connexion(const std::string& chemin_utf8, bool creer, bool lecture_seule,
                     bool immuable) {
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
    const int code = sqlite3_open_v2(nom.c_str(), &base, drapeaux, nullptr);
    base_.reset(base);
    if (code != SQLITE_OK)
        throw Erreur(code, base ? sqlite3_errmsg(base) : sqlite3_errstr(code),
                     base ? sqlite3_system_errno(base) : 0);
}

void Connexion::Fermer::operator()(sqlite3* base) const {
    sqlite3_close_v2(base);
}

void Connexion::verifier(int code) const {
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE)
        throw Erreur(code, sqlite3_errmsg(base_.get()), sqlite3_system_errno(base_.get()));
}

void Connexion::executer(const char* sql) const {
    verifier(sqlite3_exec(base_.get(), sql, nullptr, nullptr, nullptr));
}

std::int64_t Connexion::dernier_id() const {
    return sqlite3_last_insert_rowid(base_.get());
}

Requete::Requete(const Connexion& base, std::string_view sql) : base_(&base) {
    sqlite3_stmt* requete = nullptr;
    base.verifier(sqlite3_prepare_v2(base.get(), sql.data(), static_cast<int>(sql.size()), &requete,
                                     nullptr));
    requete_.reset(requete);
}

void Requete::Finaliser::operator()(sqlite3_stmt* requete) const {
    sqlite3_finalize(requete);
}

Requete& Requete::lier(int indice, std::string_view texte) {
    base_->verifier(sqlite3_bind_text64(requete_.get(), indice, texte.data(), texte.size(),
                                        SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

Requete& Requete::lier(int indice, std::int64_t valeur) {
    base_->verifier(sqlite3_bind_int64(requete_.get(), indice, valeur));
    return *this;
}

bool Requete::ligne() {
    const int code = sqlite3_step(requete_.get());
    base_->verifier(code);
    return code == SQLITE_ROW;
}

void Requete::executer() {
    while (ligne()) {
    }
}

std::string Requete::texte(int colonne) const {
    const auto* octets =
        reinterpret_cast<const char*>(sqlite3_column_text(requete_.get(), colonne));
    const int taille = sqlite3_column_bytes(requete_.get(), colonne);
    // A NULL answer is an empty text, unless making it ran out of memory.
    if (!octets && sqlite3_errcode(base_->get()) == SQLITE_NOMEM)
        throw std::bad_alloc();
    return octets ? std::string(octets, static_cast<std::size_t>(taille)) : std::string();
}

std::int64_t Requete::entier(int colonne) const {
    return sqlite3_column_int64(requete_.get(), colonne);
}

void Requete::reinitialiser() {
    sqlite3_reset(requete_.get());
    sqlite3_clear_bindings(requete_.get());
}

Transaction::Transaction(const Connexion& base) : base_(base) {
    base_.executer("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!finie_)
        sqlite3_exec(base_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::valider() {
    base_.executer("COMMIT");
    finie_ = true;
}

} // namespace kalder::sqlite
