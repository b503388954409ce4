#pragma once
// A number as the calculation reached it, the one shape every reader takes it
// in: the raw sum and the parts it was made from, each digit sum until the
// rule that stopped the reduction, the value kept and how it is written.
// Its display text ("22/4", "13", "28 ans") is made here and nowhere else.

#include "noyau/decomposition.hpp"

#include <string>

namespace kalder {

// How a number is written.
enum class Ecriture : unsigned char {
    nombre,          // the value alone: "7", "13", "0"
    barre,           // with "/" and its digit from 10 on: "41/5"
    barre_sauf_zero, // as `barre`, nothing for a raw sum of 0; a karmic debt alone ("13")
    ans,             // an age: "28 ans"
};

struct NombreCalcule {
    Somme parts;   // what was added; empty for a value taken whole or counted
    Etapes etapes; // the raw sum, each digit sum and the rule that stopped them
    Ecriture ecriture = Ecriture::nombre;

    // The value kept: 22 for "22/4", 28 for "28 ans", 0 when nothing is written.
    Nombre valeur() const { return etapes.fin(); }
    // Whether the text shows the value's digit after a "/".
    bool avec_chiffre() const;
    // The digit written after the "/" (4 for "22/4"); the value itself without one.
    Nombre chiffre() const;
    bool ecrit() const; // false when the text is empty
};

// A value taken whole or counted: no reduction.
NombreCalcule nombre_entier(Nombre valeur, Ecriture ecriture = Ecriture::nombre);
// A raw sum reduced until `arret`.
NombreCalcule nombre_reduit(Nombre brut, Arret arret, Ecriture ecriture);
// The total of `parts`, reduced as the sum says.
NombreCalcule nombre_reduit(const Somme& parts, Ecriture ecriture);

std::string texte_nombre(const NombreCalcule& n);

} // namespace kalder
