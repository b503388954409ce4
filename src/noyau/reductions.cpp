#include "noyau/reductions.hpp"

namespace kalder {

namespace {

bool chiffre(Nombre n) {
    return n >= 0 && n <= 9;
}
bool maitre(Nombre n) {
    return chiffre(n) || n == 11 || n == 22 || n == 33;
}

// The number, then "/" and its digit when it has two digits or more.
std::string avec_barre(Nombre n) {
    std::string t = std::to_string(n);
    if (n >= 10) {
        t.push_back('/');
        t += std::to_string(reduire(n));
    }
    return t;
}

} // namespace

bool arret_atteint(Arret arret, Nombre n) {
    switch (arret) {
    case Arret::chiffre:
        return chiffre(n);
    case Arret::maitre:
        return maitre(n);
    case Arret::jusqua22:
        return n >= 0 && n <= 22;
    case Arret::jusqua99:
        return n >= 0 && n <= 99;
    case Arret::karmique:
        return maitre(n) || dette_karmique(n);
    }
    return true;
}

Nombre reduire_jusqua(Arret arret, Nombre n) {
    return reduire_en_suivant(arret, n, [](Nombre) {});
}

bool dette_karmique(Nombre n) {
    return n == 13 || n == 14 || n == 16 || n == 19;
}

Nombre somme_chiffres(Nombre n) {
    auto u = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    Nombre s = 0;
    for (; u != 0; u /= 10)
        s += static_cast<Nombre>(u % 10);
    return s;
}

Nombre reduire(Nombre n) {
    return reduire_jusqua(Arret::chiffre, n);
}
Nombre reduire_maitre(Nombre n) {
    return reduire_jusqua(Arret::maitre, n);
}
Nombre reduire_99(Nombre n) {
    return reduire_jusqua(Arret::jusqua99, n);
}
Nombre reduire_karmique(Nombre n) {
    return reduire_jusqua(Arret::karmique, n);
}

std::string texte_maitre(Nombre n) {
    return n == 0 ? std::string() : avec_barre(reduire_maitre(n));
}

std::string texte_reduit_22(Nombre n) {
    return n == 0 ? std::string() : avec_barre(reduire_jusqua(Arret::jusqua22, n));
}

std::string texte_karmique(Nombre n) {
    if (n == 0)
        return {};
    const Nombre r = reduire_karmique(n);
    if (dette_karmique(r))
        return std::to_string(r);
    return avec_barre(r);
}

std::string texte_apogee(Nombre v) {
    return avec_barre(v);
}

} // namespace kalder
