// The hand-filled model shared by the interpretation tests.
#include "exemple.hpp"

#include "noyau/reductions.hpp"
#include "saisie_personne.hpp"

namespace kalder::essai {

void poser(Slot& slot, std::string_view texte) {
    slot.texte.clear();
    slot.texte.append(texte);
}

EtatFenetre exemple_rempli() {
    EtatFenetre e = anne_marie_dupont();
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
    poser(e.vie[0], "Chemin de vie : 8");
    poser(e.tri1, "Pierre angulaire : 1");
    poser(e.tri2, "Nombre clef : 8");
    poser(e.tri3, "Dernière pierre : 5");
    poser(e.cycle1, "7");
    poser(e.cycle2, "6");
    poser(e.cycle3, "22/4");
    poser(e.apogee1, "22/4");
    poser(e.apogee2, "19/1");
    poser(e.apogee3, "41/5");
    poser(e.apogee4, "20/2");
    poser(e.fin_apogee1, "28 ans");
    poser(e.fin_apogee2, "37 ans");
    poser(e.fin_apogee3, "46 ans");
    poser(e.defi_apogee1, "1");
    poser(e.defi_apogee2, "2");
    poser(e.defi_apogee3, "1");
    poser(e.defi_apogee4, "3");

    poser(e.annee_personnelle, "5");
    poser(e.lettre_passage, "P");
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
    remplir(e.ent, 1, {"8", "", "8", "", "", "", ""});
    return e;
}

} // namespace kalder::essai
