#pragma once
// What the client file keeps with a saved person.

#include "repertoire/personne.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalder {

struct Contact {
    std::string telephone;
    std::string courriel;
    std::string adresse;
    friend bool operator==(const Contact&, const Contact&) = default;
};

// A note of the practitioner; `id` 0 for one not stored yet. Dates are
// "AAAA-MM-JJ HH:MM", local time.
struct Note {
    std::int64_t id = 0;
    std::string date;
    std::string texte;
    friend bool operator==(const Note&, const Note&) = default;
};

struct Consultation {
    std::int64_t id = 0;
    std::string date;
    int annee_calcul = 0;
    std::string fichier;  // the dossier exported, when one was
    std::string sections; // its sections, as the dossier dialog names them
    std::string note;
    friend bool operator==(const Consultation&, const Consultation&) = default;
};

// A spelling compared in "Comparer des noms".
struct Orthographe {
    std::string prenoms;
    std::string nom;
    friend bool operator==(const Orthographe&, const Orthographe&) = default;
};

struct Partenaire {
    std::string prenoms;
    std::string nom;
    std::string jour;
    std::string mois;
    std::string annee;
    std::string rencontre; // "JJ/MM/AAAA" when a meeting date was given
    friend bool operator==(const Partenaire&, const Partenaire&) = default;
};

struct Fiche {
    Personne personne;
    Contact contact;
    std::vector<Note> notes; // newest first
    std::vector<std::string> tags;
    std::vector<Consultation> consultations; // newest first
    std::vector<Orthographe> variantes;      // in the order of the comparison
    std::vector<Partenaire> partenaires;     // the last one calculated first
    friend bool operator==(const Fiche&, const Fiche&) = default;
};

// One line of "Clients…".
struct ResumeClient {
    Personne personne;
    std::string derniere_consultation; // empty when there was none
    std::string tags;                  // joined by ", "
    std::int64_t notes = 0;
};

} // namespace kalder
