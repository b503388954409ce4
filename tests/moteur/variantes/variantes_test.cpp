// Comparing names: every cell is what a whole calculation of that name with
// the same date gives, and the columns are the slots the catalogue says the
// name decides, which a change of name or of date alone confirms.
#include "explication/explications.hpp"
#include "modele/etat_fenetre.hpp"
#include "modele/slots.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"
#include "variantes/comparer_noms.hpp"
#include "variantes/variantes_par_personne.hpp"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace kalder {
namespace {

constexpr int annee_courante = 2026;

class Hasard {
  public:
    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(moteur_); }
    template <typename T> const T& parmi(const std::vector<T>& l) {
        return l[static_cast<std::size_t>(entre(0, static_cast<int>(l.size()) - 1))];
    }
    std::string mot() {
        static const std::vector<std::string> lettres = {
            "a", "e", "i", "o", "u", "y", "b", "k", "t", "m", "n", "r", "s", "z", "h",
            "é", "è", "à", "ç", "ë", "É", "Ô", "A", "J", "'", "Q", "w", "x", "œ", "1"};
        std::string r;
        for (int i = entre(1, 9); i > 0; --i)
            r += parmi(lettres);
        return r;
    }
    // One-letter names, compound first names, hyphens, particles, blanks.
    std::string prenoms() {
        static const std::vector<std::string> formes = {"@", "@-@", "@ @", "@ @ @", "A", "  @  "};
        return remplir(parmi(formes));
    }
    std::string nom() {
        static const std::vector<std::string> formes = {"@", "de @",   "d'@", "@-@", "van der @",
                                                        "O", "Le @ @", " ",   "123"};
        return remplir(parmi(formes));
    }
    std::array<std::string, 3> date() {
        if (entre(1, 6) == 1)
            return {"", "", ""};
        return {std::to_string(entre(1, 31)), "0" + std::to_string(entre(1, 9)),
                std::to_string(entre(1, 2500))};
    }

  private:
    std::string remplir(std::string forme) {
        std::string r;
        for (char c : forme)
            r += c == '@' ? mot() : std::string(1, c);
        return r;
    }
    std::mt19937 moteur_{17};
};

EtatFenetre calcule(const std::string& prenom, const std::string& nom,
                    const std::array<std::string, 3>& date, Issue* issue = nullptr) {
    EtatFenetre e;
    essai::saisir_personne(e, prenom, nom, date[0], date[1], date[2]);
    Issue i = calculer_theme(e, annee_courante);
    if (issue)
        *issue = i;
    return e;
}

TEST(Variantes, ChaqueCelluleEstLeCalculCompletDuNom) {
    Hasard h;
    int refusees = 0;
    for (int personne = 0; personne < 60; ++personne) {
        const auto date = h.date();
        std::string prenom = h.prenoms(), nom = h.nom();
        if (nom == " ")
            nom = "Dupont";
        const EtatFenetre e = calcule(prenom, nom, date);
        std::vector<NomVariante> variantes;
        for (int v = h.entre(0, 8); v > 0; --v)
            variantes.push_back({h.prenoms(), h.nom()});
        const auto lignes = comparer_noms(e.origines.theme, variantes, annee_courante);
        ASSERT_EQ(lignes.size(), variantes.size() + 1);
        EXPECT_EQ(lignes[0].nom.prenom, e.theme.prenom);
        EXPECT_EQ(lignes[0].nom.nom, e.theme.nom);
        for (std::size_t r = 0; r < lignes.size(); ++r) {
            const LigneVariante& l = lignes[r];
            Issue issue;
            const EtatFenetre attendu = calcule(l.nom.prenom, l.nom.nom, date, &issue);
            const std::string cas = l.nom.prenom + ";" + l.nom.nom + " " + date[2];
            if (issue.message) {
                ++refusees;
                EXPECT_EQ(l.erreur, issue.message->texte) << cas;
                EXPECT_TRUE(l.cellules.empty()) << cas;
                EXPECT_EQ(expliquer_cellule(l, 0), "") << cas;
                continue;
            }
            ASSERT_FALSE(l.erreur) << cas;
            ASSERT_EQ(l.cellules.size(), colonnes_nom().size());
            for (std::size_t c = 0; c < l.cellules.size(); ++c) {
                const std::string& slot = colonnes_nom()[c].nom;
                const Slot& s = *trouver_slot(const_cast<EtatFenetre&>(attendu), slot);
                EXPECT_EQ(l.cellules[c].texte, s.texte) << cas << " " << slot;
                EXPECT_EQ(l.cellules[c].couleur, s.couleur) << cas << " " << slot;
                EXPECT_EQ(l.cellules[c].visible, s.visible) << cas << " " << slot;
                EXPECT_EQ(expliquer_cellule(l, c), expliquer_slot(attendu, slot)) << cas << slot;
            }
        }
    }
    EXPECT_GT(refusees, 0);
}

