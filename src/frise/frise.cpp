#include "frise/frise.hpp"

#include "annee/calculer_annee.hpp"
#include "explication/explications.hpp"
#include "modele/catalogue.hpp"
#include "noyau/ages_vie.hpp"
#include "noyau/sommes.hpp"
#include "noyau/typographie.hpp"

#include <algorithm>
#include <string_view>

namespace kalder {

namespace {

// The axis shows at least this many years of life, and a little past the
// current year and the year of calculation.
constexpr int age_minimal_axe = 90;
constexpr int marge_apres_annee = 5;
constexpr int age_plafond_axe = 130;

using MembreSlot = Slot ThemeCalcule::*;
constexpr std::array<MembreSlot, 3> slots_cycles = {&ThemeCalcule::cycle1, &ThemeCalcule::cycle2,
                                                    &ThemeCalcule::cycle3};
constexpr std::array<MembreSlot, 4> slots_apogees = {
    &ThemeCalcule::apogee1, &ThemeCalcule::apogee2, &ThemeCalcule::apogee3, &ThemeCalcule::apogee4};
constexpr std::array<MembreSlot, 3> slots_fins = {
    &ThemeCalcule::fin_apogee1, &ThemeCalcule::fin_apogee2, &ThemeCalcule::fin_apogee3};
constexpr std::array<MembreSlot, 4> slots_defis = {
    &ThemeCalcule::defi_apogee1, &ThemeCalcule::defi_apogee2, &ThemeCalcule::defi_apogee3,
    &ThemeCalcule::defi_apogee4};

// "0 an", "1 an", "28 ans".
std::string ans(int age) {
    return std::to_string(age) + (age < 2 ? "\u00A0an" : "\u00A0ans");
}

// "de 0 à 27 ans (1975–2002)", "à partir de 46 ans (dès 2021)": a band over
// the ages [debut, fin) holds its last age and year, fin - 1, as a cycle's
// caption does; the next band starts the year after.
std::string texte_ages(const Frise& f, int debut, int fin) {
    if (fin >= f.age_maximal)
        return "à partir de " + ans(debut) + " (dès " + std::to_string(f.annee(debut)) + ")";
    return "de " + std::to_string(debut) + " à " + ans(fin - 1) + " (" +
           std::to_string(f.annee(debut)) + "–" + std::to_string(f.annee(fin - 1)) + ")";
}

// The cycles' own labels carry their ages, both included: only the years.
std::string texte_annees_cycle(const Frise& f, int debut, int fin) {
    if (fin >= f.age_maximal)
        return "dès " + std::to_string(f.annee(debut));
    return std::to_string(f.annee(debut)) + "–" + std::to_string(f.annee(fin - 1));
}

BandeFrise bande(std::string titre, const Slot& slot, int debut, int fin) {
    BandeFrise b;
    b.titre = std::move(titre);
    b.nombre = slot.texte;
    b.chiffre = static_cast<int>(slot.chiffre());
    b.age_debut = debut;
    b.age_fin = fin;
    return b;
}

std::string ligne(std::string_view libelle, std::string_view valeur,
                  const std::string& explication) {
    std::string r = std::string(libelle) + std::string(typo::deux_points) + std::string(valeur);
    if (!explication.empty())
        r += "\n" + explication;
    return r;
}

int age_maximal(const Theme& t, int annee_courante, int annee_calcul) {
    const int naissance = static_cast<int>(t.annee);
    const int derniere = std::max(annee_courante, annee_calcul) - naissance + marge_apres_annee;
    return std::clamp(derniere, age_minimal_axe, age_plafond_axe);
}

void cycles(Frise& f, const ThemeCalcule& etat) {
    for (std::size_t i = 0; i < f.cycles.size(); ++i) {
        const CycleDeVie& cycle = cycles_de_vie[i];
        const int fin = cycle.fin < 0 ? f.age_maximal : cycle.fin + 1;
        const std::string nom = "cycle" + std::to_string(i + 1);
        BandeFrise& b = f.cycles[i] =
            bande("Cycle " + std::to_string(i + 1), etat.*slots_cycles[i], cycle.debut, fin);
        b.explication =
            ligne(libelle_slot(nom) + " (" + texte_annees_cycle(f, b.age_debut, b.age_fin) + ")",
                  b.nombre, expliquer_slot(etat, nom));
    }
}

void apogees(Frise& f, const ThemeCalcule& etat) {
    int debut = 0;
    for (std::size_t i = 0; i < f.apogees.size(); ++i) {
        const std::string rang = std::to_string(i + 1);
        const bool derniere = i == slots_fins.size();
        const int fin = derniere ? f.age_maximal : static_cast<int>((etat.*slots_fins[i]).valeur());
        BandeFrise& a = f.apogees[i] = bande("Apogée " + rang, etat.*slots_apogees[i], debut, fin);
        a.explication = ligne(libelle_slot("apogee" + rang) + ", " + texte_ages(f, debut, fin),
                              a.nombre, expliquer_slot(etat, "apogee" + rang));
        if (!derniere)
            a.explication += "\n" + ligne(libelle_slot("fin_apogee" + rang), ans(fin),
                                          expliquer_slot(etat, "fin_apogee" + rang));
        BandeFrise& d = f.defis[i] = bande("Défi " + rang, etat.*slots_defis[i], debut, fin);
        d.explication = ligne(libelle_slot("defi_apogee" + rang) + ", " + texte_ages(f, debut, fin),
                              d.nombre, expliquer_slot(etat, "defi_apogee" + rang));
        debut = fin;
    }
}

void noeuds(Frise& f) {
    for (std::size_t i = 0; i < f.noeuds.size(); ++i) {
        BandeFrise& n = f.noeuds[i];
        n.chiffre = static_cast<int>(i + 1);
        n.titre = "Noeud " + std::to_string(n.chiffre);
        n.age_debut = n.age_fin = age_noeud(n.chiffre);
        // Drawn with its age, the axis's own unit.
        n.nombre = std::to_string(n.age_debut);
        n.explication = n.titre + std::string(typo::deux_points) + ans(n.age_debut) + " (" +
                        std::to_string(f.annee(n.age_debut)) + ")\nFin du " +
                        std::to_string(n.chiffre) + (n.chiffre == 1 ? "er" : "e") +
                        " cycle de neuf ans" + std::string(typo::deux_points) +
                        "un tournant, le temps d'un bilan avant un "
                        "nouveau départ.";
    }
}

// Each calendar year's personal year comes from the year calculation itself,
// run on a scratch window holding the same person.
void annees_personnelles(Frise& f, const Theme& t) {
    ThemeCalcule brouillon;
    brouillon.theme = t;
    brouillon.origines.theme = t;
    f.annees_personnelles.reserve(static_cast<std::size_t>(f.age_maximal));
    for (int age = 0; age < f.age_maximal; ++age) {
        const int annee = f.annee(age);
        calculer_annee(brouillon, annee);
        BandeFrise b = bande(std::to_string(annee), brouillon.annee_personnelle, age, age + 1);
        b.explication =
            ligne(libelle_slot("annee_personnelle") + " " + b.titre + " (" + ans(age) + ")",
                  b.nombre, expliquer_slot(brouillon, "annee_personnelle"));
        f.annees_personnelles.push_back(std::move(b));
    }
}

} // namespace

std::optional<Frise> construire_frise(const ThemeCalcule& etat, int annee_courante) {
    const Theme& t = etat.origines.theme;
    if (!t.date_complete())
        return std::nullopt;
    Frise f;
    f.annee_naissance = static_cast<int>(t.annee);
    f.annee_courante = annee_courante;
    f.annee_calcul = static_cast<int>(etat.origines.annee_grille);
    f.age_maximal = age_maximal(t, annee_courante, f.annee_calcul);
    cycles(f, etat);
    apogees(f, etat);
    noeuds(f);
    annees_personnelles(f, t);
    return f;
}

} // namespace kalder
