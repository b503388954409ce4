#pragma once
// The order of the open-person list: alphabetical, ignoring case. Letters are
// compared first without their accents (so "Élodie" comes among the E, before
// "Emile"), then with them; "œ", "æ" and "ß" count as "oe", "ae" and "ss".
// The key is built once per line so that sorting only compares bytes.

#include "repertoire/format_repertoire.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

// Adds the key of one line to `cle`: the five Windows-1252 fields of an entry,
// the field breaks sorting before any character.
void construire_cle_tri(std::string& cle,
                        const std::array<std::string_view, champs_par_entree>& champs);

// The number of bytes construire_cle_tri adds for these fields, and of its
// first level alone (letters without accents and case).
std::size_t taille_cle_tri(const std::array<std::string_view, champs_par_entree>& champs);
std::size_t taille_cle_lettres(const std::array<std::string_view, champs_par_entree>& champs);

// Indices of `entrees` in the order of the list; equal keys keep the order of the file.
std::vector<std::uint32_t> ordre_alphabetique(const std::vector<EntreeBrute>& entrees);
// The same for the entries of a file's bytes that start at `debuts`, read one
// at a time; `taille_cles` is the sum of their taille_cle_lettres. `debuts`
// then holds where each entry starts, in the order of the list.
void ordonner_debuts(std::string_view octets, std::vector<std::uint32_t>& debuts,
                     std::size_t taille_cles);

} // namespace kalder
