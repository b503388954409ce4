#include "theme/presence.hpp"

#include "core/reductions.hpp"
#include "core/sommes.hpp"

namespace kalder {

Nombre compte_grille(const EtatFenetre& etat, Nombre chiffre) {
    if (chiffre < 1 || chiffre > 9)
        return 0;
    return lire_debut_nombre(etat.Grille[chiffre].texte);
}

Couleur couleur_presence(const EtatFenetre& etat, Nombre n) {
    const Nombre chiffre = reduire(n);
    if (chiffre == 0)
        return Couleur::defaut;
    return compte_grille(etat, chiffre) == 0 ? Couleur::rouge_fonce : Couleur::defaut;
}

} // namespace kalder