// A change of name alone may only move what the name decides, a change of
// date alone only what the date decides; and each declared decider shows.
TEST(Variantes, LeCatalogueDitCeQueLeNomDecide) {
    Hasard h;
    std::map<std::string, std::set<std::string>> vu; // slot -> "nom", "date"
    for (int essai = 0; essai < 300; ++essai) {
        std::array<std::string, 3> date1 = h.date(), date2 = h.date();
        const std::string prenom = h.prenoms() + "a", nom = h.nom() + "b";
        const EtatFenetre etats[] = {calcule(prenom, nom, date1),
                                     calcule(h.prenoms() + "e", h.nom() + "t", date1),
                                     calcule(prenom, nom, date2)};
        const auto a = slots_nommes(etats[0]);
        const auto par_nom = slots_nommes(etats[1]);
        const auto par_date = slots_nommes(etats[2]);
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto differe = [&](const Slot* s) {
                return s->texte != a[i].second->texte || s->couleur != a[i].second->couleur ||
                       s->visible != a[i].second->visible;
            };
            if (differe(par_nom[i].second))
                vu[a[i].first].insert("nom");
            if (differe(par_date[i].second))
                vu[a[i].first].insert("date");
        }
    }
    const std::map<Decideur, std::set<std::string>> permis = {
        {Decideur::nom, {"nom"}},
        {Decideur::date, {"date"}},
        {Decideur::nom_et_date, {"nom", "date"}},
        {Decideur::annee, {"nom", "date"}},
        {Decideur::nom_et_annee, {"nom", "date"}},
        {Decideur::partenaire, {}}};
    // The columns are exactly the theme's slots a name change moves.
    std::set<std::string> colonnes, attendues;
    for (const ColonneNom& c : colonnes_nom())
        colonnes.insert(c.nom);
    for (const SlotCatalogue& e : catalogue_slots()) {
        for (int i = e.premier; i <= e.dernier; ++i) {
            const Decideur d = e.decideur(i);
            const std::set<std::string>& observe = vu[e.nom_complet(i)];
            for (const std::string& qui : observe)
                EXPECT_TRUE(permis.at(d).count(qui)) << e.nom_complet(i) << " bouge avec " << qui;
            if (d == Decideur::annee)
                continue;
            EXPECT_EQ(observe, permis.at(d)) << e.nom_complet(i);
            if (observe.count("nom"))
                attendues.insert(e.nom_complet(i));
        }
    }
    EXPECT_EQ(colonnes, attendues);
}

