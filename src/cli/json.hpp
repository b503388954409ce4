#pragma once

#include "modele/etat_fenetre.hpp"
#include "variantes/comparer_noms.hpp"

#include <iosfwd>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kalder {
class ListePersonnes;
}

namespace kalder::cli {

// {"slots": {...}, "theme": {...}, then the extra texts in the given order}.
// With `explications`, every slot also carries "explication". Compared names,
// when there are any, follow "theme" as "variantes".
std::string ecrire_json(const EtatFenetre& etat,
                        const std::vector<std::pair<std::string, std::string>>& textes,
                        bool explications = false, std::span<const LigneVariante> variantes = {});

// --liste --json: the persons in the order of the list, each as
// {"nom", "prenoms", "jour", "mois", "annee"}.
void ecrire_liste_json(std::ostream& sortie, const ListePersonnes& liste);

} // namespace kalder::cli
