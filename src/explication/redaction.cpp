#include "explication/redaction.hpp"

#include "noyau/decomposition.hpp"
#include "noyau/lettres.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/typographie.hpp"
#include "noyau/utf8.hpp"

#include <algorithm>

namespace kalder::explication {

namespace {

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

namespace {

std::string chaine(const Etapes& e) {
    std::string r = nombre(e.brut);
    r.reserve(64);
    Nombre v = e.brut;
    for (Nombre suivant : e.suite()) {
        r += " → ";
        ajouter_chiffres(r, v);
        r += typo::egal;
        r += nombre(suivant);
        v = suivant;
    }
    return r;
}

} // namespace

std::string chaine(Nombre brut, Forme forme) {
    return chaine(etapes_reduction(brut, arret_de(forme)));
}

std::string reduction(Nombre brut, Forme forme) {
    const Etapes e = etapes_reduction(brut, arret_de(forme));
    std::string r = chaine(e);
    const std::string texte = texte_forme(brut, forme);
    switch (e.regle) {
    case Regle::maitre_garde:
        return r + ", nombre maître gardé" + std::string(typo::deux_points) + texte;
    case Regle::dette_karmique:
        return r + ", dette karmique" + std::string(typo::deux_points) + texte;
    case Regle::ordinaire:
        break;
    }
    // The form shown is no further step: no arrow for it.
    if (texte != nombre(e.fin()))
        r += ", écrit " + texte;
    return r;
}

namespace {

bool part_de_date(Part part) {
    return part == Part::jour || part == Part::mois || part == Part::annee;
}

// A sum of the birth date whose date parts are all 0: the theme has no date.
bool sans_date(const Somme& somme) {
    bool date = false;
    for (const Terme& t : somme.liste()) {
        if (!part_de_date(t.part))
            continue;
        if (t.valeur != 0)
            return false;
        date = true;
    }
    return date;
}

} // namespace

std::string termes_somme(const Somme& somme, bool majuscule) {
    const bool sans = sans_date(somme);
    std::string r;
    for (const Terme& t : somme.liste()) {
        if (sans && part_de_date(t.part))
            continue;
        if (!r.empty())
            r += " + ";
        r += libelle_part(t.part);
        r += typo::insecable;
        r += nombre(t.valeur);
    }
    if (sans)
        return std::string(majuscule ? date_absente : "date de naissance absente") +
               std::string(typo::deux_points) + r;
    if (majuscule && !r.empty() && r[0] >= 'a' && r[0] <= 'z')
        r[0] = static_cast<char>(r[0] - 'a' + 'A');
    return r;
}

std::string somme_ecrite(const Somme& somme, Forme forme) {
    // Without a date a single term may be left: its value is written once.
    if (sans_date(somme)) {
        const Terme* seul = nullptr;
        int restants = 0;
        for (const Terme& t : somme.liste())
            if (!part_de_date(t.part)) {
                seul = &t;
                ++restants;
            }
        if (restants == 1)
            return std::string(date_absente) + std::string(typo::deux_points) +
                   std::string(libelle_part(seul->part)) + std::string(typo::insecable) +
                   reduction(seul->valeur, forme);
    }
    return termes_somme(somme, true) + std::string(typo::egal) + reduction(somme.total(), forme);
}

std::string_view libelle_part(Part part) {
    switch (part) {
    case Part::jour:
        return "jour";
    case Part::mois:
        return "mois";
    case Part::annee:
        return "année";
    case Part::voyelles:
        return "voyelles";
    case Part::consonnes:
        return "consonnes";
    case Part::lettres:
        return "toutes les lettres";
    case Part::lettres_nom:
        return "lettres du nom";
    case Part::lettres_premier_mot:
        return "lettres du 1er mot";
    case Part::annee_personnelle:
        return "année personnelle";
    case Part::cycle_mensuel:
        return "cycle mensuel";
    case Part::mois_personnel:
        return "mois personnel";
    case Part::expression_partenaire:
        return "expression de l'autre personne";
    case Part::votre_expression:
        return "votre expression";
    case Part::chemin_partenaire:
        return "chemin de vie de l'autre personne";
    case Part::votre_chemin:
        return "votre chemin de vie";
    }
    return {};
}

std::string lettre_affichee(char32_t c) {
    std::string r;
    if (valeur_caractere(c) == 0) {
        ajouter_utf8(r, c);
        return est_lettre(c) ? r : guillemets(r);
    }
    if (c >= 0x80) {
        ajouter_utf8(r, c);
        r += "→";
    }
    ajouter_utf8(r, plier(c));
    return r;
}

std::string lettre_comptee(char32_t c) {
    const int valeur = valeur_caractere(c);
    if (valeur == 0)
        return lettre_affichee(c) + std::string(sans_valeur);
    return lettre_affichee(c) + std::string(typo::insecable) + nombre(valeur);
}

std::string note_accents(std::u32string_view texte) {
    for (char32_t c : texte)
        if (c >= 0x80 && est_voyelle_pliee(plier(c)))
            return " (les voyelles accentuées comptent ici comme consonnes)";
    return {};
}

namespace {

std::string termes(std::u32string_view texte, Classe classe) {
    std::vector<std::string> liste;
    // Letters without a value are shown at 0; blanks, digits and signs are no letters.
    for (const LettreComptee& l : lettres_comptees(texte, classe))
        if (l.valeur != 0 || est_lettre(l.ecrite))
            liste.push_back(lettre_comptee(l.ecrite));
    if (liste.empty())
        return "aucune lettre";
    return joindre(liste, " + ");
}

} // namespace

std::string termes_lettres(std::u32string_view texte) {
    return termes(texte, Classe::lettres);
}
std::string termes_voyelles(std::u32string_view texte) {
    return termes(texte, Classe::voyelles);
}
std::string termes_consonnes(std::u32string_view texte) {
    return termes(texte, Classe::consonnes);
}

std::string joindre(const std::vector<std::string>& elements, std::string_view separateur) {
    // Every item: an explanation that stops short explains nothing.
    std::string r;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i)
            r += separateur;
        r += elements[i];
    }
    return r;
}

std::string guillemets(std::string_view texte) {
    return typo::guillemets(texte);
}

} // namespace kalder::explication
