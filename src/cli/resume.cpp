#include "cli/resume.hpp"
#include "noyau/ages_vie.hpp"

#include "explication/explications.hpp"
#include "modele/catalogue.hpp"
#include "noyau/date_chiffres.hpp"
#include "noyau/elision.hpp"
#include "noyau/lettres.hpp"
#include "noyau/typographie.hpp"
#include "noyau/utf8.hpp"

#include <algorithm>
namespace kalder::cli {

namespace {

const std::string deux_points{typo::deux_points};

// Numbers shown in dark red get a star, as the window shows them in red.
std::string valeur(const Slot& s) {
    if (s.texte.empty())
        return "-";
    return s.couleur == Couleur::rouge_fonce ? s.texte + "*" : s.texte;
}

void ligne(std::string& out, std::string_view libelle, const Slot& s) {
    out += "  ";
    out += libelle;
    out += deux_points;
    out += valeur(s);
    out += '\n';
}

// A slot that holds its own caption ("Chemin de vie : 8") under the row's:
// "Vie entière (chemin de vie) : 8".
void ligne(std::string& out, const ThemeCalcule& e, const Slot& s) {
    if (s.legende.empty())
        return ligne(out, libelle_slot(e, s), s);
    std::string legende(s.legende);
    if (legende[0] >= 'A' && legende[0] <= 'Z')
        legende[0] = static_cast<char>(legende[0] - 'A' + 'a');
    Slot nombre = s;
    nombre.texte = s.texte_valeur();
    ligne(out, libelle_slot(e, s) + " (" + legende + ")", nombre);
}

template <typename T>
void rangee(std::string& out, std::string_view libelle, const T& slots, int debut, int fin) {
    out += "  ";
    out += libelle;
    out += typo::fine;
    out += ':';
    for (int i = debut; i <= fin; ++i) {
        out += ' ';
        out += valeur(slots[i]);
    }
    out += '\n';
}

// A run of slots under the caption of its catalogue row.
template <typename T> void rangee(std::string& out, const ThemeCalcule& e, const T& slots) {
    const PlaceSlot p = place_slot(e, slots[slots.size() - 1]);
    rangee(out, p.entree->titre, slots, p.entree->premier, p.entree->dernier);
}

// The number alone: "1" for "Pierre angulaire : 1", the caption being in the first column.
std::string valeur_seule(const Slot& s) {
    Slot nombre = s;
    nombre.texte = s.texte_valeur();
    return valeur(nombre);
}

// Pads to `largeur` characters, not bytes: captions hold accents.
std::string cale(const std::string& texte, std::size_t largeur) {
    const std::size_t n = decoder_utf8(texte).size();
    return texte + std::string(largeur > n ? largeur - n : 0, ' ');
}

// A triangle slot holds its own caption ("Pierre angulaire : 1", or the bare
// caption before a calculation): written once, with the value after it.
void ligne_triangle(std::string& out, const Slot& s) {
    const bool calcule = !s.legende.empty();
    const std::string_view libelle = calcule ? s.legende : std::string_view(s.texte);
    Slot nombre = s;
    nombre.texte = calcule ? std::string(s.texte_valeur()) : std::string();
    ligne(out, libelle, nombre);
}

// "\nDétails\n": a tab's title as the heading of its numbers.
std::string titre_onglet(std::size_t onglet) {
    return "\n" + std::string(onglets_catalogue[onglet].titre) + "\n";
}

} // namespace

std::string ecrire_variantes(std::span<const LigneVariante> lignes) {
    std::string out = "\nVariantes du nom\n";
    for (const NombreDate& n : nombres_de_la_date(lignes.front()))
        out += "  " + n.libelle + deux_points + n.slot.texte + "\n";
    const auto& colonnes = colonnes_nom();
    std::vector<std::vector<std::string>> table(colonnes.size() + 1);
    table[0].push_back("");
    for (std::size_t c = 0; c < colonnes.size(); ++c)
        table[c + 1].push_back(colonnes[c].libelle);
    for (const LigneVariante& l : lignes) {
        table[0].push_back(l.nom.prenom + " " + l.nom.nom);
        for (std::size_t c = 0; c < colonnes.size(); ++c)
            table[c + 1].push_back(l.erreur ? "-" : valeur_seule(l.cellules[c]));
    }
    std::vector<std::size_t> largeurs(table[0].size());
    for (const auto& rangee : table)
        for (std::size_t k = 0; k < rangee.size(); ++k)
            largeurs[k] = std::max(largeurs[k], decoder_utf8(rangee[k]).size());
    for (const auto& rangee : table) {
        std::string ligne = " ";
        for (std::size_t k = 0; k < rangee.size(); ++k)
            ligne += " " + cale(rangee[k], largeurs[k]);
        ligne.erase(ligne.find_last_not_of(' ') + 1);
        out += ligne + "\n";
    }
    return out;
}

std::string ecrire_resume(const ThemeCalcule& e, bool explications) {
    const Theme& t = e.theme;
    std::string out;
    out += "Thème " + de(t.prenom) + " " + t.nom;
    if (t.jour != 0)
        out += ", date de naissance" + deux_points + date_chiffres(t.jour, t.mois, t.annee);
    out += "\n(*" + deux_points + "chiffre absent de la grille d'inclusion ou dette karmique)\n";
    out += titre_onglet(0);
    rangee(out, "Grille d'inclusion (1 à 9)", e.Grille, chiffres::premier, chiffres::dernier);
    rangee(out, "Modes (mental, concret, émotif, intuitif, impulsion, réflexion, action)", e.lettre,
           mode::premier, mode::dernier);
    for (int i = synth::premier; i <= synth::dernier; ++i)
        ligne(out, e, e.synth[i]);
    for (const Slot* s : {&e.tri1, &e.tri2, &e.tri3})
        ligne_triangle(out, *s);

    out += titre_onglet(1);
    // In the order the "Détails" tab shows them.
    constexpr int nombres[] = {
        nomb::elan,        nomb::moi_intime,       nomb::expression,  nomb::actif,
        nomb::hereditaire, nomb::initiation,       nomb::vie,         nomb::cosmique,
        nomb::dynamisme,   nomb::vibration_jour,   nomb::defi_jour,   nomb::cadeau_jour,
        nomb::equilibre,   nomb::premiere_voyelle, nomb::personnalite};
    for (int i : nombres)
        ligne(out, e, e.Nomb[i]);
    rangee(out, "Défis (élan, moi intime, expression)", e.defi, defi::premier, defi::dernier);
    for (int k = 0; k < nombre_mots; ++k)
        if (e.deco[k].visible)
            out += "  Mot " + typo::guillemets(e.deco[k].texte) + deux_points + "voyelles " +
                   valeur(e.des[k]) + ", consonnes " + valeur(e.dei[k]) + "\n";

    out += titre_onglet(2);
    ligne(out, e, e.vie[indice_vie_entiere]);
    // "0 à 28 ans : 5", from the cycle's caption "Cycle de 0 à 28 ans".
    const auto ages = [](int cycle) {
        std::string_view titre = cycles_de_vie[static_cast<std::size_t>(cycle)].titre;
        for (std::string_view debut : {"Cycle de ", "Cycle "})
            if (titre.starts_with(debut)) {
                titre.remove_prefix(debut.size());
                break;
            }
        return std::string(titre) + deux_points;
    };
    out += "  Cycles" + deux_points + ages(0) + valeur(e.cycle1) + ", " + ages(1) +
           valeur(e.cycle2) + ", " + ages(2) + valeur(e.cycle3) + "\n";
    out += "  Apogées" + deux_points + valeur(e.apogee1) + " (défi " + valeur(e.defi_apogee1) +
           ", jusqu'à " + valeur(e.fin_apogee1) + "), " + valeur(e.apogee2) + " (défi " +
           valeur(e.defi_apogee2) + ", jusqu'à " + valeur(e.fin_apogee2) + "), " +
           valeur(e.apogee3) + " (défi " + valeur(e.defi_apogee3) + ", jusqu'à " +
           valeur(e.fin_apogee3) + "), " + valeur(e.apogee4) + " (défi " + valeur(e.defi_apogee4) +
           ")\n";
    const Nombre calcul = e.origines.annee_grille;
    out += "  Année de calcul " + (calcul != 0 ? std::to_string(calcul) : std::string()) + "\n";
    ligne(out, e, e.annee_personnelle);
    ligne(out, e, e.lettre_passage);
    rangee(out, e, e.Toi);
    rangee(out, e, e.cym);
    rangee(out, e, e.esse);
    out +=
        "  " + std::string(place_slot(e, e.apog[1]).entree->titre) + std::string(typo::fine) + ":";
    for (int q = 1; q <= nombre_apogees; ++q)
        out += " " + valeur(e.apog[q]) + " (défi " + valeur(e.leco[q]) + ")";
    out += '\n';
    rangee(out, e, e.periode);
    rangee(out, e, e.profec);
    for (int w = 1; w <= nombre_semaines; ++w) {
        out += "  Apogée de la semaine " + std::to_string(w) + std::string(typo::fine) + ":";
        for (int m = 1; m <= nombre_mois; ++m)
            out += " " + valeur(e.semaine[indice_semaine(w, m)]) + " (défi " +
                   valeur(e.semdef[indice_semaine(w, m)]) + ")";
        out += '\n';
    }

    out += titre_onglet(3);
    for (int i = ent::premier; i <= ent::dernier; ++i)
        ligne(out, e, e.ent[i]);
    if (explications) {
        out += "\nExplications\n";
        for (const auto& [nom, texte] : expliquer_slots(e)) {
            if (texte.empty())
                continue;
            const std::string libelle = libelle_slot(nom);
            out += "  " + libelle + apres_libelle(libelle, texte) + "\n";
        }
    }
    return out;
}

} // namespace kalder::cli
