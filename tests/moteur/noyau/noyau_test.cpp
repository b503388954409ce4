#include "noyau/centrage.hpp"
#include "noyau/lettres.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

// The value and the folded form of a text's first character.
int valeur_lettre(std::string_view texte) {
    return texte.empty() ? 0 : valeur_caractere(premier_caractere(texte));
}
std::string lettre_normalisee(std::string_view texte) {
    std::string r;
    if (!texte.empty())
        ajouter_utf8(r, plier(premier_caractere(texte)));
    return r;
}

struct CasLettre {
    const char* nom;
    const char* texte;
    int valeur;
    const char* normalisee;
};

class ValeurLettre : public testing::TestWithParam<CasLettre> {};

TEST_P(ValeurLettre, PlieEtValorise) {
    const CasLettre& c = GetParam();
    EXPECT_EQ(valeur_lettre(c.texte), c.valeur) << c.texte;
    EXPECT_EQ(lettre_normalisee(c.texte), c.normalisee) << c.texte;
}

INSTANTIATE_TEST_SUITE_P(
    Lettres, ValeurLettre,
    testing::Values(
        CasLettre{"a", "a", 1, "A"}, CasLettre{"A_majuscule", "A", 1, "A"},
        CasLettre{"e_aigu", "é", 5, "E"}, CasLettre{"E_aigu_majuscule", "É", 5, "E"},
        CasLettre{"e_grave", "è", 5, "E"}, CasLettre{"e_circonflexe", "ê", 5, "E"},
        CasLettre{"c_cedille", "ç", 3, "C"}, CasLettre{"C_cedille_majuscule", "Ç", 3, "C"},
        CasLettre{"Y", "Y", 7, "Y"}, CasLettre{"e_trema", "ë", 0, "Ë"},
        CasLettre{"a_grave", "à", 1, "A"}, CasLettre{"O_circonflexe_majuscule", "Ô", 6, "O"},
        CasLettre{"U_grave_majuscule", "Ù", 3, "U"}, CasLettre{"i_circonflexe", "î", 9, "I"},
        CasLettre{"u_trema", "ü", 0, "Ü"}, CasLettre{"oe_lie", "œ", 0, "Œ"},
        CasLettre{"y_trema", "ÿ", 0, "Ÿ"}, CasLettre{"tiret", "-", 0, "-"},
        CasLettre{"apostrophe", "'", 0, "'"}, CasLettre{"blanc", " ", 0, " "},
        CasLettre{"chiffre", "5", 0, "5"}, CasLettre{"vide", "", 0, ""},
        CasLettre{"premiere_lettre_du_mot", "Zorro", 8, "Z"}, CasLettre{"r", "r", 9, "R"},
        CasLettre{"s", "s", 1, "S"}, CasLettre{"ideogramme", "漢", 0, "漢"},
        CasLettre{"octet_invalide", "\xFF", 0, "\xEF\xBF\xBD"}),
    ::essai::NomDuCas());

struct CasReduction {
    const char* nom;
    Nombre n;
    Nombre reduit, maitre, r99;
    const char* t_maitre;
    const char* t_22;
    const char* t_karmique;
};

class Reductions : public testing::TestWithParam<CasReduction> {};

TEST_P(Reductions, ToutesLesFormes) {
    const CasReduction& c = GetParam();
    EXPECT_EQ(reduire(c.n), c.reduit);
    EXPECT_EQ(reduire_maitre(c.n), c.maitre);
    EXPECT_EQ(reduire_99(c.n), c.r99);
    EXPECT_EQ(texte_maitre(c.n), c.t_maitre);
    EXPECT_EQ(texte_reduit_22(c.n), c.t_22);
    EXPECT_EQ(texte_karmique(c.n), c.t_karmique);
}

