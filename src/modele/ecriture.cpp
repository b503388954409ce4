#include "modele/ecriture.hpp"

#include <utility>

namespace kalder {

void ecrire(Slot& slot, const NombreCalcule& nombre, Couleur couleur) {
    slot.texte = texte_nombre(nombre);
    slot.couleur = couleur;
    slot.nombre = nombre;
    slot.legende = {};
}

void ecrire(Slot& slot, std::string_view legende, const NombreCalcule& nombre, Couleur couleur) {
    ecrire(slot, nombre, couleur);
    slot.texte = std::string(legende) + " : " + slot.texte;
    slot.legende = legende;
}

void ecrire_texte(Slot& slot, std::string texte, Couleur couleur) {
    slot.texte = std::move(texte);
    slot.couleur = couleur;
    slot.nombre.reset();
    slot.legende = {};
}

void vider(Slot& slot) {
    slot.texte.clear();
    slot.nombre.reset();
    slot.legende = {};
}

} // namespace kalder
