#pragma once
// The digit reductions: repeated sums of decimal digits, each stopping in its
// own set. The stop test comes before every pass, so a value already in the
// set comes back unchanged, and any stop value met on the way ends the chain.

#include "noyau/nombre.hpp"

#include <string>

namespace kalder {

Nombre somme_chiffres(Nombre n); // one pass; the sign counts nothing

// The stop sets of the reductions, shared with whoever retraces a chain.
enum class Arret {
    chiffre,  // 0..9
    maitre,   // 0..9, 11, 22, 33
    jusqua22, // 0..22
    jusqua99, // 0..99
    karmique, // 0..9, 11, 22, 33, 13, 14, 16, 19
};
bool arret_atteint(Arret arret, Nombre n);
Nombre reduire_jusqua(Arret arret, Nombre n);

// The chain itself, shared by every reduction and by whoever records its
// steps: `pas` sees each digit sum in turn.
template <typename Pas> Nombre reduire_en_suivant(Arret arret, Nombre n, Pas&& pas) {
    while (!arret_atteint(arret, n)) {
        n = somme_chiffres(n);
        pas(n);
    }
    return n;
}

Nombre reduire(Nombre n);          // 0..9
Nombre reduire_maitre(Nombre n);   // 0..9, 11, 22, 33
Nombre reduire_99(Nombre n);       // 0..99
Nombre reduire_karmique(Nombre n); // 0..9, 11, 22, 33, 13, 14, 16, 19
bool dette_karmique(Nombre n);     // 13, 14, 16 or 19

std::string texte_maitre(Nombre n);    // "7", "11/2"; empty for 0
std::string texte_reduit_22(Nombre n); // "7", "19/1"; empty for 0
std::string texte_karmique(Nombre n);  // "7", "11/2", "13"; empty for 0
// A value up to 99, with "/" and its digit when it has two digits ("41/5").
std::string texte_apogee(Nombre valeur_99);

} // namespace kalder
