#pragma once
// A thin layer over SQLite's C API: a connection and a prepared statement that
// close themselves, and every failure thrown as one exception type.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kalder::sqlite {

class Erreur : public std::runtime_error {
  public:
    Erreur(int code, const std::string& detail, int erreur_systeme = 0)
        : std::runtime_error(detail), code_(code), erreur_systeme_(erreur_systeme) {}
    // SQLite's primary result code (SQLITE_BUSY, SQLITE_CORRUPT…).
    int code() const { return code_ & 0xFF; }
    // The system's errno behind a failed file operation, 0 when none.
    int erreur_systeme() const { return erreur_systeme_; }

  private:
    int code_;
    int erreur_systeme_;
};

// Why SQLite failed, in French, for a message to the user.
std::string raison(int code);
// The same, a full disk told apart from other disk errors.
std::string raison(const Erreur& erreur);

class Connexion {
  public:
    Connexion() = default;
    // Throws Erreur when the file cannot be opened (`creer`: made when missing);
    // a link is never followed. `immuable`: read as it lies, with no index
    // file beside it (-shm), for a file no program can be writing.
    Connexion(const std::string& chemin_utf8, bool creer, bool lecture_seule = false,
              bool immuable = false);
    sqlite3* get() const { return base_.get(); }
    explicit operator bool() const { return base_ != nullptr; }
    // Runs one or more statements without parameters.
    void executer(const char* sql) const;
    std::int64_t dernier_id() const;
    // Throws Erreur for a code other than SQLITE_OK, SQLITE_ROW and SQLITE_DONE.
    void verifier(int code) const;

  private:
    struct Fermer {
        void operator()(sqlite3* base) const;
    };
    std::unique_ptr<sqlite3, Fermer> base_;
};

class Requete {
  public:
    Requete(const Connexion& base, std::string_view sql);
    // Parameters counted from 1; the text is bound with its length, NUL bytes included.
    Requete& lier(int indice, std::string_view texte);
    Requete& lier(int indice, std::int64_t valeur);
    // One step: true while a row is there.
    bool ligne();
    // Runs a statement that returns no row.
    void executer();
    std::string texte(int colonne) const;
    std::int64_t entier(int colonne) const;
    void reinitialiser();

  private:
    struct Finaliser {
        void operator()(sqlite3_stmt* requete) const;
    };
    const Connexion* base_;
    std::unique_ptr<sqlite3_stmt, Finaliser> requete_;
};

// BEGIN IMMEDIATE at construction (the write lock taken at once, so the busy
// timeout applies), ROLLBACK at destruction unless `valider` was called.
class Transaction {
  public:
    explicit Transaction(const Connexion& base);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void valider();

  private:
    const Connexion& base_;
    bool finie_ = false;
};

} // namespace kalder::sqlite