INSTANTIATE_TEST_SUITE_P(Chaines, Reductions,
                         testing::Values(CasReduction{"n0", 0, 0, 0, 0, "", "", ""},
                                         CasReduction{"n9", 9, 9, 9, 9, "9", "9", "9"},
                                         CasReduction{"n10", 10, 1, 1, 10, "1", "10/1", "1"},
                                         CasReduction{"n11", 11, 2, 11, 11, "11/2", "11/2", "11/2"},
                                         CasReduction{"n19", 19, 1, 1, 19, "1", "19/1", "19"},
                                         CasReduction{"n22", 22, 4, 22, 22, "22/4", "22/4", "22/4"},
                                         CasReduction{"n23", 23, 5, 5, 23, "5", "5", "5"},
                                         CasReduction{"n28", 28, 1, 1, 28, "1", "10/1", "1"},
                                         CasReduction{"n29", 29, 2, 11, 29, "11/2", "11/2", "11/2"},
                                         CasReduction{"n31", 31, 4, 4, 31, "4", "4", "4"},
                                         CasReduction{"n33", 33, 6, 33, 33, "33/6", "6", "33/6"},
                                         CasReduction{"n38", 38, 2, 11, 38, "11/2", "11/2", "11/2"},
                                         CasReduction{"n43", 43, 7, 7, 43, "7", "7", "7"},
                                         CasReduction{"n44", 44, 8, 8, 44, "8", "8", "8"},
                                         CasReduction{"n49", 49, 4, 4, 49, "4", "13/4", "13"},
                                         CasReduction{"n67", 67, 4, 4, 67, "4", "13/4", "13"},
                                         CasReduction{"n85", 85, 4, 4, 85, "4", "13/4", "13"},
                                         CasReduction{"n99", 99, 9, 9, 99, "9", "18/9", "9"},
                                         CasReduction{"n100", 100, 1, 1, 1, "1", "1", "1"},
                                         CasReduction{"n1990", 1990, 1, 1, 19, "1", "19/1", "19"},
                                         CasReduction{"n1991", 1991, 2, 2, 20, "2", "20/2", "2"},
                                         CasReduction{"moins_23", -23, 5, 5, 5, "5", "5", "5"}),
                         ::essai::NomDuCas());

TEST(Reductions, FormeApogee) {
    EXPECT_EQ(texte_apogee(7), "7");
    EXPECT_EQ(texte_apogee(41), "41/5");
    EXPECT_EQ(texte_apogee(10), "10/1");
    EXPECT_EQ(texte_apogee(0), "0");
}

TEST(Reductions, GrandsNombresSansDebordement) {
    EXPECT_EQ(reduire(INT64_MAX), reduire(somme_chiffres(INT64_MAX)));
    EXPECT_EQ(reduire(INT64_MIN), reduire(somme_chiffres(INT64_MIN)));
    EXPECT_GE(reduire(INT64_MIN), 0);
}

struct CasSomme {
    const char* nom;
    const char* texte;
    Nombre lettres, voyelles, consonnes;
};

class Sommes : public testing::TestWithParam<CasSomme> {};

TEST_P(Sommes, VoyellesEtConsonnes) {
    const CasSomme& c = GetParam();
    EXPECT_EQ(somme_lettres(c.texte), c.lettres);
    EXPECT_EQ(somme_voyelles(c.texte), c.voyelles);
    EXPECT_EQ(somme_consonnes(c.texte), c.consonnes);
}

INSTANTIATE_TEST_SUITE_P(Noms, Sommes,
                         testing::Values(CasSomme{"Anne_Marie", "Anne-Marie", 44, 21, 23},
                                         CasSomme{"Helene", "Hélène", 31, 5, 26},
                                         CasSomme{"Yves", "Yves", 17, 12, 5},
                                         CasSomme{"vide", "", 0, 0, 0},
                                         CasSomme{"Eloise", "Éloïse", 20, 11, 9},
                                         CasSomme{"sans_lettre", "123 -'", 0, 0, 0}),
                         ::essai::NomDuCas());

struct CasBarre {
    const char* nom;
    const char* texte;
    Nombre avant, apres;
};

class Barres : public testing::TestWithParam<CasBarre> {};

TEST_P(Barres, LitLesDeuxCotes) {
    EXPECT_EQ(avant_barre(GetParam().texte), GetParam().avant);
    EXPECT_EQ(apres_barre(GetParam().texte), GetParam().apres);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Barres,
    testing::Values(CasBarre{"maitre_11", "11/2", 11, 2}, CasBarre{"simple_7", "7", 7, 7},
                    CasBarre{"vide", "", 0, 0}, CasBarre{"karmique_19", "19/1", 19, 1},
                    CasBarre{"maitre_22", "22/4", 22, 4}, CasBarre{"sans_barre_13", "13", 13, 13},
                    CasBarre{"lettre_U", "U", 0, 0}, CasBarre{"ans_8", "  8 ans", 8, 8}),
    ::essai::NomDuCas());

