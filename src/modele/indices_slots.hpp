#pragma once
// Named positions in the display-slot arrays of the main window, so that no
// code spells a slot as a bare number. The array sizes follow from them.

namespace kalder {

// The numbers of the "Détails" tab.
namespace nomb {
inline constexpr int elan = 0;
inline constexpr int actif = 1;
inline constexpr int hereditaire = 2;
inline constexpr int expression = 3;
inline constexpr int moi_intime = 4;
inline constexpr int equilibre = 5;
inline constexpr int premiere_voyelle = 6;
inline constexpr int personnalite = 7;
inline constexpr int initiation = 8;
inline constexpr int vie = 9;
inline constexpr int cosmique = 10;
inline constexpr int dynamisme = 11;
inline constexpr int vibration_jour = 12;
inline constexpr int cadeau_jour = 13;
inline constexpr int defi_jour = 14;
inline constexpr int premier = elan;
inline constexpr int dernier = defi_jour;
} // namespace nomb

// The letter numbers and the two date numbers of the "Synthèse" tab.
namespace synth {
inline constexpr int elan = 0;       // "Voyelles"
inline constexpr int moi_intime = 1; // "Consonnes"
inline constexpr int expression = 2; // "Toutes les lettres"
inline constexpr int chemin_vie = 3;
inline constexpr int mission = 4;
inline constexpr int premier = elan;
inline constexpr int dernier = mission;
} // namespace synth

// The challenges beside the three letter numbers of "Détails".
namespace defi {
inline constexpr int voyelles = 0;
inline constexpr int consonnes = 1;
inline constexpr int global = 2;
inline constexpr int premier = voyelles;
inline constexpr int dernier = global;
} // namespace defi

// The totals of the expression-mode table: four rows, then three columns.
namespace mode {
inline constexpr int mental = 0;
inline constexpr int concret = 1;
inline constexpr int emotif = 2;
inline constexpr int intuitif = 3;
inline constexpr int impulsion = 4;
inline constexpr int reflexion = 5;
inline constexpr int action = 6;
inline constexpr int premier = mental;
inline constexpr int dernier = action;
inline constexpr int nombre_lignes = 4;
} // namespace mode

// The compatibility tab.
namespace ent {
inline constexpr int expression = 1;
inline constexpr int expression_partenaire = 2;
inline constexpr int chemin_vie = 3;
inline constexpr int chemin_vie_partenaire = 4;
inline constexpr int expression_commune = 5;
inline constexpr int chemin_vie_commun = 6;
inline constexpr int essence_rencontre = 7;
inline constexpr int premier = expression;
inline constexpr int dernier = essence_rencontre;
} // namespace ent

// The inclusion grid holds one cell per digit.
namespace chiffres {
inline constexpr int premier = 1;
inline constexpr int dernier = 9;
} // namespace chiffres

// Up to five words of the full name have a column of "Détails".
inline constexpr int nombre_mots = 5;
// "Vie entière", the only slot of its array.
inline constexpr int indice_vie_entiere = 0;
// The year table: one column per month, four pinnacles, four week rows.
inline constexpr int nombre_mois = 12;
inline constexpr int nombre_apogees = 4;
inline constexpr int nombre_semaines = 4;

// The slot of week row `semaine` (1..4) in month column `mois` (1..12).
constexpr int indice_semaine(int semaine, int mois) {
    return nombre_mois * (semaine - 1) + mois;
}

} // namespace kalder
