#include "explication/explications.hpp"

#include "explication/contexte.hpp"
#include "modele/catalogue.hpp"
#include "noyau/typographie.hpp"
#include "noyau/utf8.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace kalder {

namespace explication {

Contexte::Contexte(const ThemeCalcule& e)
    : etat(e), theme(e.origines.theme), prenom(decoder_utf8(theme.prenom)),
      nom(decoder_utf8(theme.nom)), complet(prenom + nom) {}

} // namespace explication

namespace {

using namespace explication;

struct Explicateur {
    std::string_view entree; // the catalogue row it explains, checked by a test
    std::string (*expliquer)(const Contexte& c, int indice);
};

// One explainer per catalogue row, in the catalogue's order: a row added
// without one leaves a null here, which the tests refuse.
const std::array<Explicateur, nombre_entrees_catalogue> explicateurs = {{
    {"Grille", expliquer_grille},
    {"lettre", expliquer_mode},
    {"synth", expliquer_synth},
    {"tri1", [](const Contexte& c, int) { return expliquer_pierre(c, 1); }},
    {"tri2", [](const Contexte& c, int) { return expliquer_pierre(c, 2); }},
    {"tri3", [](const Contexte& c, int) { return expliquer_pierre(c, 3); }},
    {"Nomb", expliquer_nomb},
    {"defi", expliquer_defi},
    {"deco", expliquer_mot},
    {"des", expliquer_voyelles_mot},
    {"dei", expliquer_consonnes_mot},
    {"vie", [](const Contexte& c, int) { return expliquer_chemin(c); }},
    {"cycle1", [](const Contexte& c, int) { return expliquer_cycle(c, 1); }},
    {"cycle2", [](const Contexte& c, int) { return expliquer_cycle(c, 2); }},
    {"cycle3", [](const Contexte& c, int) { return expliquer_cycle(c, 3); }},
    {"apogee1", [](const Contexte& c, int) { return expliquer_apogee(c, 1); }},
    {"apogee2", [](const Contexte& c, int) { return expliquer_apogee(c, 2); }},
    {"apogee3", [](const Contexte& c, int) { return expliquer_apogee(c, 3); }},
    {"apogee4", [](const Contexte& c, int) { return expliquer_apogee(c, 4); }},
    {"fin_apogee1", [](const Contexte& c, int) { return expliquer_fin_apogee(c, 1); }},
    {"fin_apogee2", [](const Contexte& c, int) { return expliquer_fin_apogee(c, 2); }},
    {"fin_apogee3", [](const Contexte& c, int) { return expliquer_fin_apogee(c, 3); }},
    {"defi_apogee1", [](const Contexte& c, int) { return expliquer_defi_apogee(c, 1); }},
    {"defi_apogee2", [](const Contexte& c, int) { return expliquer_defi_apogee(c, 2); }},
    {"defi_apogee3", [](const Contexte& c, int) { return expliquer_defi_apogee(c, 3); }},
    {"defi_apogee4", [](const Contexte& c, int) { return expliquer_defi_apogee(c, 4); }},
    {"annee_personnelle", [](const Contexte& c, int) { return expliquer_annee_personnelle(c); }},
    {"lettre_passage", [](const Contexte& c, int) { return expliquer_lettre_passage(c); }},
    {"Toi", expliquer_mois_personnel},
    {"cym", expliquer_cycle_mensuel},
    {"esse", expliquer_essence},
    {"apog", expliquer_apogee_annee},
    {"leco", expliquer_lecon},
    {"periode", expliquer_periode},
    {"profec", expliquer_profection},
    {"semaine", expliquer_semaine},
    {"semdef", expliquer_defi_semaine},
    {"ent", expliquer_entente},
}};

std::string expliquer(const Contexte& c, const SlotCatalogue& entree, int indice) {
    const Slot& slot = entree.slot(c.etat, indice);
    if (slot.texte.empty())
        return {};
    const auto rang = static_cast<std::size_t>(&entree - catalogue_slots().data());
    std::string r = explicateurs[rang].expliquer(c, indice);
    // The last guard: one that does not reach the value shown would mislead,
    // wherever it is shown (the tests forbid one).
    if (!atteint_la_valeur(r, slot))
        return {};
    return r;
}

} // namespace

std::vector<std::string_view> entrees_expliquees() {
    std::vector<std::string_view> r;
    r.reserve(explicateurs.size());
    for (const Explicateur& e : explicateurs)
        r.push_back(e.expliquer ? e.entree : std::string_view());
    return r;
}

bool atteint_la_valeur(std::string_view explication, const Slot& slot) {
    const auto finit_par = [explication](std::string_view valeur) {
        return explication.size() >= valeur.size() &&
               explication.substr(explication.size() - valeur.size()) == valeur;
    };
    const std::string_view valeur = slot.texte_valeur();
    if (finit_par(valeur))
        return true;
    // "34 ans" in its slot is written "34 ans" with a no-break space.
    std::string insecable;
    for (char c : valeur)
        insecable += c == ' ' ? std::string(typo::insecable) : std::string(1, c);
    return finit_par(insecable);
}

namespace {

// A word's bytes: ASCII letters and digits, the apostrophe, the hyphen and
// accented letters (two bytes from 0xC3 or 0xC5); not a blank nor « ».
bool dans_un_mot(std::string_view t, std::size_t i) {
    const auto c = static_cast<unsigned char>(t[i]);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '\'' ||
        c == '-')
        return true;
    if (c == 0xC3 || c == 0xC5)
        return true;
    return c >= 0x80 && c < 0xC0 && i > 0 &&
           (static_cast<unsigned char>(t[i - 1]) == 0xC3 ||
            static_cast<unsigned char>(t[i - 1]) == 0xC5);
}

