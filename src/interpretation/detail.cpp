#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "interpretation/lecture.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "textes/tables.hpp"

#include <string>

namespace kalder {

namespace {

// Unlike the other commentaries, a challenge is compared exactly, blanks included.
bool defi_absent(std::string_view c) {
    return c.empty() || c == "0";
}

std::string_view rangee(textes::NomTable table, const Slot& slot) {
    return textes::entree(table, cle(slot.valeur()));
}

void ecrire_dettes(const ThemeCalcule& etat, Interpretation& doc) {
    titre(doc, 1, {"Dettes impayées"});
    paragraphe(doc, {"Elles indiquent d'autres aspects du karma, éventuellement secondaires par "
                     "rapport à ceux mis en évidence avec la grille d'inclusion"});
    ligne_vide(doc);
    // A word's vowels or consonants stopped on that karmic debt.
    const auto sur_la_dette = [](const Slot& s, Nombre dette) {
        return s.nombre && s.nombre->etapes.regle == Regle::dette_karmique && s.valeur() == dette;
    };
    for (Nombre dette : {13, 14, 16, 19}) {
        bool trouvee = false;
        for (std::size_t k = 0; k < nombre_mots; ++k)
            trouvee =
                trouvee || sur_la_dette(etat.des[k], dette) || sur_la_dette(etat.dei[k], dette);
        if (trouvee)
            element(doc, {textes::entree(textes::tables::detail_karma, std::to_string(dette))});
    }
    ligne_separation(doc);
}

void ecrire_nombre_du_prenom_ou_du_nom(Interpretation& doc, std::string_view entete,
                                       std::string_view introduction, std::string_view libelle,
                                       const Slot& slot, Nombre brut) {
    titre(doc, 1, {entete});
    paragraphe(doc, {introduction});
    ligne_vide(doc);
    paragraphe(doc, {libelle, slot.texte, " : ",
                     textes::entree(textes::tables::detail_actif, cle(reduire_maitre(brut)))});
    ligne_separation(doc);
}

void ecrire_defis(const ThemeCalcule& etat, Interpretation& doc) {
    struct Defi {
        std::string_view introduction;
        int indice;
        textes::NomTable table;
    };
    static constexpr Defi defis[] = {
        {"Défi de l'élan spirituel : Il indique le travail à accomplir pour réaliser pleinement "
         "ses potentialités.",
         defi::voyelles, textes::tables::detail_defi},
        {"Défi du moi intime : Il indique la mise en garde à respecter pour réaliser pleinement "
         "ses potentialités.",
         defi::consonnes, textes::tables::detail_defi},
        {"Défi de l'expression : Il indique la mise en garde à respecter pour se faire "
         "comprendre, respecter et apprécier de l'entourage.",
         defi::global, textes::tables::detail_defi_expression},
    };
    titre(doc, 1, {"Leçons ou défis"});
    ligne_vide(doc);
    bool premier = true;
    for (const Defi& d : defis) {
        if (!premier)
            ligne_vide(doc);
        premier = false;
        paragraphe(doc, {d.introduction});
        const std::string& c = etat.defi[d.indice].texte;
        if (defi_absent(c))
            paragraphe(doc, {"Pas de défi."});
        else
            paragraphe(doc, {"Défi ", c, " : ", rangee(d.table, etat.defi[d.indice])});
    }
}

void ecrire_jour_de_naissance(const ThemeCalcule& etat, Interpretation& doc) {
    const std::string& vibration = etat.Nomb[nomb::vibration_jour].texte;
    if (!present(vibration))
        return;
    ligne_separation(doc);
    titre(doc, 1, {"Jour de naissance"});
    paragraphe(doc, {"Il indique comment l'individu se comporte durant sa vie adulte."});
    ligne_vide(doc);
    paragraphe(doc, {"Vibration ", vibration, " : ",
                     rangee(textes::tables::detail_vibration, etat.Nomb[nomb::vibration_jour])});

    ligne_vide(doc);
    paragraphe(doc, {"Défi du jour de naissance : Il donne une mise en garde sur la valeur propre "
                     "de l'individu."});
    const std::string& defi = etat.Nomb[nomb::defi_jour].texte;
    if (defi_absent(defi))
        paragraphe(doc, {"Pas de défi"});
    else
        paragraphe(doc, {"Défi ", defi, " : ",
                         rangee(textes::tables::detail_defi_jour, etat.Nomb[nomb::defi_jour])});

    ligne_vide(doc);
    paragraphe(doc, {textes::entree(textes::tables::introductions, "detail_cadeau")});
    const std::string& cadeau = etat.Nomb[nomb::cadeau_jour].texte;
    if (!defi_absent(cadeau))
        paragraphe(doc, {"Cadeau ", cadeau, " : ",
                         rangee(textes::tables::detail_cadeau, etat.Nomb[nomb::cadeau_jour])});
}

void ecrire_equilibre(const ThemeCalcule& etat, Interpretation& doc) {
    ligne_separation(doc);
    titre(doc, 1, {"Nombre d'équilibre (total des initiales)"});
    paragraphe(doc, {textes::entree(textes::tables::introductions, "detail_equilibre")});
    ligne_vide(doc);
    const std::string& equilibre = etat.Nomb[nomb::equilibre].texte;
    paragraphe(doc, {"Nombre d'équilibre ", equilibre, " : ",
                     rangee(textes::tables::detail_equilibre, etat.Nomb[nomb::equilibre])});
}

void ecrire_premiere_voyelle(const ThemeCalcule& etat, Interpretation& doc) {
    ligne_separation(doc);
    titre(doc, 1, {"Première voyelle du nom"});
    paragraphe(doc,
               {"Elle indique le domaine de la vie où l'individu est particulièrement à l'aise."});
    ligne_vide(doc);
    const std::string& voyelle = etat.Nomb[nomb::premiere_voyelle].texte;
    std::string majuscule = voyelle;
    for (char& c : majuscule)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    // The table holds only A, E, I, O, U and Y: any other text reads no row.
    const std::string_view mot = textes::entree(textes::tables::detail_voyelle, majuscule);
    paragraphe(doc, {"Première voyelle ", voyelle, " : ", mot});
}

} // namespace

void calcul_detail(const ThemeCalcule& etat, Interpretation& doc) {
    vider_interpretation(doc);
    ecrire_dettes(etat, doc);
    ecrire_nombre_du_prenom_ou_du_nom(
        doc, "Nombre actif (lettres du prénom)", "Il indique la vibration personnelle du prénom",
        "Nombre actif ", etat.Nomb[nomb::actif], etat.theme.actif_brut);
    ecrire_nombre_du_prenom_ou_du_nom(doc, "Nombre héréditaire (lettres du nom)",
                                      "Il indique la vibration transmise par la famille",
                                      "Nombre héréditaire ", etat.Nomb[nomb::hereditaire],
                                      etat.theme.hereditaire_brut);
    ecrire_defis(etat, doc);
    ecrire_jour_de_naissance(etat, doc);
    ecrire_equilibre(etat, doc);
    ecrire_premiere_voyelle(etat, doc);
}

} // namespace kalder
