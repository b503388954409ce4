#pragma once
// A model filled by hand as "Calculer" leaves it for Anne-Marie Dupont, born
// 15/7/1975, with the year grid of Anne Dupont (17/5/1980) for 2026.

#include "core/reductions.hpp"
#include "modele/etat_fenetre.hpp"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kalder::essai {

template <std::size_t N>
void remplir(std::array<Slot, N>& slots, std::size_t debut,
             std::initializer_list<std::string_view> textes) {
    for (std::string_view t : textes)
        slots[debut++].texte = t;
}

inline EtatFenetre exemple_rempli() {
    EtatFenetre e;
    e.saisir(ChampId::prenom, "Anne-Marie");
    e.saisir(ChampId::nom, "Dupont");
    e.saisir(ChampId::jour, "15");
    e.saisir(ChampId::mois, "7");
    e.saisir(ChampId::annee, "1975");
    e.saisir(ChampId::annee_calcul, "2026");
    Theme& t = e.theme;
    t.prenom = "Anne-Marie";
    t.nom = "Dupont";
    t.jour = 15;
    t.mois = 7;
    t.annee = 1975;
    t.elan_brut = 30;
    t.moi_intime_brut = 41;
    t.expression_brut = 71;
    t.actif_brut = 44;
    t.hereditaire_brut = 27;
    t.pierres = {0, 1, 8, 5};
    t.modes = {6, 4, 4, 1, 7, 6, 2};

    remplir(e.Grille, 1, {"2", "1", "1", "2", "5", "1", "1", "0", "2"});
    remplir(e.lettre, 0, {"6", "4", "4", "1", "7", "6", "2"});
    remplir(e.synth, 0, {"3", "5", "8", "8", "22/4"});
    remplir(e.Nomb, 0,
            {"3", "8", "9", "8", "5", "9", "U", "5", "7", "7", "7", "4", "15", "5", "4"});
    remplir(e.defi, 0, {"5", "3", "2"});
    remplir(e.deco, 0, {"Anne", "Marie", "Dupont"});
    remplir(e.des, 0, {"6", "6", "9"});
    remplir(e.dei, 0, {"1", "13", "9"});
    e.vie[0].texte = "Chemin de vie : 8";
    e.tri1.texte = "Pierre angulaire : 1";
    e.tri2.texte = "Nombre clef : 8";
    e.tri3.texte = "Dernière pierre : 5";
    e.cycle1.texte = "7";
    e.cycle2.texte = "6";
    e.cycle3.texte = "22/4";
    e.apogee1.texte = "22/4";
    e.apogee2.texte = "19/1";
    e.apogee3.texte = "41/5";
    e.apogee4.texte = "20/2";
    e.fin_apogee1.texte = "28 ans";
    e.fin_apogee2.texte = "37 ans";
    e.fin_apogee3.texte = "46 ans";
    e.defi_apogee1.texte = "1";
    e.defi_apogee2.texte = "2";
    e.defi_apogee3.texte = "1";
    e.defi_apogee4.texte = "3";

    e.annee_personnelle.texte = "5";
    e.lettre_passage.texte = "P";
    remplir(e.Toi, 1, {"6", "7", "8", "9", "1", "2", "3", "4", "5", "6", "7", "8"});
    remplir(e.cym, 1, {"6", "6", "6", "6", "6", "9", "9", "9", "9", "6", "6", "6"});
    remplir(e.esse, 1, {"3", "4", "5", "6", "7", "11", "3", "4", "5", "3", "4", "5"});
    remplir(e.apog, 1, {"32/5", "36/9", "68/5", "24/6"});
    remplir(e.leco, 1, {"6", "6", "8", "8"});
    remplir(e.periode, 1, {"5", "6", "6", "7", "7", "1", "2", "2", "3", "3", "4", "5"});
    remplir(e.profec, 1, {"10", "10", "10", "10", "10", "11", "11", "11", "11", "11", "11", "11"});
    // Every week slot distinct, so that a wrong index shows; k = 9, 18... carry challenge 0.
    for (std::size_t k = 1; k <= 48; ++k) {
        e.semaine[k].texte = texte_apogee(static_cast<Nombre>(10 + k));
        e.semdef[k].texte = std::to_string(k % 9);
    }
    remplir(e.ent, 1, {"8", "", "5", "", "", "", ""});
    return e;
}

// The lines of a text, each of which must end with CR LF.
inline std::vector<std::string> lignes(std::string_view texte) {
    std::vector<std::string> r;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string_view::npos) {
            r.emplace_back("<sans CR LF>");
            break;
        }
        r.emplace_back(texte.substr(debut, fin - debut));
        debut = fin + 2;
    }
    return r;
}

inline std::string joindre(std::initializer_list<std::string_view> lignes) {
    std::string r;
    for (std::string_view l : lignes) {
        r += l;
        r += "\r\n";
    }
    return r;
}

inline const std::string separation(150, '-');

} // namespace kalder::essai
