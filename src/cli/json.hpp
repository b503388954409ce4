#pragma once

#include "modele/theme_calcule.hpp"
#include "variantes/comparer_noms.hpp"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalder {
class ListePersonnes;
}

namespace kalder::cli {

// {"slots": {...}, "theme": {...}, then the extra texts in the given order}.
// With `explications`, every slot also carries "explication". Compared names,
// when there are any, follow "theme" as "variantes". The year of calculation
// as typed goes beside the slots as "champ_annee_calcul".
std::string ecrire_json(const ThemeCalcule& etat, std::string_view champ_annee_calcul,
                        const std::vector<std::pair<std::string, std::string>>& textes,
                        bool explications = false, std::span<const LigneVariante> variantes = {});

// --liste --json: the persons in the order of the list, each as
// {"nom", "prenoms", "jour", "mois", "annee"}.
void ecrire_liste_json(std::ostream& sortie, const ListePersonnes& liste);

} // namespace kalder::cli
