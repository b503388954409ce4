#include "noyau/centrage.hpp"
#include "noyau/lettres.hpp"
#include "noyau/reductions.hpp"
#include "noyau/saisie.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"

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
    testing::Values(CasLettre{"a", 1, "A"}, CasLettre{"A", 1, "A"}, CasLettre{"é", 5, "E"},
                    CasLettre{"É", 5, "E"}, CasLettre{"è", 5, "E"}, CasLettre{"ê", 5, "E"},
                    CasLettre{"ç", 3, "C"}, CasLettre{"Ç", 3, "C"}, CasLettre{"Y", 7, "Y"},
                    CasLettre{"ë", 0, "Ë"}, CasLettre{"à", 1, "A"}, CasLettre{"Ô", 6, "O"},
                    CasLettre{"Ù", 3, "U"}, CasLettre{"î", 9, "I"}, CasLettre{"ü", 0, "Ü"},
                    CasLettre{"œ", 0, "Œ"}, CasLettre{"ÿ", 0, "Ÿ"}, CasLettre{"-", 0, "-"},
                    CasLettre{"'", 0, "'"}, CasLettre{" ", 0, " "}, CasLettre{"5", 0, "5"},
                    CasLettre{"", 0, ""}, CasLettre{"Zorro", 8, "Z"}, CasLettre{"r", 9, "R"},
                    CasLettre{"s", 1, "S"}, CasLettre{"漢", 0, "漢"},
                    CasLettre{"\xFF", 0, "\xEF\xBF\xBD"}));

struct CasReduction {
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

INSTANTIATE_TEST_SUITE_P(
    Chaines, Reductions,
    testing::Values(
        CasReduction{0, 0, 0, 0, "", "", ""}, CasReduction{9, 9, 9, 9, "9", "9", "9"},
        CasReduction{10, 1, 1, 10, "1", "10/1", "1"},
        CasReduction{11, 2, 11, 11, "11/2", "11/2", "11/2"},
        CasReduction{19, 1, 1, 19, "1", "19/1", "19"},
        CasReduction{22, 4, 22, 22, "22/4", "22/4", "22/4"},
        CasReduction{23, 5, 5, 23, "5", "5", "5"}, CasReduction{28, 1, 1, 28, "1", "10/1", "1"},
        CasReduction{29, 2, 11, 29, "11/2", "11/2", "11/2"},
        CasReduction{31, 4, 4, 31, "4", "4", "4"}, CasReduction{33, 6, 33, 33, "33/6", "6", "33/6"},
        CasReduction{38, 2, 11, 38, "11/2", "11/2", "11/2"},
        CasReduction{43, 7, 7, 43, "7", "7", "7"}, CasReduction{44, 8, 8, 44, "8", "8", "8"},
        CasReduction{49, 4, 4, 49, "4", "13/4", "13"},
        CasReduction{67, 4, 4, 67, "4", "13/4", "13"},
        CasReduction{85, 4, 4, 85, "4", "13/4", "13"}, CasReduction{99, 9, 9, 99, "9", "18/9", "9"},
        CasReduction{100, 1, 1, 1, "1", "1", "1"}, CasReduction{1990, 1, 1, 19, "1", "19/1", "19"},
        CasReduction{1991, 2, 2, 20, "2", "20/2", "2"}, CasReduction{-23, 5, 5, 5, "5", "5", "5"}));

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
                         testing::Values(CasSomme{"Anne-Marie", 44, 21, 23},
                                         CasSomme{"Hélène", 31, 5, 26}, CasSomme{"Yves", 17, 12, 5},
                                         CasSomme{"", 0, 0, 0}, CasSomme{"Éloïse", 20, 11, 9},
                                         CasSomme{"123 -'", 0, 0, 0}));

struct CasBarre {
    const char* texte;
    Nombre avant, apres;
};

class Barres : public testing::TestWithParam<CasBarre> {};

TEST_P(Barres, LitLesDeuxCotes) {
    EXPECT_EQ(avant_barre(GetParam().texte), GetParam().avant);
    EXPECT_EQ(apres_barre(GetParam().texte), GetParam().apres);
}

INSTANTIATE_TEST_SUITE_P(Textes, Barres,
                         testing::Values(CasBarre{"11/2", 11, 2}, CasBarre{"7", 7, 7},
                                         CasBarre{"", 0, 0}, CasBarre{"19/1", 19, 1},
                                         CasBarre{"22/4", 22, 4}, CasBarre{"13", 13, 13},
                                         CasBarre{"U", 0, 0}, CasBarre{"  8 ans", 8, 8}));

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

INSTANTIATE_TEST_SUITE_P(Saisies, NombreSaisi,
                         testing::Values(CasNombre{"15", true, 15}, CasNombre{"  15 ", true, 15},
                                         CasNombre{"+7", true, 7}, CasNombre{"-3", true, -3},
                                         CasNombre{"15,5", true, 15.5},
                                         CasNombre{"1975.0", true, 1975}, CasNombre{"007", true, 7},
                                         CasNombre{"", false, 0}, CasNombre{"   ", false, 0},
                                         CasNombre{"abc", false, 0}, CasNombre{"1e3", false, 0},
                                         CasNombre{"15,", false, 0}, CasNombre{",5", false, 0},
                                         CasNombre{"1 975", false, 0}, CasNombre{"15abc", false, 0},
                                         CasNombre{"--1", false, 0}, CasNombre{"１５", false, 0},
                                         CasNombre{"0x10", false, 0}));

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
