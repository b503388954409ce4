#include "interpretation/commandes.hpp"
#include "noyau/ages_vie.hpp"
#include "noyau/centrage.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/utf8.hpp"

#include <initializer_list>
#include <string>
#include <utility>

namespace kalder {

namespace {

constexpr std::string_view TAB = "\t";

// A run of macrons is an empty text centred with them.
std::string macrons(int n) {
    return centrer_surligne("", n);
}

// The report's lines as blocks: its headings, the macrons that underline
// them, and the rows whose columns TAB characters line up.
class Page {
  public:
    Page() { blocs_.reserve(64); }

    void ligne(std::initializer_list<std::string_view> morceaux) {
        for (std::string_view m : morceaux)
            courante_.append(m);
        fin();
    }
    void titre(int niveau, std::initializer_list<std::string_view> morceaux) {
        ligne(morceaux);
        blocs_.back().genre = Genre::titre;
        blocs_.back().niveau = niveau;
    }
    void souligner(std::initializer_list<std::string_view> morceaux) {
        ligne(morceaux);
        blocs_.back().genre = Genre::trait;
    }
    Page& operator<<(std::string_view morceau) {
        courante_.append(morceau);
        return *this;
    }
    void fin() {
        blocs_.push_back(Bloc{Genre::paragraphe, 0, std::move(courante_)});
        courante_.clear();
    }
    Blocs prendre() { return std::move(blocs_); }

