#include "explication/explications.hpp"

#include "explication/contexte.hpp"
#include "modele/catalogue.hpp"
#include "noyau/typographie.hpp"
#include "noyau/utf8.hpp"

#include <array>

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

std::string apres_libelle(std::string_view libelle, std::string_view explication) {
    const std::string repete = std::string(libelle) + std::string(typo::deux_points);
    if (explication.starts_with(repete))
        explication.remove_prefix(repete.size());
    std::string r(explication);
    // "(Jour + année)", "|Année …|": the word after the sign.
    const std::size_t i = r.find_first_not_of("(|");
    if (i == std::string::npos || i + 2 >= r.size())
        return r;
    const auto suivant = static_cast<unsigned char>(r[i + 1]);
    // A lower-case letter follows: a word, not a letter with its value ("A 1").
    const bool mot = (suivant >= 'a' && suivant <= 'z') ||
                     (suivant == 0xC3 && static_cast<unsigned char>(r[i + 2]) >= 0xA0);
    if (r[i] >= 'A' && r[i] <= 'Z' && mot)
        r[i] = static_cast<char>(r[i] - 'A' + 'a');
    else if (r.compare(i, 2, "É") == 0 && static_cast<unsigned char>(r[i + 2]) >= 'a')
        r.replace(i, 2, "é");
    return r;
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
