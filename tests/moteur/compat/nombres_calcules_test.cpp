// The typed result every reader shares: each number with its raw sum, its
// digit sums, the rule that stopped them, its parts and the text written from it.
#include "compat/calculer_compatibilite.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace kalder {
namespace {

struct Personne {
    const char* prenom;
    const char* nom;
    const char* jour = "";
    const char* mois = "";
    const char* annee = "";
};

struct CasNombre {
    std::string_view nom;
    Personne personne;
    Slot EtatFenetre::*slot; // a single slot, or
    const Slot& (*dans)(const EtatFenetre&) = nullptr;
    std::string texte;
    Nombre valeur, chiffre, brut;
    std::vector<Nombre> sommes;
    Regle regle;
    std::vector<Terme> parts;
};

const Personne anne_marie{"Anne-Marie", "Dupont", "15", "7", "1975"};
const Personne paul{"Paul", "Martin", "9", "9", "1975"};
const Personne zoe{"Zoé", "Œdipe-Yann"};
const Personne eloise{"Éloïse", "Lefèvre", "29", "2", "1960"};

EtatFenetre calcule(const Personne& p) {
    EtatFenetre e;
    essai::saisir_personne(e, p.prenom, p.nom, p.jour, p.mois, p.annee);
    EXPECT_FALSE(calculer_theme(e, 2026).message);
    // Paul Martin, born 9/9/1975, is the partner of every case.
    essai::saisir_partenaire(e, paul.prenom, paul.nom, paul.jour, paul.mois, paul.annee);
    EXPECT_FALSE(calculer_compatibilite(e).message);
    return e;
}

template <auto Tableau, int I> const Slot& case_de(const EtatFenetre& e) {
    return (e.*Tableau)[I];
}

TEST(NombresCalcules, ValeursConnues) {
    using enum Regle;
    const CasNombre cas[] = {
        {"chemin_de_vie",
         anne_marie,
         nullptr,
         case_de<&EtatFenetre::synth, synth::chemin_vie>,
         "8",
         8,
         8,
         1997,
         {26, 8},
         ordinaire,
         {{Part::jour, 15}, {Part::mois, 7}, {Part::annee, 1975}}},
        {"expression",
         anne_marie,
         nullptr,
         case_de<&EtatFenetre::Nomb, nomb::expression>,
         "8",
         8,
         8,
         71,
         {8},
         ordinaire,
         {}},
        {"apogee_1",
         anne_marie,
         &EtatFenetre::apogee1,
         nullptr,
         "22/4",
         22,
         4,
         22,
         {},
         ordinaire,
         {{Part::mois, 7}, {Part::jour, 15}}},
        {"fin_apogee_1",
         anne_marie,
         &EtatFenetre::fin_apogee1,
         nullptr,
         "28 ans",
         28,
         28,
         28,
         {},
         ordinaire,
         {}},
        {"pierre_angulaire",
         anne_marie,
         &EtatFenetre::tri1,
         nullptr,
         "Pierre angulaire : 1",
         1,
         1,
         1,
         {},
         ordinaire,
         {}},
        {"vie_entiere",
         anne_marie,
         nullptr,
         case_de<&EtatFenetre::vie, indice_vie_entiere>,
         "Chemin de vie : 8",
         8,
         8,
         1997,
         {26, 8},
         ordinaire,
         {{Part::jour, 15}, {Part::mois, 7}, {Part::annee, 1975}}},
        {"chemin_commun",
         anne_marie,
         nullptr,
         case_de<&EtatFenetre::ent, ent::chemin_vie_commun>,
         "3",
         3,
         3,
         30,
         {3},
         ordinaire,
         {{Part::chemin_partenaire, 22}, {Part::votre_chemin, 8}}},
        {"chemin_maitre",
         paul,
         nullptr,
         case_de<&EtatFenetre::synth, synth::chemin_vie>,
         "22/4",
         22,
         4,
         1993,
         {22},
         maitre_garde,
         {{Part::jour, 9}, {Part::mois, 9}, {Part::annee, 1975}}},
        {"cycle_maitre",
         paul,
         &EtatFenetre::cycle3,
         nullptr,
         "22/4",
         22,
         4,
         1975,
         {22},
         maitre_garde,
         {{Part::annee, 1975}}},
        {"dette_karmique",
         zoe,
         nullptr,
         case_de<&EtatFenetre::dei, 0>,
         "13",
         13,
         13,
         13,
         {},
         dette_karmique,
         {}},
        {"dette_karmique_14",
         zoe,
         nullptr,
         case_de<&EtatFenetre::des, 1>,
         "14",
         14,
         14,
         14,
         {},
         dette_karmique,
         {}},
        {"sans_date_expression",
         zoe,
         nullptr,
         case_de<&EtatFenetre::Nomb, nomb::expression>,
         "8",
         8,
         8,
         62,
         {8},
         ordinaire,
         {}},
        {"accents_expression",
         eloise,
         nullptr,
         case_de<&EtatFenetre::Nomb, nomb::expression>,
         "3",
         3,
         3,
         57,
         {12, 3},
         ordinaire,
         {}},
        {"accents_apogee",
         eloise,
         &EtatFenetre::apogee1,
         nullptr,
         "31/4",
         31,
         4,
         31,
         {},
         ordinaire,
         {{Part::mois, 2}, {Part::jour, 29}}},
    };
    for (const CasNombre& c : cas) {
        const EtatFenetre e = calcule(c.personne);
        const Slot& s = c.slot ? e.*c.slot : c.dans(e);
        ASSERT_TRUE(s.nombre) << c.nom;
        const NombreCalcule& n = *s.nombre;
        EXPECT_EQ(s.texte, c.texte) << c.nom;
        EXPECT_EQ(n.valeur(), c.valeur) << c.nom;
        EXPECT_EQ(n.chiffre(), c.chiffre) << c.nom;
        EXPECT_EQ(n.etapes.brut, c.brut) << c.nom;
        EXPECT_EQ(std::vector<Nombre>(n.etapes.suite().begin(), n.etapes.suite().end()), c.sommes)
            << c.nom;
        EXPECT_EQ(n.etapes.regle, c.regle) << c.nom;
        ASSERT_EQ(n.parts.liste().size(), c.parts.size()) << c.nom;
        for (std::size_t i = 0; i < c.parts.size(); ++i) {
            EXPECT_EQ(n.parts.liste()[i].part, c.parts[i].part) << c.nom << " " << i;
            EXPECT_EQ(n.parts.liste()[i].valeur, c.parts[i].valeur) << c.nom << " " << i;
        }
    }
}

// Without a birth date, the date's numbers write nothing and read as 0.
TEST(NombresCalcules, SansDateRienDAttache) {
    const EtatFenetre e = calcule(zoe);
    for (const Slot* s : {&e.synth[synth::chemin_vie], &e.cycle1, &e.apogee1, &e.fin_apogee1,
                          &e.annee_personnelle, &e.ent[ent::chemin_vie_commun]}) {
        EXPECT_EQ(s->texte, "");
        EXPECT_FALSE(s->nombre && s->nombre->ecrit());
        EXPECT_EQ(s->valeur(), 0);
    }
}

} // namespace
} // namespace kalder
