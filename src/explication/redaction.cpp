#include "explication/redaction.hpp"

#include "noyau/lettres.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"

#include <algorithm>

namespace kalder::explication {

namespace {

// More terms than this make a tooltip no one reads; the total says the rest.
constexpr std::size_t termes_au_plus = 40;

Arret arret_de(Forme forme) {
    switch (forme) {
    case Forme::chiffre:
        return Arret::chiffre;
    case Forme::maitre:
    case Forme::maitre_nu:
        return Arret::maitre;
    case Forme::karmique:
        return Arret::karmique;
    case Forme::jusqua22:
        return Arret::jusqua22;
    case Forme::apogee:
        return Arret::jusqua99;
    }
    return Arret::chiffre;
}

// "1 + 9 + 9 + 7", appended.
void ajouter_chiffres(std::string& r, Nombre n) {
    const std::string t = nombre(n < 0 ? -n : n);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i)
            r += " + ";
        r += t[i];
    }
}

bool garde_la_regle(Forme forme) {
    return forme == Forme::maitre || forme == Forme::maitre_nu || forme == Forme::karmique;
}

} // namespace

std::string nombre(Nombre n) {
    return std::to_string(n);
}

std::string texte_forme(Nombre brut, Forme forme) {
    switch (forme) {
    case Forme::chiffre:
        return nombre(reduire(brut));
    case Forme::maitre:
        return texte_maitre(brut);
    case Forme::maitre_nu:
        return nombre(reduire_maitre(brut));
    case Forme::karmique:
        return texte_karmique(brut);
    case Forme::jusqua22:
        return texte_reduit_22(brut);
    case Forme::apogee:
        return texte_apogee(reduire_99(brut));
    }
    return {};
}

std::string chaine(Nombre brut, Forme forme) {
    const Arret arret = arret_de(forme);
    std::string r = nombre(brut);
    r.reserve(64);
    for (Nombre v = brut; !arret_atteint(arret, v);) {
        const Nombre suivant = somme_chiffres(v);
        r += " → ";
        ajouter_chiffres(r, v);
        r += " = ";
        r += nombre(suivant);
        v = suivant;
    }
    return r;
}

std::string reduction(Nombre brut, Forme forme) {
    std::string r = chaine(brut, forme);
    const Nombre fin = reduire_jusqua(arret_de(forme), brut);
    const std::string texte = texte_forme(brut, forme);
    if (garde_la_regle(forme) && (fin == 11 || fin == 22 || fin == 33))
        return r + ", nombre maître gardé : " + texte;
    if (forme == Forme::karmique && dette_karmique(fin))
        return r + ", dette karmique : " + texte;
    if (texte != nombre(fin))
        r += " → " + texte;
    return r;
}

std::string lettre_affichee(char32_t c) {
    const char32_t pliee = plier(c);
    std::string r;
    if (c >= 0x80) {
        ajouter_utf8(r, c);
        r += "→";
    }
    ajouter_utf8(r, pliee);
    return r;
}

namespace {

template <typename Garder> std::string termes(std::u32string_view texte, Garder garder) {
    std::vector<std::string> liste;
    for (char32_t c : texte) {
        if (!garder(c))
            continue;
        const int valeur = valeur_caractere(c);
        if (valeur != 0)
            liste.push_back(lettre_affichee(c) + " " + nombre(valeur));
    }
    if (liste.empty())
        return "aucune lettre";
    return joindre(liste, " + ");
}

} // namespace

std::string termes_lettres(std::u32string_view texte) {
    return termes(texte, [](char32_t) { return true; });
}
std::string termes_voyelles(std::u32string_view texte) {
    return termes(texte, est_voyelle_des_sommes);
}
std::string termes_consonnes(std::u32string_view texte) {
    return termes(texte, [](char32_t c) { return !est_voyelle_des_sommes(c); });
}

std::string joindre(const std::vector<std::string>& elements, std::string_view separateur) {
    std::string r;
    const std::size_t montres = std::min(elements.size(), termes_au_plus);
    for (std::size_t i = 0; i < montres; ++i) {
        if (i)
            r += separateur;
        r += elements[i];
    }
    if (elements.size() > montres) {
        r += separateur;
        r += "… " + nombre(static_cast<Nombre>(elements.size() - montres)) + " de plus";
    }
    return r;
}

std::string guillemets(std::string_view texte) {
    return "« " + std::string(texte) + " »";
}

} // namespace kalder::explication
