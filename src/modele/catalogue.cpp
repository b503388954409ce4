#include "modele/catalogue.hpp"
#include "noyau/ages_vie.hpp"

#include <charconv>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace kalder {

namespace {

// A run of slots; the index range is checked against the array at compile time.
template <auto Membre>
consteval SlotCatalogue tableau(std::string_view nom, int premier, int dernier,
                                std::string_view titre, std::string (*libelle)(int),
                                bool efface_tout, Decideur decide,
                                std::span<const Decideur> par_indice = {}) {
    using Tableau = std::remove_cvref_t<decltype(std::declval<ThemeCalcule&>().*Membre)>;
    if (premier < 0 || premier > dernier || dernier >= static_cast<int>(std::tuple_size_v<Tableau>))
        throw "indices hors du tableau de slots";
    if (!par_indice.empty() && par_indice.size() != static_cast<std::size_t>(dernier - premier) + 1)
        throw "un décideur par indice";
    return {
        .nom = nom,
        .indexe = true,
        .premier = premier,
        .dernier = dernier,
        .titre = titre,
        .libelle = libelle,
        .acces = [](ThemeCalcule& e, int i) { return &(e.*Membre)[static_cast<std::size_t>(i)]; },
        .efface_tout = efface_tout,
        .decide = decide,
        .decide_par_indice = par_indice.empty() ? nullptr : par_indice.data()};
}

template <auto Membre>
consteval SlotCatalogue seul(std::string_view nom, std::string_view libelle, bool efface_tout,
                             Decideur decide) {
    return {.nom = nom,
            .titre = libelle,
            .acces = [](ThemeCalcule& e, int) { return &(e.*Membre); },
            .efface_tout = efface_tout,
            .decide = decide};
}

constexpr std::string_view libelles_nomb[] = {"Elan spirituel",
                                              "Nombre actif",
                                              "Nombre héréditaire",
                                              "Expression",
                                              "Moi intime",
                                              "Nombre d'équilibre",
                                              "1ère voyelle du nom",
                                              "Nombre de personnalité",
                                              "Initiation spirituelle du moi intime",
                                              "Nombre de vie",
                                              "Nombre cosmique",
                                              "Coefficient de dynamisme",
                                              "Jour de naissance, vibration",
                                              "Jour de naissance, cadeau",
                                              "Jour de naissance, défi"};
static_assert(std::size(libelles_nomb) == nomb::dernier + 1);

constexpr std::string_view libelles_synth[] = {"Voyelles", "Consonnes", "Toutes les lettres",
                                               "Chemin de vie", "Mission"};
static_assert(std::size(libelles_synth) == synth::dernier + 1);

constexpr std::string_view libelles_defi[] = {"Défi de l'élan spirituel", "Défi du moi intime",
                                              "Défi de l'expression"};
static_assert(std::size(libelles_defi) == defi::dernier + 1);

constexpr std::string_view libelles_ent[] = {
    "Votre expression",       "Expression du partenaire",
    "Votre Chemin de vie",    "Chemin de vie du partenaire",
    "Expression commune",     "Chemin de vie commun",
    "Essence de la rencontre"};
static_assert(std::size(libelles_ent) == ent::dernier - ent::premier + 1);

constexpr Decideur N = Decideur::nom;
constexpr Decideur D = Decideur::date;
constexpr Decideur ND = Decideur::nom_et_date;
constexpr Decideur A = Decideur::annee;
constexpr Decideur P = Decideur::partenaire;

// The life path's colour shows whether the name's grid holds its digit.
constexpr Decideur decideurs_synth[] = {N, N, N, ND, D};
static_assert(std::size(decideurs_synth) == synth::dernier + 1);
constexpr Decideur decideurs_nomb[] = {N, N, N, N, N, N, N, N, ND, ND, ND, ND, D, D, D};
static_assert(std::size(decideurs_nomb) == nomb::dernier + 1);
constexpr Decideur decideurs_ent[] = {N, P, D, P, P, P, P};
static_assert(std::size(decideurs_ent) == ent::dernier - ent::premier + 1);

std::string texte(std::string_view v) {
    return std::string(v);
}

std::string semaine_de(std::string_view debut, int indice) {
    const int semaine = (indice - 1) / nombre_mois + 1;
    const int mois = (indice - 1) % nombre_mois + 1;
    return std::string(debut) + std::to_string(semaine) + " " + du_mois(mois);
}

constexpr bool efface = true;
constexpr bool garde = false;

using E = ThemeCalcule;

constexpr SlotCatalogue lignes[] = {
    tableau<&E::Grille>(
        "Grille", chiffres::premier, chiffres::dernier, "Grille d'inclusion",
        [](int k) { return "Grille d'inclusion, chiffre " + std::to_string(k); }, efface, N),
    tableau<&E::lettre>(
        "lettre", mode::premier, mode::dernier, "Mode d'expression",
        [](int i) {
            return "Mode d'expression, " + texte(noms_modes[static_cast<std::size_t>(i)]);
        },
        efface, N),
    tableau<&E::synth>(
        "synth", synth::premier, synth::dernier, "Synthèse",
        [](int i) { return texte(libelles_synth[i]); }, efface, N, decideurs_synth),
    seul<&E::tri1>("tri1", legende_pierre_angulaire, garde, N),
    seul<&E::tri2>("tri2", legende_nombre_clef, garde, N),
    seul<&E::tri3>("tri3", legende_derniere_pierre, garde, N),
    tableau<&E::Nomb>(
        "Nomb", nomb::premier, nomb::dernier, "Détails",
        [](int i) { return texte(libelles_nomb[i]); }, efface, N, decideurs_nomb),
    tableau<&E::defi>(
        "defi", defi::premier, defi::dernier, "Défis",
        [](int i) { return texte(libelles_defi[i]); }, efface, N),
    tableau<&E::deco>(
        "deco", 0, nombre_mots - 1, "Mots du nom",
        [](int k) { return "Mot " + std::to_string(k + 1) + " du nom"; }, garde, N),
    tableau<&E::des>(
        "des", 0, nombre_mots - 1, "Voyelles des mots",
        [](int k) { return "Voyelles du mot " + std::to_string(k + 1); }, garde, N),
    tableau<&E::dei>(
        "dei", 0, nombre_mots - 1, "Consonnes des mots",
        [](int k) { return "Consonnes du mot " + std::to_string(k + 1); }, garde, N),
    tableau<&E::vie>(
        "vie", indice_vie_entiere, indice_vie_entiere, "Vie entière",
        [](int) { return texte("Vie entière"); }, garde, D),
    seul<&E::cycle1>("cycle1", cycles_de_vie[0].titre, garde, D),
    seul<&E::cycle2>("cycle2", cycles_de_vie[1].titre, garde, D),
    seul<&E::cycle3>("cycle3", cycles_de_vie[2].titre, garde, D),
    seul<&E::apogee1>("apogee1", "Apogée 1", garde, ND),
    seul<&E::apogee2>("apogee2", "Apogée 2", garde, ND),
    seul<&E::apogee3>("apogee3", "Apogée 3", garde, ND),
    seul<&E::apogee4>("apogee4", "Apogée 4", garde, ND),
    seul<&E::fin_apogee1>("fin_apogee1", "Fin de l'apogée 1", garde, D),
    seul<&E::fin_apogee2>("fin_apogee2", "Fin de l'apogée 2", garde, D),
    seul<&E::fin_apogee3>("fin_apogee3", "Fin de l'apogée 3", garde, D),
    seul<&E::defi_apogee1>("defi_apogee1", "Défi de l'apogée 1", garde, D),
    seul<&E::defi_apogee2>("defi_apogee2", "Défi de l'apogée 2", garde, D),
    seul<&E::defi_apogee3>("defi_apogee3", "Défi de l'apogée 3", garde, D),
    seul<&E::defi_apogee4>("defi_apogee4", "Défi de l'apogée 4", garde, D),
    seul<&E::annee_personnelle>("annee_personnelle", "Année personnelle", efface, A),
    seul<&E::lettre_passage>("lettre_passage", "Lettre de passage", efface, Decideur::nom_et_annee),
    tableau<&E::Toi>(
        "Toi", 1, nombre_mois, "Mois personnel",
        [](int m) { return "Mois personnel " + du_mois(m); }, efface, A),
    tableau<&E::cym>(
        "cym", 1, nombre_mois, "Cycle mensuel", [](int m) { return "Cycle mensuel " + du_mois(m); },
        efface, A),
    tableau<&E::esse>(
        "esse", 1, nombre_mois, "Essence", [](int m) { return "Essence " + du_mois(m); }, efface,
        A),
    tableau<&E::apog>(
        "apog", 1, nombre_apogees, "Apogées de l'année",
        [](int q) { return "Apogée " + std::to_string(q) + " de l'année"; }, efface, A),
    tableau<&E::leco>(
        "leco", 1, nombre_apogees, "Défis des apogées de l'année",
        [](int q) { return "Défi de l'apogée " + std::to_string(q) + " de l'année"; }, efface, A),
    tableau<&E::periode>(
        "periode", 1, nombre_mois, "Période", [](int m) { return "Période " + du_mois(m); }, efface,
        A),
    tableau<&E::profec>(
        "profec", 1, nombre_mois, "Profection", [](int m) { return "Profection " + du_mois(m); },
        efface, A),
    tableau<&E::semaine>(
        "semaine", 1, indice_semaine(nombre_semaines, nombre_mois), "Apogées des semaines",
        [](int i) { return semaine_de("Apogée de la semaine ", i); }, efface, A),
    tableau<&E::semdef>(
        "semdef", 1, indice_semaine(nombre_semaines, nombre_mois), "Défis des apogées des semaines",
        [](int i) { return semaine_de("Défi de l'apogée de la semaine ", i); }, efface, A),
    tableau<&E::ent>(
        "ent", ent::premier, ent::dernier, "Entente avec une autre personne",
        [](int i) { return texte(libelles_ent[i - ent::premier]); }, efface, P, decideurs_ent),
};

static_assert(std::size(lignes) == nombre_entrees_catalogue);

// "Nomb(12)" as the run "Nomb" and the index 12; a bare name as itself.
std::pair<const SlotCatalogue*, int> chercher(std::string_view nom_complet) {
    const auto parenthese = nom_complet.find('(');
    if (parenthese == std::string_view::npos) {
        const SlotCatalogue* e = entree_catalogue(nom_complet);
        return {e && !e->indexe ? e : nullptr, 0};
    }
    const SlotCatalogue* e = entree_catalogue(nom_complet.substr(0, parenthese));
    const std::string_view reste = nom_complet.substr(parenthese + 1);
    int indice = 0;
    const auto [fin, erreur] = std::from_chars(reste.data(), reste.data() + reste.size(), indice);
    const bool bien_forme = erreur == std::errc{} && fin != reste.data() &&
                            std::string_view(fin, reste.data() + reste.size()) == ")";
    if (!e || !e->indexe || !bien_forme || indice < e->premier || indice > e->dernier)
        return {nullptr, 0};
    return {e, indice};
}

} // namespace

