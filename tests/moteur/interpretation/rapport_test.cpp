#include "exemple.hpp"
#include "interpretation/commandes.hpp"
#include "modele/etat_fenetre.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kalder {
namespace {

TEST(RapportTheme, LignesDeLExemple) {
    const EtatFenetre e = essai::exemple_rempli();
    const std::vector<std::string> l = essai::lignes(composer_rapport(e));
    ASSERT_EQ(l.size(), 61u);
    const std::pair<int, std::string_view> attendues[] = {
        {1, "[Kalder]\t\t\tThème numérologique de Anne-Marie Dupont\t Né(e) le 15/7/1975"},
        {2, ""},
        {3, "Grille d'inclusion :"},
        {4, "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯"},
        {6, "2\t5\t1"},
        {7, "1\t0\t2"},
        {10, "_6__\t__6__\t__9___\t\t\t"},
        {11, "Anne\tMarie\tDupont\t\t\t"},
        {12, "¯1¯¯\t¯13¯¯\t¯¯9¯¯¯\t\t\t"},
        {15, ""},
        {16, "Mode d'expression :\t\t\t\t\t\tJour de naissance :"},
        {17, "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯\t\t\t\t\t\t¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯"},
        {18, "          \tImpulsion\tRéflexion\tAction"},
        {19, "Mental\t    A    \t\t H J N P \t  G L  \t6\t\tVibration 15"},
        {20, "Concret\t    E    \t\t   W    \t\t  D M  \t4\t\tDéfi 4"},
        {21, "Emotif\t I O R Z \t B S T X \t       \t4\t\tCadeau 5"},
        {22, "Intuitif\t    K    \t\t F Q U Y \t  C V  \t1"},
        {23, "            \t    7\t\t    6\t\t    2"},
        {25, "Elan spirituel 3 Défi 5\t\tPierre angulaire 1\t\tChemin de vie 8"},
        {26, "Moi intime      5 Défi 3\t\tNombre clef 8"},
        {27, "Expression    8 Défi 2\t\tDernière pierre 5\t\tMission 22/4"},
        {29, "Nombre actif 8\t\t\tInitiation spirituelle 7\t\tNombre d'équilibre 9"},
        {30, "Nombre héréditaire 9\t\tNombre de vie 7\t\t\t1ère voyelle du nom U"},
        {31, "                     \t\t\tNombre cosmique 7\t\tNombre de personnalité 5"},
        {32, "                     \t\t\tCoefficient de dynamisme 4"},
        {36, "Vie entière :"},
        {37, "¯¯¯¯¯¯¯¯¯¯"},
        {38, "Chemin de vie :\t8"},
        {39, "Cycles :\t\t0-28 ans :\t7\t29-57 ans :\t6\t>57 ans :\t22/4"},
        {40,
         "Apogées :\t22/4 Défi 1\t28 ans\t19/1 Défi 2\t37 ans\t41/5 Défi 1\t46 ans\t20/2 Défi 3"},
        {41, "Noeuds :\t1 / 9 ans / 2 / 18 ans / 3 / 27 ans / 4 / 36 ans / 5 / 45 ans / 6 / 54 ans "
             "/ 7 / 63 ans / 8 / 72 ans / 9 / 81 ans"},
        {44, "Année 2026 :"},
        {45, "¯¯¯¯¯¯¯¯¯¯¯"},
        {46, "Année personnelle 5\tLettre de passage P"},
        {48, "Mois             :\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12"},
        {49, "Mois personnel:\t6\t7\t8\t9\t1\t2\t3\t4\t5\t6\t7\t8"},
        {50, "Cycle mensuel:\t6\t6\t6\t6\t6\t9\t9\t9\t9\t6\t6\t6"},
        {51, "Essence      :\t3\t4\t5\t6\t7\t11\t3\t4\t5\t3\t4\t5"},
        {53, "Apogées      :\t32/5\tDéfi\t6\t36/9\tDéfi\t6\t68/5\tDéfi\t8\t24/6\tDéfi\t8"},
        {55, "Période       :\t5\t6\t6\t7\t7\t1\t2\t2\t3\t3\t4\t5"},
        {56, "Profection   :\t10\t10\t10\t10\t10\t11\t11\t11\t11\t11\t11\t11"},
        {58, "Semaine 1    :\t11/2D1\t12/3D2\t13/4D3\t14/5D4\t15/6D5\t16/7D6\t17/8D7\t18/9D8\t19/"
             "1D0\t20/2D1\t21/3D2\t22/4D3"},
        {61, "Semaine 4    :\t47/2D1\t48/3D2\t49/4D3\t50/5D4\t51/6D5\t52/7D6\t53/8D7\t54/9D8\t55/"
             "1D0\t56/2D1\t57/3D2\t58/4D3"},
    };
    for (const auto& [rang, texte] : attendues)
        EXPECT_EQ(l[static_cast<std::size_t>(rang - 1)], texte) << "ligne " << rang;
    for (int vide : {2, 8, 13, 14, 15, 24, 28, 33, 34, 35, 42, 43, 47, 52, 54, 57})
        EXPECT_EQ(l[static_cast<std::size_t>(vide - 1)], "") << "ligne " << vide;
}

TEST(RapportTheme, MemeNombreDeLignesSansDateNiTheme) {
    EtatFenetre vide;
    vide.theme.prenom = " Anne ";
    vide.theme.nom = "Dupont  ";
    const std::string rapport = composer_rapport(vide);
    const std::vector<std::string> l = essai::lignes(rapport);
    ASSERT_EQ(l.size(), 61u);
    EXPECT_EQ(l[0], "[Kalder]\t\t\tThème numérologique de  Anne  Dupont  \t Né(e) le //");
    EXPECT_EQ(l[9], "\t\t\t\t\t");
    EXPECT_EQ(l[43], "Année  :");
    EXPECT_EQ(l[57], "Semaine 1    :\tD\tD\tD\tD\tD\tD\tD\tD\tD\tD\tD\tD");
    EXPECT_TRUE(rapport.ends_with("\r\n"));
}

TEST(RapportTheme, CentrageDesNombresDeMots) {
    struct Cas {
        std::string_view mot, voyelles, consonnes, dessus, dessous;
    };
    const Cas cas[] = {
        {"Marie", "6", "13", "__6__", "¯13¯¯"},
        {"Jean-Luc", "11/2", "7", "__11/2__", "¯¯¯7¯¯¯¯"},
        {"Al", "11/2", "3", "11/2", "3¯"},
        {"", "", "", "", ""},
    };
    for (const Cas& c : cas) {
        EtatFenetre e;
        essai::poser(e.deco[0], c.mot);
        essai::poser(e.des[0], c.voyelles);
        essai::poser(e.dei[0], c.consonnes);
        const std::vector<std::string> l = essai::lignes(composer_rapport(e));
        EXPECT_EQ(l[9], std::string(c.dessus) + "\t\t\t\t\t") << c.mot;
        EXPECT_EQ(l[11], std::string(c.dessous) + "\t\t\t\t\t") << c.mot;
    }
}

} // namespace
} // namespace kalder