  private:
    Blocs blocs_;
    std::string courante_;
};

std::string decimal(Nombre n) {
    return std::to_string(n);
}

// A stored number as it was typed; empty for none.
std::string saisi(Nombre n) {
    return n != 0 ? std::to_string(n) : std::string();
}

void entete(Page& p, const ThemeCalcule& e) {
    const Theme& t = e.theme;
    p.titre(1, {"[Kalder]", TAB, TAB, TAB, "Thème numérologique de ", t.prenom, " ", t.nom, TAB,
                " Né(e) le ", saisi(t.jour), "/", saisi(t.mois), "/", saisi(t.annee)});
    p.ligne({});
}

void grille(Page& p, const ThemeCalcule& e) {
    p.titre(2, {"Grille d'inclusion :"});
    p.souligner({macrons(15)});
    for (int k = chiffres::premier; k <= chiffres::dernier; k += 3)
        p.ligne({e.Grille[k].texte, TAB, e.Grille[k + 1].texte, TAB, e.Grille[k + 2].texte});
    p.ligne({});
}

// Each word sits in a box: its vowel number centred on "_" above, its
// consonant number centred on "¯" below.
void mots(Page& p, const ThemeCalcule& e) {
    p.titre(2, {"Prénoms et noms :"});
    for (int k = 0; k < nombre_mots; ++k)
        p << centrer_souligne(e.des[k].texte,
                              static_cast<long long>(nombre_caracteres(e.deco[k].texte)))
          << TAB;
    p.fin();
    for (int k = 0; k < nombre_mots; ++k)
        p << e.deco[k].texte << TAB;
    p.fin();
    for (int k = 0; k < nombre_mots; ++k)
        p << centrer_surligne(e.dei[k].texte,
                              static_cast<long long>(nombre_caracteres(e.deco[k].texte)))
          << TAB;
    p.fin();
    p.ligne({});
    p.ligne({});
    p.ligne({});
}

void modes_et_jour(Page& p, const ThemeCalcule& e) {
    const auto& l = e.lettre;
    p.titre(2, {"Mode d'expression :", TAB, TAB, TAB, TAB, TAB, TAB, "Jour de naissance :"});
    p.souligner({macrons(16), TAB, TAB, TAB, TAB, TAB, TAB, macrons(16)});
    p.ligne({"          ", TAB, "Impulsion", TAB, "Réflexion", TAB, "Action"});
    p.ligne({"Mental", TAB, "    A    ", TAB, TAB, " H J N P ", TAB, "  G L  ", TAB,
             l[mode::mental].texte, TAB, TAB, "Vibration ", e.Nomb[nomb::vibration_jour].texte});
    p.ligne({"Concret", TAB, "    E    ", TAB, TAB, "   W    ", TAB, TAB, "  D M  ", TAB,
             l[mode::concret].texte, TAB, TAB, "Défi ", e.Nomb[nomb::defi_jour].texte});
    p.ligne({"Emotif", TAB, " I O R Z ", TAB, " B S T X ", TAB, "       ", TAB,
             l[mode::emotif].texte, TAB, TAB, "Cadeau ", e.Nomb[nomb::cadeau_jour].texte});
    p.ligne({"Intuitif", TAB, "    K    ", TAB, TAB, " F Q U Y ", TAB, "  C V  ", TAB,
             l[mode::intuitif].texte});
    p.ligne({"            ", TAB, "    ", l[mode::impulsion].texte, TAB, TAB, "    ",
             l[mode::reflexion].texte, TAB, TAB, "    ", l[mode::action].texte});
    p.ligne({});
}

void nombres(Page& p, const ThemeCalcule& e) {
    const auto& n = e.Nomb;
    const auto& pierres = e.theme.pierres;
    p.ligne({"Elan spirituel ", e.synth[synth::elan].texte, " Défi ", e.defi[defi::voyelles].texte,
             TAB, TAB, "Pierre angulaire ", decimal(pierres[1]), TAB, TAB, "Chemin de vie ",
             e.synth[synth::chemin_vie].texte});
    p.ligne({"Moi intime", "      ", e.synth[synth::moi_intime].texte, " Défi ",
             e.defi[defi::consonnes].texte, TAB, TAB, "Nombre clef ", decimal(pierres[2])});
    p.ligne({"Expression", "    ", e.synth[synth::expression].texte, " Défi ",
             e.defi[defi::global].texte, TAB, TAB, "Dernière pierre ", decimal(pierres[3]), TAB,
             TAB, "Mission ", e.synth[synth::mission].texte});
    p.ligne({});
    constexpr std::string_view marge = "                     "; // 21 blanks
    p.ligne({"Nombre actif ", n[nomb::actif].texte, TAB, TAB, TAB, "Initiation spirituelle ",
             n[nomb::initiation].texte, TAB, TAB, "Nombre d'équilibre ", n[nomb::equilibre].texte});
    p.ligne({"Nombre héréditaire ", n[nomb::hereditaire].texte, TAB, TAB, "Nombre de vie ",
             n[nomb::vie].texte, TAB, TAB, TAB, "1ère voyelle du nom ",
             n[nomb::premiere_voyelle].texte});
    p.ligne({marge, TAB, TAB, TAB, "Nombre cosmique ", n[nomb::cosmique].texte, TAB, TAB,
             "Nombre de personnalité ", n[nomb::personnalite].texte});
    p.ligne({marge, TAB, TAB, TAB, "Coefficient de dynamisme ", n[nomb::dynamisme].texte});
    p.ligne({});
    p.ligne({});
    p.ligne({});
}

void vie_entiere(Page& p, const ThemeCalcule& e) {
    p.titre(2, {"Vie entière :"});
    p.souligner({macrons(10)});
    p.ligne({"Chemin de vie :", TAB, e.synth[synth::chemin_vie].texte});
    const auto ages = [](int cycle) {
        return std::string(cycles_de_vie[static_cast<std::size_t>(cycle)].ages) + " :";
    };
    p.ligne({"Cycles :", TAB, TAB, ages(0), TAB, e.cycle1.texte, TAB, ages(1), TAB, e.cycle2.texte,
             TAB, ages(2), TAB, e.cycle3.texte});
    p.ligne({"Apogées :",         TAB, e.apogee1.texte, " Défi ", e.defi_apogee1.texte, TAB,
             e.fin_apogee1.texte, TAB, e.apogee2.texte, " Défi ", e.defi_apogee2.texte, TAB,
             e.fin_apogee2.texte, TAB, e.apogee3.texte, " Défi ", e.defi_apogee3.texte, TAB,
             e.fin_apogee3.texte, TAB, e.apogee4.texte, " Défi ", e.defi_apogee4.texte});
    p.ligne({"Noeuds :", TAB, liste_noeuds()});
    p.ligne({});
    p.ligne({});
}

void rangee_mois(Page& p, std::string_view libelle, const decltype(ThemeCalcule::Toi)& slots) {
    p << libelle;
    for (int m = 1; m <= nombre_mois; ++m)
        p << TAB << rogner(slots[m].texte);
    p.fin();
}

void annee(Page& p, const ThemeCalcule& e) {
    p.titre(2, {"Année ", saisi(e.origines.annee_grille), " :"});
    p.souligner({macrons(11)});
    p.ligne({"Année personnelle ", e.annee_personnelle.texte, TAB, "Lettre de passage ",
             e.lettre_passage.texte});
    p.ligne({});
    p << "Mois             :";
    for (int m = 1; m <= nombre_mois; ++m)
        p << TAB << decimal(m);
    p.fin();
    rangee_mois(p, "Mois personnel:", e.Toi);
    rangee_mois(p, "Cycle mensuel:", e.cym);
    rangee_mois(p, "Essence      :", e.esse);
    p.ligne({});
    p << "Apogées      :";
    for (int q = 1; q <= nombre_apogees; ++q)
        p << TAB << e.apog[q].texte << TAB << "Défi" << TAB << e.leco[q].texte;
    p.fin();
    p.ligne({});
    rangee_mois(p, "Période       :", e.periode);
    rangee_mois(p, "Profection   :", e.profec);
    p.ligne({});
    static constexpr std::string_view semaines[] = {
        "Semaine 1    :", "Semaine 2    :", "Semaine 3    :", "Semaine 4    :"};
    for (int w = 1; w <= nombre_semaines; ++w) {
        p << semaines[w - 1];
        for (int m = 1; m <= nombre_mois; ++m) {
            const int k = indice_semaine(w, m);
            p << TAB << rogner(e.semaine[k].texte) << "D" << e.semdef[k].texte;
        }
        p.fin();
    }
}

} // namespace

Blocs rapport_en_blocs(const ThemeCalcule& etat) {
    Page p;
    entete(p, etat);
    grille(p, etat);
    mots(p, etat);
    modes_et_jour(p, etat);
    nombres(p, etat);
    vie_entiere(p, etat);
    annee(p, etat);
    return p.prendre();
}

std::string composer_rapport(const ThemeCalcule& etat) {
    return texte_brut(rapport_en_blocs(etat));
}

} // namespace kalder