TEST(Barres, TresLongNombreSature) {
    EXPECT_GE(avant_barre(std::string(400, '9')), Nombre{1} << 53);
}

TEST(Centrage, RemplitEtPlaceLeSurplusADroite) {
    EXPECT_EQ(centrer_souligne("7", 4), "_7__");
    EXPECT_EQ(centrer_souligne("6", 5), "__6__");
    EXPECT_EQ(centrer_surligne("abcde", 5), "abcde");
    EXPECT_EQ(centrer_surligne("abcde", 8), "¯abcde¯¯");
    EXPECT_EQ(centrer_souligne("13", 1), "13");
    EXPECT_EQ(centrer_souligne("", 0), "");
    // Width counts characters, not bytes.
    EXPECT_EQ(centrer_souligne("6", static_cast<long long>(nombre_caracteres("Hélène"))), "__6___");
}

struct CasNombre {
    const char* nom;
    const char* texte;
    bool nombre;
    double valeur;
};

class NombreSaisi : public testing::TestWithParam<CasNombre> {};

TEST_P(NombreSaisi, UneSeuleRegle) {
    const auto v = lire_nombre_saisi(GetParam().texte);
    ASSERT_EQ(v.has_value(), GetParam().nombre) << GetParam().texte;
    if (v) {
        EXPECT_DOUBLE_EQ(*v, GetParam().valeur);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Saisies, NombreSaisi,
    testing::Values(
        CasNombre{"entier", "15", true, 15}, CasNombre{"blancs_autour", "  15 ", true, 15},
        CasNombre{"plus", "+7", true, 7}, CasNombre{"moins", "-3", true, -3},
        CasNombre{"virgule", "15,5", true, 15.5}, CasNombre{"point", "1975.0", true, 1975},
        CasNombre{"zeros_devant", "007", true, 7}, CasNombre{"vide", "", false, 0},
        CasNombre{"blancs", "   ", false, 0}, CasNombre{"lettres", "abc", false, 0},
        CasNombre{"exposant", "1e3", false, 0}, CasNombre{"virgule_finale", "15,", false, 0},
        CasNombre{"virgule_initiale", ",5", false, 0},
        CasNombre{"blanc_interieur", "1 975", false, 0},
        CasNombre{"lettres_apres", "15abc", false, 0}, CasNombre{"double_moins", "--1", false, 0},
        CasNombre{"pleine_chasse", "１５", false, 0}, CasNombre{"hexadecimal", "0x10", false, 0}),
    ::essai::NomDuCas());

TEST(NombreSaisi, ArrondiAuPair) {
    EXPECT_EQ(arrondir_pair(15.5), 16);
    EXPECT_EQ(arrondir_pair(14.5), 14);
    EXPECT_EQ(arrondir_pair(2.4), 2);
    EXPECT_EQ(arrondir_pair(1e300), arrondir_pair(1e301));
}

TEST(NombreSaisi, TresLongNeDebordePas) {
    const std::string long_nombre(5000, '9');
    const auto v = lire_nombre_saisi(long_nombre);
    ASSERT_TRUE(v);
    EXPECT_GT(*v, 32767);
}

TEST(Utf8, OctetsInvalidesRemplaces) {
    EXPECT_EQ(decoder_utf8("a\xC3"), std::u32string(U"a\uFFFD"));
    EXPECT_EQ(decoder_utf8("\xED\xA0\x80"), std::u32string(U"\uFFFD"));
    EXPECT_EQ(decoder_utf8("\xC0\xAF"), std::u32string(U"\uFFFD\uFFFD"));
    EXPECT_EQ(encoder_utf8(decoder_utf8("Zoé 😀")), "Zoé 😀");
    EXPECT_EQ(nombre_caracteres("Zoé 😀"), 5u);
}

} // namespace
} // namespace kalder
