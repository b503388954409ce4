#pragma once
// How the commentaries read a slot back.

#include "modele/theme_calcule.hpp"
#include "noyau/nombre_saisi.hpp"

#include <string_view>

namespace kalder {

// A value shown as "0" counts as nothing to comment on, like an empty slot.
inline bool present(const Slot& slot) {
    return present(slot.texte);
}

// A number as a table key; one too large for any table reads no row.
inline int cle(Nombre n) {
    return n >= -1000 && n <= 1000 ? static_cast<int>(n) : -1;
}

} // namespace kalder
