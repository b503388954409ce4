#include "theme/presence.hpp"

#include "noyau/reductions.hpp"

namespace kalder {

Nombre compte_grille(const ThemeCalcule& etat, Nombre chiffre) {
    if (chiffre < 1 || chiffre > 9)
        return 0;
    return etat.Grille[chiffre].valeur();
}

bool chiffre_manquant(const ThemeCalcule& etat, Nombre chiffre) {
    return chiffre >= 1 && chiffre <= 9 && compte_grille(etat, chiffre) == 0;
}

Couleur couleur_presence(const ThemeCalcule& etat, Nombre n) {
    return chiffre_manquant(etat, reduire(n)) ? Couleur::rouge_fonce : Couleur::defaut;
}

} // namespace kalder
