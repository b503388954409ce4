#pragma once
// The client file: one SQLite database beside the directory file, shared by
// the window and the command-line tool. Whatever goes wrong with it, the
// directory and the calculations keep working: an operation then returns why
// it could not be done, in French.

#include "clients/fiche.hpp"
#include "clients/sqlite.hpp"
#include "repertoire/dossier_donnees.hpp"

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

// Why an operation failed, in French; empty when it was done.
using Refus = std::optional<std::string>;

template <typename T> struct Reponse {
    T valeur{};
    Refus erreur;
};

struct BilanImport {
    std::size_t fiches_creees = 0;
    std::size_t fiches_completees = 0;
    std::size_t notes_ajoutees = 0;
    std::size_t consultations_ajoutees = 0;
};

// The columns "Clients…" is sorted by, each on an index of the file.
enum class ColonneClients { nom, prenoms, naissance, derniere_consultation, tags, notes };

struct OrdreClients {
    ColonneClients colonne = ColonneClients::nom;
    bool descendant = false;
};

// "Clients…" read as it is shown: the rows come a page at a time from one
// statement, which sees the file as it was when the list was asked for. The
// BaseClients it came from must outlive it.
class ListeClients {
  public:
    ListeClients();
    ListeClients(ListeClients&&) noexcept;
    ListeClients& operator=(ListeClients&&) noexcept;
    ~ListeClients();

    // The next rows, at most `nombre`; fewer once the end is reached.
    Reponse<std::vector<ResumeClient>> suivants(std::size_t nombre);
    // Every row was given (or reading failed).
    bool finie() const { return !requete_; }

  private:
    friend class BaseClients;
    std::unique_ptr<sqlite::Requete> requete_;
};

// The key of a person in the client file: the five fields as a save writes
// them to the directory (trimmed, accents composed).
Personne identite_client(const Personne& personne);

class BaseClients {
  public:
    // Opens the file of `dossier`, creating it (owner only) when missing. A
    // damaged file is renamed aside and a new one started; `avis` then says so.
    explicit BaseClients(const std::filesystem::path& dossier);

    bool disponible() const { return static_cast<bool>(base_); }
    // Why the client file cannot be used (or only read), empty when it can.
    const std::string& raison() const { return raison_; }
    // Something the user should be told once: a damaged file set aside.
    const std::optional<std::string>& avis() const { return avis_; }
    const std::filesystem::path& chemin() const { return chemin_; }

    // The record of the person, nullopt in `valeur` when there is none.
    Reponse<std::optional<Fiche>> lire(const Personne& personne) const;
    // Every client sorted by name, or only those whose names, tags or notes
    // hold every word of `recherche` (as word starts, accents and case ignored).
    Reponse<std::vector<ResumeClient>> lister(std::string_view recherche = {}) const;
    // The same list in the given order, to be read a page at a time.
    Reponse<ListeClients> parcourir(std::string_view recherche = {}, OrdreClients ordre = {}) const;

    // Contact, tags, spellings and partners replaced by the record's; notes and
    // consultations with an id are updated (removed when emptied), those
    // without are added; others stored meanwhile are kept.
    Refus enregistrer(const Fiche& fiche);
    Refus ajouter_note(const Personne& personne, std::string_view date, std::string_view texte);
    Refus ajouter_consultation(const Personne& personne, const Consultation& consultation);
    Refus retenir_variantes(const Personne& personne, std::span<const Orthographe> variantes);
    // The partner becomes the last one calculated (a partner met before moves up).
    Refus retenir_partenaire(const Personne& personne, const Partenaire& partenaire);
    // A directory entry modified: its record follows it (unless the new
    // identity already has one, which is then left as it is).
    Refus suivre_modification(const Personne& ancienne, const Personne& nouvelle);
    // Every person of the directory is a client: an empty record is made
    // for each one that has none (and can have one: names given).
    Refus inscrire(std::span<const Personne> repertoire);
    // Right to erasure: the record and everything kept with it, with no copy
    // left in the file's bytes. Nothing to erase is no failure.
    Refus effacer(const Personne& personne);

    // Every record, in the order of the list (for an export).
    Reponse<std::vector<Fiche>> tout_lire() const;
    // Merges records by identity, in one transaction: a new person's record
    // is added whole; for a known one, the missing notes, consultations, tags,
    // spellings and partners are added and the empty contact fields filled.
    // Nothing is removed or overwritten.
    Reponse<BilanImport> importer(const std::vector<Fiche>& fiches);

  private:
    std::filesystem::path chemin_;
    sqlite::Connexion base_;
    bool lecture_seule_ = false;
    std::string raison_;
    std::optional<std::string> avis_;

    void ouvrir(bool creer);
    bool version_lisible();
    Refus refus_chemin(std::filesystem::path& reel) const;
    void ecrire_fiche(const Fiche& fiche);
    void ouvrir_patiemment();
    Refus refus_ecriture() const;
    template <typename F> Refus ecrire(F&& f);
    template <typename T, typename F> Reponse<T> lire_avec(F&& f) const;
};

// The current local date and time as the client file keeps dates.
std::string maintenant_client();
// "AAAA-MM-JJ HH:MM" shown as "JJ/MM/AAAA HH:MM" (other texts as they are).
std::string date_affichee(std::string_view date);

} // namespace kalder
