#pragma once
// Writing a display slot: the one place a slot's text is made, from the
// number it is given (or the word or letter it shows), and where it is emptied.

#include "modele/theme_calcule.hpp"

#include <string>
#include <string_view>

namespace kalder {

// A number, its text and, every time, its colour.
void ecrire(Slot& slot, const NombreCalcule& nombre, Couleur couleur = Couleur::defaut);
// "Pierre angulaire : 8": a caption before the number.
void ecrire(Slot& slot, std::string_view legende, const NombreCalcule& nombre,
            Couleur couleur = Couleur::defaut);
// A word or a letter, not a number.
void ecrire_texte(Slot& slot, std::string texte, Couleur couleur = Couleur::defaut);
// Nothing to show; the colour and visibility stay.
void vider(Slot& slot);

template <typename Slots> void vider_tous(Slots& slots) {
    for (Slot& s : slots)
        vider(s);
}

} // namespace kalder
