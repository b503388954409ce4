#pragma once
// --pdf: the consultation dossier of the calculated person as a PDF file.

#include "cli/options.hpp"
#include "modele/theme_calcule.hpp"
#include "variantes/comparer_noms.hpp"

#include <vector>

namespace kalder::cli {

// Checks --sections before any calculation; 0, or the usage status after saying why.
int verifier_dossier(const Options& o);

// Writes the dossier of `etat`, with the --variante names, to the file of --pdf;
// the exit status.
int ecrire_dossier(const ThemeCalcule& etat, const Options& o, int annee_courante,
                   std::vector<NomVariante> variantes);

} // namespace kalder::cli
