#pragma once
// Several spellings of a person's name side by side: each variant is the
// whole theme calculated again with that name and the person's birth date,
// and its row keeps the slots the name decides (the catalogue says which).

#include "modele/catalogue.hpp"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kalder {

struct NomVariante {
    std::string prenom; // the first names, as typed
    std::string nom;
    friend bool operator==(const NomVariante&, const NomVariante&) = default;
};

// A slot the name decides, as a column of the comparison.
struct ColonneNom {
    const SlotCatalogue* entree = nullptr;
    int indice = 0;
    std::string nom;     // "Nomb(3)", as slots_nommes names it
    std::string libelle; // "Expression"
};

// Every slot the name decides, in the catalogue's order.
const std::vector<ColonneNom>& colonnes_nom();

struct LigneVariante {
    NomVariante nom;
    // The message the "Vous :" line gives for this name; the row has no cells then.
    std::optional<std::string> erreur;
    std::vector<Slot> cellules; // one per column of colonnes_nom()
    ThemeCalcule theme;         // the full calculation, for the explanations
};

// The theme of `nom` with the birth date of `personne` (none when it has
// none), as "Calculer" gives it, with the year tab of `annee_calcul`: the
// consultation's year of calculation, so that the transit letter is the
// one the summary shows.
LigneVariante calculer_variante(const Theme& personne, NomVariante nom, int annee_calcul);

// The person's own name first, then each variant in the given order.
std::vector<LigneVariante> comparer_noms(const Theme& personne,
                                         std::span<const NomVariante> variantes, int annee_calcul);

// The spellings a calculation accepts, in their order: a refused one (an
// empty first name…) has no numbers to show.
std::vector<NomVariante> variantes_acceptees(const Theme& personne,
                                             std::span<const NomVariante> variantes,
                                             int annee_calcul);

// Whether a cell shows another value than the same cell of the reference
// row, or shows where the other does not; never for a refused row.
bool cellule_differe(const LigneVariante& ligne, const LigneVariante& reference,
                     std::size_t colonne);

// How the number of one cell was reached; empty for a refused row.
std::string expliquer_cellule(const LigneVariante& ligne, std::size_t colonne);

// A number only the date decides, shared by every row.
struct NombreDate {
    std::string libelle; // the catalogue's label: "Vie entière"
    Slot slot;           // as the calculated row shows it

    // Its own caption when the slot writes one ("Chemin de vie"), else the label.
    std::string_view legende() const {
        return slot.legende.empty() ? std::string_view(libelle) : slot.legende;
    }
};

// Each non-empty one, read from a calculated row.
std::vector<NombreDate> nombres_de_la_date(const LigneVariante& ligne);

} // namespace kalder
