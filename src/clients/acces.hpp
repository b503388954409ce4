#pragma once
// Inside the client file's operations: one transaction per change, every
// failure turned into a French reason.

#include "clients/base_clients.hpp"

#include <new>

namespace kalder {

inline constexpr const char* prefixe_ecriture =
    "Le fichier des clients n'a pas pu être modifié\u00a0: ";
inline constexpr const char* prefixe_lecture = "Le fichier des clients n'a pas pu être lu\u00a0: ";

// A text the user gave that cannot be stored as it is, with why.
struct TexteRefuse {
    std::string raison;
};

template <typename F> Refus BaseClients::ecrire(F&& f) {
    if (auto r = refus_ecriture())
        return r;
    try {
        sqlite::Transaction transaction(base_);
        f();
        transaction.valider();
        return std::nullopt;
    } catch (const TexteRefuse& refus) {
        return refus.raison;
    } catch (const sqlite::Erreur& e) {
        return prefixe_ecriture + sqlite::raison(e) + ".";
    } catch (const std::bad_alloc&) {
        return std::string(prefixe_ecriture) + "la mémoire a manqué.";
    }
}

template <typename T, typename F> Reponse<T> BaseClients::lire_avec(F&& f) const {
    Reponse<T> r;
    if (!base_) {
        r.erreur = raison_;
        return r;
    }
    try {
        // One snapshot for all the statements of the reading.
        sqlite::Connexion const& base = base_;
        base.executer("BEGIN");
        try {
            r.valeur = f();
        } catch (...) {
            base.executer("ROLLBACK");
            throw;
        }
        base.executer("COMMIT");
    } catch (const sqlite::Erreur& e) {
        r.erreur = prefixe_lecture + sqlite::raison(e) + ".";
    } catch (const std::bad_alloc&) {
        r.erreur = std::string(prefixe_lecture) + "la mémoire a manqué.";
    }
    return r;
}

// The id of the person's record; 0 when there is none and `creer` is false.
std::int64_t id_client(const sqlite::Connexion& base, const Personne& cle, bool creer);

// The record of `cle` (an identity as identite_client makes it), read
// within the caller's transaction; nullopt when there is none.
std::optional<Fiche> lire_fiche(const sqlite::Connexion& base, const Personne& cle);

// Empties the journal into the file after an erasure, waiting at most
// `attente_ms` for the programs reading it; true when done. Otherwise the
// erasure is marked to be finished at the next opening.
bool vider_journal(const sqlite::Connexion& base, const std::filesystem::path& chemin,
                   int attente_ms = 1000);

// The sort key of clients stored without one (an older file, a bulk load).
void completer_cles_tri(const sqlite::Connexion& base);

// Throws TexteRefuse for a text that is not UTF-8.
void verifier_texte(std::string_view texte, const char* quoi);

} // namespace kalder
