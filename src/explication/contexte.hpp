#pragma once
// What the explanations of one window share: the state, the person and the
// year its results were computed from, and the names already decoded.

#include "modele/theme_calcule.hpp"

#include <string>

namespace kalder::explication {

struct Contexte {
    explicit Contexte(const ThemeCalcule& etat);

    const ThemeCalcule& etat;
    const Theme& theme; // the person of the results, not the typed one
    std::u32string prenom;
    std::u32string nom;
    std::u32string complet; // first names directly followed by the last name
    // The base of the weekly pinnacles, written once for the 96 week slots.
    mutable std::string base_semaines;
};

// One family of slots: the index within its array (0 for a single slot).
std::string expliquer_grille(const Contexte& c, int chiffre);
std::string expliquer_mode(const Contexte& c, int mode);
std::string expliquer_synth(const Contexte& c, int i);
std::string expliquer_nomb(const Contexte& c, int i);
std::string expliquer_pierre(const Contexte& c, int pierre); // 1..3
std::string expliquer_defi(const Contexte& c, int i);
std::string expliquer_mot(const Contexte& c, int k);
std::string expliquer_voyelles_mot(const Contexte& c, int k);
std::string expliquer_consonnes_mot(const Contexte& c, int k);
std::string expliquer_chemin(const Contexte& c);
std::string expliquer_cycle(const Contexte& c, int cycle);        // 1..3
std::string expliquer_apogee(const Contexte& c, int apogee);      // 1..4
std::string expliquer_fin_apogee(const Contexte& c, int apogee);  // 1..3
std::string expliquer_defi_apogee(const Contexte& c, int apogee); // 1..4

std::string expliquer_annee_personnelle(const Contexte& c);
std::string expliquer_lettre_passage(const Contexte& c);
std::string expliquer_mois_personnel(const Contexte& c, int mois);
std::string expliquer_cycle_mensuel(const Contexte& c, int mois);
std::string expliquer_essence(const Contexte& c, int mois);
std::string expliquer_apogee_annee(const Contexte& c, int trimestre);
std::string expliquer_lecon(const Contexte& c, int trimestre);
std::string expliquer_periode(const Contexte& c, int mois);
std::string expliquer_profection(const Contexte& c, int mois);
std::string expliquer_semaine(const Contexte& c, int i);
std::string expliquer_defi_semaine(const Contexte& c, int i);

std::string expliquer_entente(const Contexte& c, int i);

} // namespace kalder::explication
