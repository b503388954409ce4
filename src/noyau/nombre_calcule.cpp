#include "noyau/nombre_calcule.hpp"

namespace kalder {

bool NombreCalcule::ecrit() const {
    return ecriture != Ecriture::barre_sauf_zero || etapes.brut != 0;
}

bool NombreCalcule::avec_chiffre() const {
    const bool barre = ecriture == Ecriture::barre || ecriture == Ecriture::barre_sauf_zero;
    return barre && ecrit() && valeur() >= 10 && etapes.regle != Regle::dette_karmique;
}

Nombre NombreCalcule::chiffre() const {
    return avec_chiffre() ? reduire(valeur()) : valeur();
}

NombreCalcule nombre_entier(Nombre valeur, Ecriture ecriture) {
    NombreCalcule n{{Arret::chiffre, {}}, {}, ecriture};
    n.etapes.brut = valeur;
    return n;
}

NombreCalcule nombre_reduit(Nombre brut, Arret arret, Ecriture ecriture) {
    return {{arret, {}}, etapes_reduction(brut, arret), ecriture};
}

NombreCalcule nombre_reduit(const Somme& parts, Ecriture ecriture) {
    return {parts, etapes_reduction(parts.total(), parts.arret), ecriture};
}

std::string texte_nombre(const NombreCalcule& n) {
    if (!n.ecrit())
        return {};
    std::string t = std::to_string(n.valeur());
    if (n.ecriture == Ecriture::ans)
        return t + " ans";
    if (n.avec_chiffre()) {
        t.push_back('/');
        t += std::to_string(n.chiffre());
    }
    return t;
}

} // namespace kalder
