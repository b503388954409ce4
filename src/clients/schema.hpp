#pragma once
// The tables of the client file, version by version. A file of version n is
// brought to the current version by the steps n+1, n+2…, each in the same
// transaction as the new `PRAGMA user_version`.

#include "clients/sqlite.hpp"

namespace kalder::schema {

// The version this program writes; a file with a higher one is left alone.
int version_courante();

int version(const sqlite::Connexion& base);

// Brings the file up to `jusqu_a` (the current version by default), one
// transaction per step. Throws sqlite::Erreur.
void migrer(const sqlite::Connexion& base, int jusqu_a = version_courante());

} // namespace kalder::schema
