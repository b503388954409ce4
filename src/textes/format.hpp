#pragma once
// Reader of the text-table files (see README.md). Shared by the build-time generator and the tests.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalder::textes::format {

struct Entree {
    std::string cle;
    std::string texte; // lines joined with CR LF
};

struct Resultat {
    std::vector<Entree> entrees; // file order
    std::string erreur;          // empty when the file is well formed
    std::size_t ligne = 0;       // 1-based line of the error
    bool valide() const { return erreur.empty(); }
};

Resultat analyser(std::string_view contenu);

// Table names are file stems: lower-case ASCII letters, digits and '_'.
bool nom_de_table_valide(std::string_view nom);

} // namespace kalder::textes::format
