// clang-format off
#pragma once
#include <string_view>
#include <vector>
namespace kalder::textes {
// A table's name as the generated header "textes/tables.hpp" spells it (textes::tables::synthese_chemin): the engine names tables only this way, so a misspelt name does not compile.
struct NomTable { std::string_view nom; };
// The entry of `table` under `cle` (a decimal number such as "11", or a letter such as "A", or a word key), or an empty view when the table or key does not exist.
std::string_view entree(NomTable table, std::string_view cle);
std::string_view entree(NomTable table, int cle);
// The same by a name read at run time (tests, tools).
std::string_view entree(std::string_view table, std::string_view cle);
std::string_view entree(std::string_view table, int cle);
bool existe(std::string_view table, std::string_view cle);
std::vector<std::string_view> cles(std::string_view table); // keys in file order; empty if no such table
}
// clang-format on
