#pragma once

#include <string>

namespace kalder {

// A directory entry: five texts in the order of the file, as typed and trimmed.
struct Personne {
    std::string nom;
    std::string prenoms;
    std::string jour;
    std::string mois;
    std::string annee;

    friend bool operator==(const Personne&, const Personne&) = default;
};

} // namespace kalder
