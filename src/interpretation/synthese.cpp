#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "interpretation/lecture.hpp"
#include "noyau/decomposition.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "textes/tables.hpp"
#include "theme/presence.hpp"

#include <string>

namespace kalder {

namespace {

std::string_view introduction(std::string_view cle) {
    return textes::entree(textes::tables::introductions, cle);
}

// Digit 0 has no grid cell, so a zero sum never warns.
void avertir_si_manquant(const ThemeCalcule& etat, Interpretation& doc, Nombre chiffre,
                         std::string_view suite) {
    if (!chiffre_manquant(etat, chiffre))
        return;
    const std::string c = std::to_string(chiffre);
    paragraphe(doc, {"Le chiffre ", c, " est manquant dans la grille d'inclusion.", " ",
                     textes::entree(textes::tables::avertissements, suite)});
}

void ecrire_grille(const ThemeCalcule& etat, Interpretation& doc) {
    titre(doc, 1, {"Grille d 'inclusion"});
    ligne_vide(doc);
    paragraphe(doc, {introduction("synthese_grille")});
    ligne_vide(doc);
    Nombre maximum = 0;
    for (int k = 1; k <= 9; ++k)
        if (compte_grille(etat, k) > maximum)
            maximum = compte_grille(etat, k);
    for (int k = 1; k <= 9; ++k) {
        if (compte_grille(etat, k) == maximum) {
            titre(doc, 3, {std::to_string(k), " dominant"});
            paragraphe(doc, {textes::entree(textes::tables::synthese_dominant, k)});
        }
    }
    for (int k = 1; k <= 9; ++k) {
        if (compte_grille(etat, k) == 0) {
            titre(doc, 3, {std::to_string(k), " manquant"});
            paragraphe(doc, {textes::entree(textes::tables::synthese_manquant, k)});
        }
    }
    ligne_separation(doc);
}

void ecrire_chemin(const ThemeCalcule& etat, Interpretation& doc) {
    const Nombre somme = somme_date(etat.theme.jour, etat.theme.mois, etat.theme.annee).total();
    if (somme == 0)
        return;
    titre(doc, 1, {"Chemin de vie"});
    ligne_vide(doc);
    paragraphe(doc, {introduction("synthese_chemin")});
    const Nombre maitre = reduire_maitre(somme);
    titre(doc, 3, {"Chemin de vie ", std::to_string(maitre)});
    paragraphe(doc, {textes::entree(textes::tables::synthese_chemin, cle(maitre))});
    avertir_si_manquant(etat, doc, reduire(somme), "chemin");
    ligne_separation(doc);
}

// The intimate number, the spiritual impulse and the expression share one pattern.
struct NombreDuNom {
    std::string_view entete;
    textes::NomTable table; // its name is also its key among the introductions
    std::string_view libelle;
    int indice_synth;
    Nombre Theme::*brut;
    std::string_view avertissement;
};

void ecrire_nombre_du_nom(const ThemeCalcule& etat, Interpretation& doc, const NombreDuNom& n) {
    titre(doc, 1, {n.entete});
    ligne_vide(doc);
    paragraphe(doc, {introduction(n.table.nom)});
    titre(doc, 3, {n.libelle, etat.synth[n.indice_synth].texte});
    const Nombre chiffre = reduire(etat.theme.*n.brut);
    paragraphe(doc, {textes::entree(n.table, cle(chiffre))});
    avertir_si_manquant(etat, doc, chiffre, n.avertissement);
}

void ecrire_piliers(const ThemeCalcule& etat, Interpretation& doc) {
    titre(doc, 1, {"Les trois piliers de vie"});
    ligne_vide(doc);
    paragraphe(doc, {introduction("synthese_piliers")});
    const Nombre* pierres = etat.theme.pierres.data();
    element(doc, {"Pierre angulaire ", std::to_string(pierres[1]),
                  " : Votre point d'appui dans la vie est ",
                  textes::entree(textes::tables::synthese_pierre, cle(pierres[1]))});
    element(doc, {"Nombre clef ", std::to_string(pierres[2]), " : Votre motivation est ",
                  textes::entree(textes::tables::synthese_clef, cle(pierres[2]))});
    element(doc, {"Dernière pierre ", std::to_string(pierres[3]),
                  " : L'aboutissement de votre action quotidienne est ",
                  textes::entree(textes::tables::synthese_derniere, cle(pierres[3]))});
    ligne_separation(doc);
}

void ecrire_modes(const ThemeCalcule& etat, Interpretation& doc) {
    titre(doc, 1, {"Mode d'expression"});
    ligne_vide(doc);
    paragraphe(doc, {introduction("synthese_modes")});
    const auto& modes = etat.theme.modes;
    const Nombre total =
        modes[mode::mental] + modes[mode::concret] + modes[mode::emotif] + modes[mode::intuitif];
    bool trouve = false;
    // Without any classified letter no ratio exists and nothing dominates.
    if (total != 0) {
        for (int i = mode::premier; i <= mode::dernier; ++i) {
            const double seuil = i < mode::nombre_lignes ? 0.4 : 0.5;
            if (static_cast<double>(modes[static_cast<std::size_t>(i)]) /
                    static_cast<double>(total) >
                seuil) {
                paragraphe(doc, {textes::entree(textes::tables::synthese_mode, i)});
                trouve = true;
            }
        }
    }
    if (!trouve)
        paragraphe(doc, {"Il n'y a pas de lettres en excès dans ce thème."});
}

void ecrire_mission(const ThemeCalcule& etat, Interpretation& doc) {
    const std::string& mission = etat.synth[synth::mission].texte;
    if (rogner(mission).empty())
        return;
    ligne_separation(doc);
    titre(doc, 1, {"Mission"});
    ligne_vide(doc);
    paragraphe(doc, {introduction("synthese_mission")});
    paragraphe(doc, {"Mission ", mission, " : ",
                     textes::entree(textes::tables::synthese_mission,
                                    cle(etat.synth[synth::mission].chiffre()))});
}

} // namespace

void calcul_synthese(const ThemeCalcule& etat, Interpretation& doc) {
    vider_interpretation(doc);
    ecrire_grille(etat, doc);
    ecrire_chemin(etat, doc);
    ecrire_nombre_du_nom(etat, doc,
                         {"Nombre intime (total des consonnes)", textes::tables::synthese_intime,
                          "Nombre intime ", synth::moi_intime, &Theme::moi_intime_brut, "intime"});
    ligne_vide(doc);
    ecrire_nombre_du_nom(etat, doc,
                         {"Elan spirituel (total des voyelles)", textes::tables::synthese_elan,
                          "Elan spirituel ", synth::elan, &Theme::elan_brut, "elan"});
    ligne_vide(doc);
    ecrire_nombre_du_nom(etat, doc,
                         {"Expression (total de toutes les lettres)",
                          textes::tables::synthese_expression, "Expression ", synth::expression,
                          &Theme::expression_brut, "expression"});
    ligne_separation(doc);
    ecrire_piliers(etat, doc);
    ecrire_modes(etat, doc);
    ecrire_mission(etat, doc);
}

} // namespace kalder
