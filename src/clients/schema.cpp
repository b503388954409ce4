#include "clients/schema.hpp"

#include <sqlite3.h>

#include <array>
#include <string>

namespace kalder::schema {

namespace {

// Step i brings a file from version i to version i + 1.
constexpr std::array etapes{
    // 1: the persons and what is kept with them.
    R"sql(
CREATE TABLE clients (
    id INTEGER PRIMARY KEY,
    nom TEXT NOT NULL, prenoms TEXT NOT NULL,
    jour TEXT NOT NULL, mois TEXT NOT NULL, annee TEXT NOT NULL,
    telephone TEXT NOT NULL DEFAULT '', courriel TEXT NOT NULL DEFAULT '',
    adresse TEXT NOT NULL DEFAULT '',
    UNIQUE (nom, prenoms, jour, mois, annee));
CREATE TABLE notes (
    id INTEGER PRIMARY KEY,
    client INTEGER NOT NULL REFERENCES clients(id) ON DELETE CASCADE,
    date TEXT NOT NULL, texte TEXT NOT NULL);
CREATE INDEX notes_par_client ON notes (client, date);
CREATE TABLE tags (
    client INTEGER NOT NULL REFERENCES clients(id) ON DELETE CASCADE,
    rang INTEGER NOT NULL, tag TEXT NOT NULL,
    PRIMARY KEY (client, rang)) WITHOUT ROWID;
CREATE TABLE consultations (
    id INTEGER PRIMARY KEY,
    client INTEGER NOT NULL REFERENCES clients(id) ON DELETE CASCADE,
    date TEXT NOT NULL, annee_calcul INTEGER NOT NULL DEFAULT 0,
    fichier TEXT NOT NULL DEFAULT '', sections TEXT NOT NULL DEFAULT '',
    note TEXT NOT NULL DEFAULT '');
CREATE INDEX consultations_par_client ON consultations (client, date);
CREATE TABLE variantes (
    client INTEGER NOT NULL REFERENCES clients(id) ON DELETE CASCADE,
    rang INTEGER NOT NULL, prenoms TEXT NOT NULL, nom TEXT NOT NULL,
    PRIMARY KEY (client, rang)) WITHOUT ROWID;
CREATE TABLE partenaires (
    client INTEGER NOT NULL REFERENCES clients(id) ON DELETE CASCADE,
    rang INTEGER NOT NULL, prenoms TEXT NOT NULL, nom TEXT NOT NULL,
    jour TEXT NOT NULL, mois TEXT NOT NULL, annee TEXT NOT NULL,
    rencontre TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (client, rang)) WITHOUT ROWID;
)sql",
    // 2: the full-text search (accents and case ignored), and what the list
    // shows of each client kept on its row (number of notes, last
    // consultation, tags), all filled from what version 1 holds.
    R"sql(
ALTER TABLE clients ADD COLUMN nombre_notes INTEGER NOT NULL DEFAULT 0;
ALTER TABLE clients ADD COLUMN derniere_consultation TEXT NOT NULL DEFAULT '';
ALTER TABLE clients ADD COLUMN liste_tags TEXT NOT NULL DEFAULT '';
ALTER TABLE clients ADD COLUMN cle_tri BLOB;
CREATE INDEX clients_par_cle_tri ON clients (cle_tri);
UPDATE clients SET
    nombre_notes = (SELECT count(*) FROM notes WHERE client = clients.id),
    derniere_consultation =
        coalesce((SELECT max(date) FROM consultations WHERE client = clients.id), ''),
    liste_tags = coalesce((SELECT group_concat(tag, ', ') FROM
                          (SELECT tag FROM tags WHERE client = clients.id ORDER BY rang)), '');
CREATE TRIGGER consultations_ajoutee AFTER INSERT ON consultations BEGIN
    UPDATE clients SET derniere_consultation = max(derniere_consultation, new.date)
        WHERE id = new.client;
END;
CREATE TRIGGER consultations_retiree AFTER DELETE ON consultations BEGIN
    UPDATE clients SET derniere_consultation =
        coalesce((SELECT max(date) FROM consultations WHERE client = old.client), '')
        WHERE id = old.client;
END;
CREATE TRIGGER consultations_modifiee AFTER UPDATE OF date ON consultations BEGIN
    UPDATE clients SET derniere_consultation =
        coalesce((SELECT max(date) FROM consultations WHERE client = new.client), '')
        WHERE id = new.client;
END;
CREATE VIRTUAL TABLE index_clients USING fts5(
    nom, prenoms, tags, tokenize = 'unicode61 remove_diacritics 2', prefix = '2 3');
INSERT INTO index_clients (rowid, nom, prenoms, tags)
    SELECT id, nom, prenoms,
           coalesce((SELECT group_concat(tag, ' ') FROM tags WHERE client = clients.id), '')
    FROM clients;
CREATE VIRTUAL TABLE index_notes USING fts5(
    texte, content = 'notes', content_rowid = 'id',
    tokenize = 'unicode61 remove_diacritics 2', prefix = '2 3');
INSERT INTO index_notes (index_notes) VALUES ('rebuild');
CREATE TRIGGER notes_ajoutee AFTER INSERT ON notes BEGIN
    INSERT INTO index_notes (rowid, texte) VALUES (new.id, new.texte);
    UPDATE clients SET nombre_notes = nombre_notes + 1 WHERE id = new.client;
END;
CREATE TRIGGER notes_retiree AFTER DELETE ON notes BEGIN
    INSERT INTO index_notes (index_notes, rowid, texte) VALUES ('delete', old.id, old.texte);
    UPDATE clients SET nombre_notes = nombre_notes - 1 WHERE id = old.client;
END;
CREATE TRIGGER notes_modifiee AFTER UPDATE OF texte ON notes BEGIN
    INSERT INTO index_notes (index_notes, rowid, texte) VALUES ('delete', old.id, old.texte);
    INSERT INTO index_notes (rowid, texte) VALUES (new.id, new.texte);
END;
)sql",
    // 3: "Clients…" sorted by any column on an index; the keys are made by
    // the program (the empty ones at the next opening).
    R"sql(
ALTER TABLE clients ADD COLUMN cle_prenoms BLOB;
ALTER TABLE clients ADD COLUMN cle_tags BLOB;
CREATE INDEX clients_par_prenoms ON clients (cle_prenoms);
CREATE INDEX clients_par_naissance ON clients (
    CAST(annee AS INTEGER), CAST(mois AS INTEGER), CAST(jour AS INTEGER), cle_tri);
CREATE INDEX clients_par_consultation ON clients (derniere_consultation, cle_tri);
CREATE INDEX clients_par_tags ON clients (cle_tags);
CREATE INDEX clients_par_notes ON clients (nombre_notes, cle_tri);
)sql",
};

} // namespace

int version_courante() {
    return static_cast<int>(etapes.size());
}

int version(const sqlite::Connexion& base) {
    sqlite::Requete r(base, "PRAGMA user_version");
    return r.ligne() ? static_cast<int>(r.entier(0)) : 0;
}

void migrer(const sqlite::Connexion& base, int jusqu_a) {
    for (;;) {
        sqlite::Transaction transaction(base);
        // Read under the write lock: another program may have just migrated.
        const int v = version(base);
        if (v >= jusqu_a)
            return;
        if (v < 0)
            throw sqlite::Erreur(SQLITE_CORRUPT, "user_version");
        base.executer(etapes[static_cast<std::size_t>(v)]);
        base.executer(("PRAGMA user_version = " + std::to_string(v + 1)).c_str());
        transaction.valider();
    }
}

} // namespace kalder::schema
