#include "variantes/comparer_noms.hpp"

#include "explication/explications.hpp"
#include "noyau/nombre_saisi.hpp"
#include "saisie/valider_saisie.hpp"
#include "theme/calculer_theme.hpp"

namespace kalder {

namespace {

template <typename Choix> std::vector<ColonneNom> colonnes(Choix garder) {
    std::vector<ColonneNom> l;
    for (const SlotCatalogue& e : catalogue_slots())
        for (int i = e.premier; i <= e.dernier; ++i)
            if (garder(e.decideur(i)))
                l.push_back({&e, i, e.nom_complet(i), e.libelle_de(i)});
    return l;
}

} // namespace

const std::vector<ColonneNom>& colonnes_nom() {
    static const std::vector<ColonneNom> l = colonnes(decide_par_le_nom);
    return l;
}

LigneVariante calculer_variante(const Theme& personne, NomVariante nom, int annee_calcul) {
    LigneVariante ligne{std::move(nom), std::nullopt, {}, {}};
    if (auto refus = refus_noms(ligne.nom.prenom, ligne.nom.nom)) {
        ligne.erreur = std::move(*refus);
        return ligne;
    }
    Theme variante = personne;
    variante.prenom = rogner(ligne.nom.prenom);
    variante.nom = rogner(ligne.nom.nom);
    ThemeCalcule& e = ligne.theme;
    calculer_theme(e, variante, annee_calcul);
    const auto& l = colonnes_nom();
    ligne.cellules.reserve(l.size());
    for (const ColonneNom& c : l)
        ligne.cellules.push_back(c.entree->slot(std::as_const(e), c.indice));
    return ligne;
}

std::vector<LigneVariante> comparer_noms(const Theme& personne,
                                         std::span<const NomVariante> variantes, int annee_calcul) {
    std::vector<LigneVariante> lignes;
    lignes.reserve(variantes.size() + 1);
    lignes.push_back(calculer_variante(personne, {personne.prenom, personne.nom}, annee_calcul));
    for (const NomVariante& v : variantes)
        lignes.push_back(calculer_variante(personne, v, annee_calcul));
    return lignes;
}

std::vector<NomVariante> variantes_acceptees(const Theme& personne,
                                             std::span<const NomVariante> variantes,
                                             int annee_calcul) {
    std::vector<NomVariante> l;
    for (const NomVariante& v : variantes)
        if (!calculer_variante(personne, v, annee_calcul).erreur)
            l.push_back(v);
    return l;
}

bool cellule_differe(const LigneVariante& ligne, const LigneVariante& reference,
                     std::size_t colonne) {
    if (ligne.erreur || reference.erreur || colonne >= ligne.cellules.size() ||
        colonne >= reference.cellules.size())
        return false;
    // The value read, not its colour: the same number in another colour is
    // the same number.
    const Slot& a = ligne.cellules[colonne];
    const Slot& b = reference.cellules[colonne];
    if (a.montre() != b.montre())
        return true;
    return a.montre() && a.texte_valeur() != b.texte_valeur();
}

std::string expliquer_cellule(const LigneVariante& ligne, std::size_t colonne) {
    if (ligne.erreur || colonne >= colonnes_nom().size())
        return {};
    return expliquer_slot(ligne.theme, colonnes_nom()[colonne].nom);
}

std::vector<NombreDate> nombres_de_la_date(const LigneVariante& ligne) {
    // The compatibility tab's copy of the life path is not a number of its own.
    static const std::vector<ColonneNom> date = [] {
        auto l = colonnes([](Decideur d) { return d == Decideur::date; });
        std::erase_if(l,
                      [](const ColonneNom& c) { return c.entree->decide == Decideur::partenaire; });
        return l;
    }();
    std::vector<NombreDate> l;
    if (ligne.erreur)
        return l;
    for (const ColonneNom& c : date)
        if (const Slot& s = c.entree->slot(ligne.theme, c.indice); s.montre())
            l.push_back({c.libelle, s});
    return l;
}

} // namespace kalder
