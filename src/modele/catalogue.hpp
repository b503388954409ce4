#pragma once
// The catalogue of display slots: for every slot or run of slots of the main
// window, its name as the window knows it, the indices shown and the French
// label a user reads for it. The slot lists of the window, the command line,
// the clear-all and the explanations all derive from this one table.

#include "modele/theme_calcule.hpp"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kalder {

// What a slot's text, colour and visibility are computed from. A slot the name
// decides changes when only the name changes; one the date decides, when only
// the birth date changes.
enum class Decideur {
    nom,
    date,
    nom_et_date,
    annee,        // the forecast of the chosen year
    nom_et_annee, // the letters of the first names and the name read for the chosen year
    partenaire,   // the compatibility with a partner
};

constexpr bool decide_par_le_nom(Decideur d) {
    return d == Decideur::nom || d == Decideur::nom_et_date || d == Decideur::nom_et_annee;
}

struct SlotCatalogue {
    std::string_view nom; // "Nomb", "tri1"
    bool indexe = false;  // addressed as "Nomb(3)"; a single slot goes by its bare name
    int premier = 0;      // the indices shown, both included
    int dernier = 0;
    // The caption of a whole run ("Mois personnel"), or a single slot's label.
    std::string_view titre;
    // The label of one index of a run; null for a single slot.
    std::string (*libelle)(int indice) = nullptr;
    Slot* (*acces)(ThemeCalcule& etat, int indice) = nullptr;
    bool efface_tout = false; // emptied by "Effacer tout"
    Decideur decide = Decideur::nom;
    // For a run whose slots are not all decided alike; null when `decide` holds for all.
    const Decideur* decide_par_indice = nullptr;

    int nombre() const { return dernier - premier + 1; }
    std::string nom_complet(int indice) const; // "Nomb(3)", "tri1"
    std::string libelle_de(int indice) const;  // "Nombre actif", "Pierre angulaire"
    Decideur decideur(int indice) const {
        return decide_par_indice ? decide_par_indice[indice - premier] : decide;
    }
    Slot& slot(ThemeCalcule& etat, int indice) const { return *acces(etat, indice); }
    const Slot& slot(const ThemeCalcule& etat, int indice) const {
        return *acces(const_cast<ThemeCalcule&>(etat), indice);
    }
};

// Every row, in the order of the window's slot list.
std::span<const SlotCatalogue> catalogue_slots();
inline constexpr std::size_t nombre_entrees_catalogue = 38;

// The row of a run or single slot by its bare name ("Nomb", "tri1"); null when unknown.
const SlotCatalogue* entree_catalogue(std::string_view nom);

// The row and index of a slot of `etat`, found by its address; null for
// something that is not one of its display slots.
struct PlaceSlot {
    const SlotCatalogue* entree = nullptr;
    int indice = 0;
};
PlaceSlot place_slot(const ThemeCalcule& etat, const Slot& slot);
// The row and index of a slot named as `slots_nommes` names it ("Nomb(3)",
// "tri1"); a null row for an unknown name or index.
PlaceSlot place_slot(std::string_view nom_complet);

// The label of a slot of `etat` ("Nombre actif" for `etat.Nomb[nomb::actif]`).
std::string libelle_slot(const ThemeCalcule& etat, const Slot& slot);

// The label of a slot named as `slots_nommes` names it ("Grille(8)" gives
// "Grille d'inclusion, chiffre 8"); empty for an unknown name or index.
std::string libelle_slot(std::string_view nom_complet);

// The slot of that name; null for an unknown name or index.
Slot* trouver_slot(ThemeCalcule& etat, std::string_view nom_complet);

// How many slots the window shows, all runs counted index by index.
std::size_t nombre_slots();

// The tabs of the main window in their order, each with the first catalogue
// row it shows: a row belongs to the tab of the last first row before it.
struct OngletCatalogue {
    std::string_view titre;
    std::string_view premiere_rangee;
};
inline constexpr std::array<OngletCatalogue, 4> onglets_catalogue = {{
    {"Synthèse", "Grille"},
    {"Détails", "Nomb"},
    {"Cycles", "vie"},
    {"Entente avec une autre personne", "ent"},
}};
// The rows of a tab (an index of `onglets_catalogue`), by name, in catalogue order.
std::span<const std::string_view> rangees_onglet(std::size_t onglet);

// The captions of the triangle, bare on a fresh window, with the digit after a theme.
inline constexpr std::string_view legende_pierre_angulaire = "Pierre angulaire";
inline constexpr std::string_view legende_nombre_clef = "Nombre clef";
inline constexpr std::string_view legende_derniere_pierre = "Dernière pierre";
// The caption of the whole-life slot before its value.
inline constexpr std::string_view legende_chemin_vie = "Chemin de vie";

// The row and column headings of the expression-mode table, by index of `lettre`.
inline constexpr std::array<std::string_view, mode::dernier + 1> noms_modes = {
    "Mental", "Concret", "Emotif", "Intuitif", "Impulsion", "Réflexion", "Action"};

} // namespace kalder
