#pragma once
// The parts of a number as the calculation reached it, for whoever has to
// tell how (the explanations, a name comparison, a dossier) without
// computing it a second time:
//   Somme   the numbers added, each with what it stands for, and the raw total;
//   Etapes  the raw total, then each digit sum until the stop set of the
//           reduction, and the rule that stopped it.
// The letters taken with their values are LettreComptee (noyau/sommes.hpp).
// Everything here is plain data: writing it in a language is the reader's job.

#include "noyau/nombre.hpp"
#include "noyau/reductions.hpp"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace kalder {

// What a number added into a sum stands for.
enum class Part : unsigned char {
    jour,
    mois,
    annee,
    voyelles,            // raw vowel sum of the whole name
    consonnes,           // raw consonant sum of the whole name
    lettres,             // raw letter sum of the whole name
    lettres_nom,         // raw letter sum of the last name
    lettres_premier_mot, // raw letter sum of the first word, read back from its slot
    annee_personnelle,   // read back from its slot
    cycle_mensuel,       // read back from its slot
    mois_personnel,      // read back from its slot
    expression_partenaire,
    votre_expression,
    chemin_partenaire,
    votre_chemin,
};

struct Terme {
    Part part;
    Nombre valeur;
};

// At most six numbers are ever added; kept inline so a calculation pays no allocation.
struct Somme {
    std::array<Terme, 6> termes{};
    std::size_t nombre = 0;
    Arret arret = Arret::chiffre; // the reduction the total goes through

    constexpr Somme() = default;
    // Inline: the calculation builds dozens of these per theme.
    constexpr Somme(Arret a, std::initializer_list<Terme> l) : arret(a) {
        for (const Terme& t : l)
            termes[nombre++] = t;
    }
    std::span<const Terme> liste() const { return {termes.data(), nombre}; }
    constexpr Nombre total() const {
        Nombre s = 0;
        for (std::size_t i = 0; i < nombre; ++i)
            s += termes[i].valeur;
        return s;
    }
};

// Why a chain of digit sums stopped where it did.
enum class Regle : unsigned char {
    ordinaire,      // a value in the stop set
    maitre_garde,   // 11, 22 or 33 kept whole
    dette_karmique, // 13, 14, 16 or 19 kept whole
};

struct Etapes {
    Nombre brut = 0;
    std::array<Nombre, 8> sommes{}; // each digit sum in turn
    std::size_t nombre = 0;
    Regle regle = Regle::ordinaire;

    std::span<const Nombre> suite() const { return {sommes.data(), nombre}; }
    Nombre fin() const { return nombre == 0 ? brut : sommes[nombre - 1]; }
};

Etapes etapes_reduction(Nombre brut, Arret arret);

// jour + mois + année, master numbers kept: the life path of any birth date.
Somme somme_date(Nombre jour, Nombre mois, Nombre annee);

} // namespace kalder
