#include "modele/theme_calcule.hpp"

#include "modele/catalogue.hpp"
#include "noyau/elision.hpp"

namespace kalder {

ThemeCalcule::ThemeCalcule() {
    remettre_triangle_et_mots();
}

void ThemeCalcule::remettre_triangle_et_mots() {
    tri1 = Slot{std::string(legende_pierre_angulaire)};
    tri2 = Slot{std::string(legende_nombre_clef)};
    tri3 = Slot{std::string(legende_derniere_pierre)};
    for (int k = 0; k < nombre_mots; ++k) {
        for (Slot* s : {&deco[k], &des[k], &dei[k]})
            *s = Slot{"", Couleur::defaut, false};
    }
}

std::string nom_mois_minuscule(int mois) {
    std::string nom(noms_mois[static_cast<std::size_t>(mois - 1)]);
    nom[0] = static_cast<char>(nom[0] - 'A' + 'a');
    return nom;
}

std::string du_mois(int mois) {
    return de(nom_mois_minuscule(mois));
}

} // namespace kalder
