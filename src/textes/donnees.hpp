#pragma once
// Layout of the compiled text tables, filled by the source that generer_textes writes.
#include <span>
#include <string_view>

namespace kalder::textes::donnees {

struct Entree {
    std::string_view cle;
    std::string_view texte;
};

struct Table {
    std::string_view nom;
    std::span<const Entree> entrees;        // sorted by key, byte order
    std::span<const std::string_view> cles; // file order
};

// Sorted by name, byte order.
std::span<const Table> tables();

} // namespace kalder::textes::donnees
