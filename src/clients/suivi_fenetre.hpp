#pragma once
// What the window keeps in the client file as the user works: the spellings
// compared and the partner calculated for a person of the directory, given
// back when that person is opened again.

#include "clients/fiche.hpp"
#include "modele/etat_fenetre.hpp"
#include "variantes/comparer_noms.hpp"

#include <optional>
#include <span>
#include <vector>

namespace kalder {

// The person of the "Vous :" line as "Calculer" would read it (the key of the
// session's spellings); nullopt when the calculation would refuse the line.
std::optional<Theme> theme_de_la_ligne(const EtatFenetre& etat);

// The directory entry of a calculated person: the same names as a save keeps
// them and the same date; nullopt when the person was never saved.
std::optional<Personne> entree_du_theme(std::span<const Personne> entrees, const Theme& theme);

std::vector<Orthographe> en_orthographes(std::span<const NomVariante> noms);
std::vector<NomVariante> en_noms_variantes(std::span<const Orthographe> orthographes);

// The partner line as a compatibility just calculated read it.
Partenaire partenaire_de_la_ligne(const EtatFenetre& etat);

// Fills the partner line and the meeting date with `partenaire`, without
// calculating anything.
void proposer_partenaire(EtatFenetre& etat, const Partenaire& partenaire);

} // namespace kalder