TEST(Variantes, NombresDeLaDateUneFoisAuDessus) {
    const EtatFenetre e = calcule("Anne-Marie", "Dupont", {"15", "7", "1975"});
    const auto lignes = comparer_noms(e.origines.theme, {}, annee_courante);
    const auto date = nombres_de_la_date(lignes[0]);
    const std::pair<std::string, std::string> attendus[] = {
        {"Vie entière", "Chemin de vie : " + e.synth[synth::chemin_vie].texte},
        {"Cycle de 0 à 28\u00A0ans", e.cycle1.texte}};
    for (const auto& a : attendus)
        EXPECT_NE(std::find_if(date.begin(), date.end(),
                               [&](const NombreDate& n) {
                                   return n.libelle == a.first && n.slot.texte == a.second;
                               }),
                  date.end())
            << a.first;
    for (const NombreDate& n : date)
        for (const ColonneNom& c : colonnes_nom())
            EXPECT_NE(c.libelle, n.libelle);
}

// The same value in another colour is the same value: Jacques Rousseau's life
// path 22/4 is green, and red beside a name whose grid lacks the 4.
TEST(Variantes, SeuleLaValeurDiffere) {
    const Theme personne = calcule("Jacques", "Rousseau", {"16", "11", "1966"}).origines.theme;
    const NomVariante autre{"Anne-Marie", "Lefort"};
    const auto lignes = comparer_noms(personne, std::span(&autre, 1), annee_courante);
    ASSERT_EQ(lignes.size(), 2u);
    bool couleur_seule = false;
    for (std::size_t c = 0; c < colonnes_nom().size(); ++c) {
        const Slot& a = lignes[1].cellules[c];
        const Slot& b = lignes[0].cellules[c];
        const bool meme_valeur = a.montre() == b.montre() && a.texte_valeur() == b.texte_valeur();
        couleur_seule = couleur_seule || (meme_valeur && a.couleur != b.couleur);
        EXPECT_EQ(cellule_differe(lignes[1], lignes[0], c), !meme_valeur) << colonnes_nom()[c].nom;
    }
    EXPECT_TRUE(couleur_seule);
}

// A spelling belongs to the person it was compared for: another person, or
// the same name with another birth date, has none of it.
TEST(Variantes, LesVariantesAppartiennentALaPersonne) {
    VariantesParPersonne carnet;
    const Theme anne = calcule("Anne-Marie", "Dupont", {"15", "7", "1975"}).origines.theme;
    const Theme autre_date = calcule("Anne-Marie", "Dupont", {"16", "7", "1975"}).origines.theme;
    carnet.retenir(anne, {{"Anne", "Dupont"}, {"Anne-Marie", "Martin"}});
    EXPECT_EQ(carnet.de(anne).size(), 2u);
    EXPECT_TRUE(carnet.de(autre_date).empty());
    carnet.oublier(anne);
    EXPECT_TRUE(carnet.de(anne).empty());
}

// The comparison reads the year of calculation of the theme, as the summary
// does: its transit letter is the one the "Cycles" tab shows for that year.
TEST(Variantes, LettreDePassageDeLAnneeDeCalcul) {
    struct Cas {
        int annee_calcul;
        const char* lettre;
    };
    const Cas cas[] = {{2027, "I"}, {2026, "R"}};
    const Theme anne = calcule("Anne-Marie", "Dupont", {"15", "7", "1975"}).origines.theme;
    const NomVariante autre{"Anne", "Dupont"};
    for (const Cas& c : cas) {
        const ThemeCalcule theme = calculer_theme(anne, c.annee_calcul);
        ASSERT_EQ(theme.lettre_passage.texte, c.lettre);
        const auto lignes =
            comparer_noms(anne, std::span(&autre, 1), theme.annee_calcul(annee_courante));
        const auto& colonnes = colonnes_nom();
        const auto lettre =
            std::find_if(colonnes.begin(), colonnes.end(),
                         [](const ColonneNom& col) { return col.nom == "lettre_passage"; });
        ASSERT_NE(lettre, colonnes.end());
        const auto k = static_cast<std::size_t>(lettre - colonnes.begin());
        EXPECT_EQ(lignes[0].cellules[k].texte, c.lettre) << c.annee_calcul;
    }
}

} // namespace
} // namespace kalder
