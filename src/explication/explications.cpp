#include "explication/explications.hpp"

#include "explication/contexte.hpp"
#include "modele/catalogue.hpp"
#include "modele/slots.hpp"
#include "noyau/utf8.hpp"

#include <charconv>

namespace kalder {

namespace explication {

Contexte::Contexte(const EtatFenetre& e)
    : etat(e), theme(e.origines.theme), prenom(decoder_utf8(theme.prenom)),
      nom(decoder_utf8(theme.nom)), complet(prenom + nom) {}

} // namespace explication

namespace {

using namespace explication;

using Explicateur = std::string (*)(const Contexte&, int);

struct Famille {
    std::string_view nom;
    Explicateur expliquer;
};

// Single slots carry their index in their name ("apogee3"); the table lists
// the name without it and the index is read from the end.
const Famille familles[] = {
    {"Grille", expliquer_grille},
    {"lettre", expliquer_mode},
    {"synth", expliquer_synth},
    {"tri", expliquer_pierre},
    {"Nomb", expliquer_nomb},
    {"defi", expliquer_defi},
    {"deco", expliquer_mot},
    {"des", expliquer_voyelles_mot},
    {"dei", expliquer_consonnes_mot},
    {"vie", [](const Contexte& c, int) { return expliquer_chemin(c); }},
    {"cycle", expliquer_cycle},
    {"apogee", expliquer_apogee},
    {"fin_apogee", expliquer_fin_apogee},
    {"defi_apogee", expliquer_defi_apogee},
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
};

// "Nomb(12)" -> "Nomb", 12; "apogee3" -> "apogee", 3; "lettre_passage" -> itself, 0.
std::pair<std::string_view, int> decouper(std::string_view nom) {
    std::size_t fin = nom.size();
    if (fin > 0 && nom[fin - 1] == ')') {
        const std::size_t ouverture = nom.find('(');
        if (ouverture == std::string_view::npos)
            return {nom, 0};
        int index = 0;
        std::from_chars(nom.data() + ouverture + 1, nom.data() + fin - 1, index);
        return {nom.substr(0, ouverture), index};
    }
    std::size_t debut = fin;
    while (debut > 0 && nom[debut - 1] >= '0' && nom[debut - 1] <= '9')
        --debut;
    int index = 0;
    std::from_chars(nom.data() + debut, nom.data() + fin, index);
    return {nom.substr(0, debut), index};
}

std::string expliquer(const Contexte& c, std::string_view nom, const Slot& slot) {
    if (slot.texte.empty())
        return {};
    const auto [famille, index] = decouper(nom);
    for (const Famille& f : familles) {
        if (f.nom != famille)
            continue;
        std::string r = f.expliquer(c, index);
        // Only an explanation that reaches the value shown is worth showing.
        const std::string_view valeur = valeur_affichee(slot.texte);
        if (r.size() < valeur.size() ||
            r.compare(r.size() - valeur.size(), valeur.size(), valeur.data(), valeur.size()) != 0)
            return {};
        return r;
    }
    return {};
}

} // namespace

std::string_view valeur_affichee(std::string_view texte) {
    const std::size_t deux_points = texte.rfind(" : ");
    return deux_points == std::string_view::npos ? texte : texte.substr(deux_points + 3);
}

std::string expliquer_slot(const EtatFenetre& etat, std::string_view nom_slot) {
    // Only read: the catalogue hands out slots of a state it may change.
    const Slot* slot = trouver_slot(const_cast<EtatFenetre&>(etat), nom_slot);
    return slot ? expliquer(Contexte(etat), nom_slot, *slot) : std::string();
}

std::vector<std::pair<std::string, std::string>> expliquer_slots(const EtatFenetre& etat) {
    const Contexte c(etat);
    auto slots = slots_nommes(etat);
    std::vector<std::pair<std::string, std::string>> r;
    r.reserve(slots.size());
    for (auto& [nom, slot] : slots) {
        std::string e = expliquer(c, nom, *slot);
        r.emplace_back(std::move(nom), std::move(e));
    }
    return r;
}

} // namespace kalder
