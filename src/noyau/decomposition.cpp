#include "noyau/decomposition.hpp"

namespace kalder {

Etapes etapes_reduction(Nombre brut, Arret arret) {
    Etapes e;
    e.brut = brut;
    reduire_en_suivant(arret, brut, [&e](Nombre v) { e.sommes[e.nombre++] = v; });
    const Nombre fin = e.fin();
    const bool garde = arret == Arret::maitre || arret == Arret::karmique;
    if (garde && (fin == 11 || fin == 22 || fin == 33))
        e.regle = Regle::maitre_garde;
    else if (arret == Arret::karmique && dette_karmique(fin))
        e.regle = Regle::dette_karmique;
    return e;
}

Somme somme_date(Nombre jour, Nombre mois, Nombre annee) {
    return {Arret::maitre, {{Part::jour, jour}, {Part::mois, mois}, {Part::annee, annee}}};
}

} // namespace kalder
