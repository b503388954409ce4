#include "cli/resume.hpp"

#include "explication/explications.hpp"

namespace kalder::cli {

namespace {

// Numbers shown in dark red get a star, as the window shows them in red.
std::string valeur(const Slot& s) {
    if (s.texte.empty())
        return "-";
    return s.couleur == Couleur::rouge_fonce ? s.texte + "*" : s.texte;
}

void ligne(std::string& out, std::string_view libelle, const Slot& s) {
    out += "  ";
    out += libelle;
    out += " : ";
    out += valeur(s);
    out += '\n';
}

template <typename T>
void rangee(std::string& out, std::string_view libelle, const T& slots, int debut, int fin) {
    out += "  ";
    out += libelle;
    out += " :";
    for (int i = debut; i <= fin; ++i) {
        out += ' ';
        out += valeur(slots[i]);
    }
    out += '\n';
}

} // namespace

std::string ecrire_resume(const EtatFenetre& e, bool explications) {
    const Theme& t = e.theme;
    std::string out;
    out += "Thème de " + t.prenom + " " + t.nom;
    if (t.jour != 0)
        out += ", né(e) le " + std::to_string(t.jour) + "/" + std::to_string(t.mois) + "/" +
               std::to_string(t.annee);
    out += "\n(* : chiffre absent de la grille d'inclusion ou nombre karmique)\n\nSynthèse\n";
    rangee(out, "Grille d'inclusion (1 à 9)", e.Grille, 1, 9);
    rangee(out, "Modes (mental, concret, émotif, intuitif, impulsion, réflexion, action)", e.lettre,
           0, 6);
    ligne(out, "Voyelles", e.synth[0]);
    ligne(out, "Consonnes", e.synth[1]);
    ligne(out, "Toutes les lettres", e.synth[2]);
    ligne(out, "Chemin de vie", e.synth[3]);
    ligne(out, "Mission", e.synth[4]);
    ligne(out, "Triangle", e.tri1);
    ligne(out, "Triangle", e.tri2);
    ligne(out, "Triangle", e.tri3);

    out += "\nDétails\n";
    const std::pair<const char*, int> nombres[] = {{"Elan spirituel", 0},
                                                   {"Moi intime", 4},
                                                   {"Expression", 3},
                                                   {"Nombre actif", 1},
                                                   {"Nombre héréditaire", 2},
                                                   {"Initiation spirituelle du moi intime", 8},
                                                   {"Nombre de vie", 9},
                                                   {"Nombre cosmique", 10},
                                                   {"Coefficient de dynamisme", 11},
                                                   {"Jour de naissance, vibration", 12},
                                                   {"Jour de naissance, défi", 14},
                                                   {"Jour de naissance, cadeau", 13},
                                                   {"Nombre d'équilibre", 5},
                                                   {"1ère voyelle du nom", 6},
                                                   {"Nombre de personnalité", 7}};
    for (const auto& [libelle, i] : nombres)
        ligne(out, libelle, e.Nomb[i]);
    rangee(out, "Défis (élan, moi intime, expression)", e.defi, 0, 2);
    for (int k = 0; k < 5; ++k)
        if (e.deco[k].visible)
            out += "  Mot « " + e.deco[k].texte + " » : voyelles " + valeur(e.des[k]) +
                   ", consonnes " + valeur(e.dei[k]) + "\n";

    out += "\nCycles\n";
    ligne(out, "Vie entière", e.vie[0]);
    out += "  Cycles : 0-28 ans " + valeur(e.cycle1) + ", 29-57 ans " + valeur(e.cycle2) +
           ", >57 ans " + valeur(e.cycle3) + "\n";
    out += "  Apogées : " + valeur(e.apogee1) + " (défi " + valeur(e.defi_apogee1) + ", " +
           valeur(e.fin_apogee1) + "), " + valeur(e.apogee2) + " (défi " + valeur(e.defi_apogee2) +
           ", " + valeur(e.fin_apogee2) + "), " + valeur(e.apogee3) + " (défi " +
           valeur(e.defi_apogee3) + ", " + valeur(e.fin_apogee3) + "), " + valeur(e.apogee4) +
           " (défi " + valeur(e.defi_apogee4) + ")\n";
    out += "  Année " + e.texte(ChampId::annee_calcul) + "\n";
    ligne(out, "Année personnelle", e.annee_personnelle);
    ligne(out, "Lettre de passage", e.lettre_passage);
    rangee(out, "Mois personnel", e.Toi, 1, 12);
    rangee(out, "Cycle mensuel", e.cym, 1, 12);
    rangee(out, "Essence", e.esse, 1, 12);
    out += "  Apogées de l'année :";
    for (int q = 1; q <= 4; ++q)
        out += " " + valeur(e.apog[q]) + " (défi " + valeur(e.leco[q]) + ")";
    out += '\n';
    rangee(out, "Période", e.periode, 1, 12);
    rangee(out, "Profection", e.profec, 1, 12);
    for (int w = 0; w < 4; ++w) {
        out += "  Apogée semaine " + std::to_string(w + 1) + " :";
        for (int m = 1; m <= 12; ++m)
            out += " " + valeur(e.semaine[12 * w + m]) + "/D" + valeur(e.semdef[12 * w + m]);
        out += '\n';
    }

    out += "\nEntente avec une autre personne\n";
    const char* const entente[] = {"Votre expression",       "Expression du partenaire",
                                   "Votre Chemin de vie",    "Chemin de vie du partenaire",
                                   "Expression commune",     "Chemin de vie commun",
                                   "Essence de la rencontre"};
    for (int i = 1; i <= 7; ++i)
        ligne(out, entente[i - 1], e.ent[i]);
    if (explications) {
        out += "\nExplications\n";
        for (const auto& [nom, texte] : expliquer_slots(e))
            if (!texte.empty())
                out += "  " + nom + " : " + texte + "\n";
    }
    return out;
}

} // namespace kalder::cli