// The word at `debut` (empty when none starts there), in lower case.
std::string mot_minuscule(std::string_view t, std::size_t debut, std::size_t& fin) {
    fin = debut;
    while (fin < t.size() && dans_un_mot(t, fin))
        ++fin;
    std::string m(t.substr(debut, fin - debut));
    for (std::size_t i = 0; i < m.size(); ++i) {
        auto c = static_cast<unsigned char>(m[i]);
        if (c >= 'A' && c <= 'Z')
            m[i] = static_cast<char>(c - 'A' + 'a');
        else if (c == 0xC3 && i + 1 < m.size() && static_cast<unsigned char>(m[i + 1]) >= 0x80 &&
                 static_cast<unsigned char>(m[i + 1]) <= 0x9E)
            m[i + 1] = static_cast<char>(m[i + 1] + 0x20);
    }
    return m;
}

std::vector<std::string> mots_minuscules(std::string_view t) {
    std::vector<std::string> mots;
    for (std::size_t i = 0; i < t.size();) {
        std::size_t fin = i;
        std::string m = mot_minuscule(t, i, fin);
        if (m.empty())
            ++i;
        else
            mots.push_back(std::move(m));
        i = std::max(fin, i);
    }
    return mots;
}

// How many bytes of `explication`'s start repeat words of its caption, one
// space apart ("voyelles" under "Voyelles", "mode Mental" under "Mode
// d'expression, Mental"), and whether they are the caption's last words.
struct Reprise {
    std::size_t octets = 0;
    bool fin_du_libelle = false;
};

Reprise reprise(std::string_view libelle, std::string_view explication) {
    const std::vector<std::string> mots_libelle = mots_minuscules(libelle);
    std::vector<std::string> repris;
    Reprise r;
    for (std::size_t i = 0; i < explication.size();) {
        std::size_t fin = i;
        std::string m = mot_minuscule(explication, i, fin);
        if (m.empty() ||
            std::find(mots_libelle.begin(), mots_libelle.end(), m) == mots_libelle.end())
            break;
        repris.push_back(std::move(m));
        r.octets = fin;
        if (fin >= explication.size() || explication[fin] != ' ')
            break; // a no-break space ties a word to its number: the caption's words end there
        i = fin + 1;
    }
    r.fin_du_libelle = !repris.empty() && repris.size() <= mots_libelle.size() &&
                       std::equal(repris.rbegin(), repris.rend(), mots_libelle.rbegin());
    return r;
}

} // namespace

std::string apres_libelle(std::string_view libelle, std::string_view explication) {
    const std::string repete = std::string(libelle) + std::string(typo::deux_points);
    if (explication.starts_with(repete))
        explication.remove_prefix(repete.size());
    // Words the caption already says, then what is not a word ("mode Mental
    // (A, G…)", "rencontre : jour 9", "janvier (jours 166 à 195)") or the
    // rest of a phrase the caption ends ("voyelles du prénom"): the line goes
    // on from the caption, which is not said twice.
    if (!libelle.empty()) {
        const Reprise d = reprise(libelle, explication);
        const std::string_view suite = explication.substr(d.octets);
        // A blank, ordinary or no-break ("année\u00a02026"), then what follows it.
        const std::size_t blanc = suite.starts_with(' ') ? 1 : suite.starts_with("\u00a0") ? 2 : 0;
        const bool hors_mot = blanc < suite.size() && !dans_un_mot(suite, blanc);
        if (d.octets > 0 && !suite.empty() && (hors_mot || d.fin_du_libelle))
            return std::string(suite);
    }
    std::string r(explication);
    // "(Jour + année)", "|Année …|": the word after the sign.
    const std::size_t i = r.find_first_not_of("(|");
    if (i == std::string::npos || i + 2 >= r.size())
        return std::string(typo::deux_points) + r;
    const auto suivant = static_cast<unsigned char>(r[i + 1]);
    // A lower-case letter follows: a word, not a letter with its value ("A 1").
    const bool mot = (suivant >= 'a' && suivant <= 'z') ||
                     (suivant == 0xC3 && static_cast<unsigned char>(r[i + 2]) >= 0xA0);
    if (r[i] >= 'A' && r[i] <= 'Z' && mot)
        r[i] = static_cast<char>(r[i] - 'A' + 'a');
    else if (r.compare(i, 2, "É") == 0 && static_cast<unsigned char>(r[i + 2]) >= 'a')
        r.replace(i, 2, "é");
    return std::string(typo::deux_points) + r;
}

std::string expliquer_slot(const ThemeCalcule& etat, std::string_view nom_slot) {
    const PlaceSlot place = place_slot(nom_slot);
    return place.entree ? expliquer(Contexte(etat), *place.entree, place.indice) : std::string();
}

std::vector<std::pair<std::string, std::string>> expliquer_slots(const ThemeCalcule& etat) {
    const Contexte c(etat);
    std::vector<std::pair<std::string, std::string>> r;
    r.reserve(nombre_slots());
    for (const SlotCatalogue& entree : catalogue_slots())
        for (int i = entree.premier; i <= entree.dernier; ++i)
            r.emplace_back(entree.nom_complet(i), expliquer(c, entree, i));
    return r;
}

} // namespace kalder
