#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "interpretation/lecture.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/sommes.hpp"
#include "textes/tables.hpp"

#include <algorithm>

namespace kalder {

namespace {

std::string_view rangee(textes::NomTable table, const Slot& slot) {
    return textes::entree(table, cle(slot.valeur()));
}

// Pinnacles of every scale read their row by the digit after the slash.
std::string_view apogee(const Slot& slot) {
    return textes::entree(textes::tables::cycles_apogee, cle(slot.chiffre()));
}

void ecrire_defi_apogee(Interpretation& doc, const Slot& defi) {
    if (present(defi))
        paragraphe(doc, {"Défi ", defi.texte, " : ", rangee(textes::tables::cycles_defi, defi)});
}

void ecrire_vie_entiere(const ThemeCalcule& e, Interpretation& doc) {
    if (rogner(e.cycle1.texte).empty())
        return;
    titre(doc, 1, {"Vie entière"});
    ligne_vide(doc);
    titre(doc, 3, {"Cycle de formation :"});
    paragraphe(doc, {textes::entree(textes::tables::cycles_formation, cle(e.cycle1.valeur()))});
    titre(doc, 3, {"Cycle de production :"});
    paragraphe(doc, {textes::entree(textes::tables::cycles_production, cle(e.cycle2.valeur()))});
    titre(doc, 3, {"Cycle de moisson :"});
    paragraphe(doc, {textes::entree(textes::tables::cycles_moisson, cle(e.cycle3.valeur()))});

    ligne_vide(doc);
    titre(doc, 2, {"Les apogées de réalisation"});
    const std::string& fin1 = e.fin_apogee1.texte;
    const std::string& fin2 = e.fin_apogee2.texte;
    const std::string& fin3 = e.fin_apogee3.texte;
    titre(doc, 3, {"Avant ", fin1, " (organisation intérieure) :"});
    paragraphe(doc, {apogee(e.apogee1)});
    ecrire_defi_apogee(doc, e.defi_apogee1);
    titre(doc, 3, {"De ", fin1, " à ", fin2, " (Action, mission sociale) :"});
    paragraphe(doc, {apogee(e.apogee2)});
    ecrire_defi_apogee(doc, e.defi_apogee2);
    titre(doc, 3, {"De ", fin2, " à ", fin3, " (Expansion) :"});
    paragraphe(doc, {apogee(e.apogee3)});
    ecrire_defi_apogee(doc, e.defi_apogee3);
    titre(doc, 3, {"Après ", fin3, " (Intériorisation) :"});
    paragraphe(doc, {apogee(e.apogee4)});
    ecrire_defi_apogee(doc, e.defi_apogee4);
    ligne_separation(doc);
}

void ecrire_l_annee(const ThemeCalcule& e, Interpretation& doc) {
    const Nombre calcul = e.origines.annee_grille;
    titre(doc, 1, {"Année ", calcul != 0 ? std::to_string(calcul) : std::string()});
    const std::string& annee = e.annee_personnelle.texte;
    if (!rogner(annee).empty()) {
        ligne_vide(doc);
        paragraphe(doc, {"L'année personnelle révèle le climat qui accompagne l'individu pendant "
                         "cette année."});
        paragraphe(doc, {"Année personnelle ", annee, " : ",
                         rangee(textes::tables::cycles_annee, e.annee_personnelle)});
    }
    const std::string& lettre = e.lettre_passage.texte;
    if (!rogner(lettre).empty()) {
        ligne_vide(doc);
        paragraphe(doc, {"La lettre de passage révéle le climat secondaire de l'année."});
        paragraphe(doc, {"Lettre de passage ", lettre, " : ",
                         textes::entree(textes::tables::cycles_lettre, rogner(lettre))});
    }
}

// One commented value of the month: heading line, then "Libellé texte : phrase".
void ecrire_valeur(Interpretation& doc, const Slot& slot, std::string_view entete,
                   std::string_view libelle, std::string_view phrase) {
    if (!present(slot))
        return;
    ligne_vide(doc);
    paragraphe(doc, {entete});
    paragraphe(doc, {libelle, slot.texte, " : ", phrase});
}

void ecrire_le_mois(const ThemeCalcule& e, int mois, Interpretation& doc) {
    const auto m = static_cast<std::size_t>(std::clamp(mois, 1, nombre_mois));
    const std::size_t q = (m - 1) / 3 + 1;
    ligne_separation(doc);
    titre(doc, 1, {"Mois de ", noms_mois[m - 1]});

    ecrire_valeur(doc, e.Toi[m], "Le mois personnel révèle le climat du mois.", "Mois personnel ",
                  rangee(textes::tables::cycles_mois, e.Toi[m]));
    ecrire_valeur(doc, e.esse[m], "L'essence révèle le climat secondaire du mois.", "Essence ",
                  rangee(textes::tables::cycles_essence, e.esse[m]));
    ecrire_valeur(doc, e.apog[q],
                  "L'apogée marque le travail d'évolution intérieure en cours durant cette "
                  "période. Chaque apogée dure 3 mois.",
                  "Apogée ", apogee(e.apog[q]));
    ecrire_valeur(doc, e.leco[q],
                  "Le défi (ou leçon) marque le point à travailler durant cette période.", "Leçon ",
                  rangee(textes::tables::cycles_defi, e.leco[q]));
    ecrire_valeur(doc, e.periode[m], "Les périodes découpent l'année en 7 fragments de 52 jours.",
                  "Période ", rangee(textes::tables::cycles_periode, e.periode[m]));
    ecrire_valeur(doc, e.profec[m],
                  "Les profections permettent de prévoir le domaine de la vie qui sera modifié.",
                  "Profection ", rangee(textes::tables::cycles_profection, e.profec[m]));

    static constexpr std::string_view semaines[] = {
        "Apogée de la semaine 1 : ", "Apogée de la semaine 2 : ", "Apogée de la semaine 3 : ",
        "Apogée de la semaine 4 : "};
    for (int w = 1; w <= nombre_semaines; ++w) {
        const auto k = static_cast<std::size_t>(indice_semaine(w, static_cast<int>(m)));
        const std::string& semaine = e.semaine[k].texte;
        if (rogner(semaine).empty())
            continue;
        ligne_vide(doc);
        titre(doc, 3, {semaines[w - 1]});
        paragraphe(doc, {"Apogée ", semaine, " : ", apogee(e.semaine[k])});
        ecrire_defi_apogee(doc, e.semdef[k]);
    }
}

} // namespace

void ecrire_interpretation_annee(const ThemeCalcule& etat, int mois, Interpretation& doc) {
    vider_interpretation(doc);
    ecrire_vie_entiere(etat, doc);
    ecrire_l_annee(etat, doc);
    ecrire_le_mois(etat, mois, doc);
}

} // namespace kalder