std::string SlotCatalogue::nom_complet(int indice) const {
    if (!indexe)
        return std::string(nom);
    return std::string(nom) + "(" + std::to_string(indice) + ")";
}

std::string SlotCatalogue::libelle_de(int indice) const {
    return libelle ? libelle(indice) : std::string(titre);
}

std::span<const SlotCatalogue> catalogue_slots() {
    return lignes;
}

const SlotCatalogue* entree_catalogue(std::string_view nom) {
    for (const SlotCatalogue& e : lignes)
        if (e.nom == nom)
            return &e;
    return nullptr;
}

PlaceSlot place_slot(std::string_view nom_complet) {
    const auto [e, indice] = chercher(nom_complet);
    return {e, indice};
}

std::string libelle_slot(std::string_view nom_complet) {
    const auto [e, indice] = chercher(nom_complet);
    return e ? e->libelle_de(indice) : std::string();
}

Slot* trouver_slot(ThemeCalcule& etat, std::string_view nom_complet) {
    const auto [e, indice] = chercher(nom_complet);
    return e ? &e->slot(etat, indice) : nullptr;
}

PlaceSlot place_slot(const ThemeCalcule& etat, const Slot& slot) {
    for (const SlotCatalogue& e : lignes)
        for (int i = e.premier; i <= e.dernier; ++i)
            if (&e.slot(etat, i) == &slot)
                return {&e, i};
    return {};
}

std::string libelle_slot(const ThemeCalcule& etat, const Slot& slot) {
    const PlaceSlot p = place_slot(etat, slot);
    return p.entree ? p.entree->libelle_de(p.indice) : std::string();
}

std::size_t nombre_slots() {
    std::size_t n = 0;
    for (const SlotCatalogue& e : lignes)
        n += static_cast<std::size_t>(e.nombre());
    return n;
}

std::span<const std::string_view> rangees_onglet(std::size_t onglet) {
    static const auto par_onglet = [] {
        std::array<std::vector<std::string_view>, onglets_catalogue.size()> r;
        std::size_t courant = 0;
        for (const SlotCatalogue& e : catalogue_slots()) {
            while (courant + 1 < onglets_catalogue.size() &&
                   onglets_catalogue[courant + 1].premiere_rangee == e.nom)
                ++courant;
            r[courant].push_back(e.nom);
        }
        return r;
    }();
    return par_onglet.at(onglet);
}

} // namespace kalder
