#pragma once
// The order of the open-person list: alphabetical, ignoring case. Letters are
// compared first without their accents (so "Élodie" comes among the E, before
// "Emile"), then with them; "œ", "æ" and "ß" count as "oe", "ae" and "ss".
// Each key is built once per line so that sorting only compares bytes.

#include "repertoire/format_repertoire.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

// Adds the key of one line to `cle`: the five Windows-1252 fields of an entry,
// the field breaks sorting before any character.
void construire_cle_tri(std::string& cle,
                        const std::array<std::string_view, champs_par_entree>& champs);

// Reads each entry of a file's bytes once, in order, and makes its
// first-level key. Gives, for each line of the list, the number of its entry
// in the file (0 for the first); equal keys keep the order of the file.
// Adds to `octets_champs` the bytes of every entry's fields.
std::vector<std::uint32_t> classer_entrees(std::string_view octets, std::size_t& octets_champs);

} // namespace kalder
