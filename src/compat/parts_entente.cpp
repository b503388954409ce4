#include "compat/parts_entente.hpp"

namespace kalder {

Somme somme_expression_commune(Nombre partenaire, Nombre vous) {
    return {Arret::maitre,
            {{Part::expression_partenaire, partenaire}, {Part::votre_expression, vous}}};
}

Somme somme_chemin_commun(Nombre partenaire, Nombre vous) {
    return {Arret::jusqua22, {{Part::chemin_partenaire, partenaire}, {Part::votre_chemin, vous}}};
}

} // namespace kalder
