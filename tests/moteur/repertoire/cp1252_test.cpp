#include "repertoire/cp1252.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kalder {
namespace {

struct CasOctet {
    const char* nom;
    unsigned char octet;
    const char* utf8;
};

class RepertoireCp1252Octets : public ::testing::TestWithParam<CasOctet> {};

TEST_P(RepertoireCp1252Octets, LitEtRendLeMemeOctet) {
    const auto& cas = GetParam();
    const std::string octet(1, static_cast<char>(cas.octet));
    EXPECT_EQ(cp1252_vers_utf8(octet), cas.utf8);
    EXPECT_EQ(utf8_vers_cp1252(cas.utf8), octet);
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireCp1252Octets,
    ::testing::Values(
        CasOctet{"x80", 0x80, "€"}, CasOctet{"x81", 0x81, "\u0081"}, CasOctet{"x82", 0x82, "‚"},
        CasOctet{"x83", 0x83, "ƒ"}, CasOctet{"x84", 0x84, "„"}, CasOctet{"x85", 0x85, "…"},
        CasOctet{"x86", 0x86, "†"}, CasOctet{"x87", 0x87, "‡"}, CasOctet{"x88", 0x88, "ˆ"},
        CasOctet{"x89", 0x89, "‰"}, CasOctet{"x8A", 0x8A, "Š"}, CasOctet{"x8B", 0x8B, "‹"},
        CasOctet{"x8C", 0x8C, "Œ"}, CasOctet{"x8D", 0x8D, "\u008D"}, CasOctet{"x8E", 0x8E, "Ž"},
        CasOctet{"x8F", 0x8F, "\u008F"}, CasOctet{"x90", 0x90, "\u0090"},
        CasOctet{"x91", 0x91, "‘"}, CasOctet{"x92", 0x92, "’"}, CasOctet{"x93", 0x93, "“"},
        CasOctet{"x94", 0x94, "”"}, CasOctet{"x95", 0x95, "•"}, CasOctet{"x96", 0x96, "–"},
        CasOctet{"x97", 0x97, "—"}, CasOctet{"x98", 0x98, "˜"}, CasOctet{"x99", 0x99, "™"},
        CasOctet{"x9A", 0x9A, "š"}, CasOctet{"x9B", 0x9B, "›"}, CasOctet{"x9C", 0x9C, "œ"},
        CasOctet{"x9D", 0x9D, "\u009D"}, CasOctet{"x9E", 0x9E, "ž"}, CasOctet{"x9F", 0x9F, "Ÿ"},
        CasOctet{"xA0", 0xA0, "\u00A0"}, CasOctet{"xC9", 0xC9, "É"}, CasOctet{"xE9", 0xE9, "é"},
        CasOctet{"xE8", 0xE8, "è"}, CasOctet{"xE7", 0xE7, "ç"}, CasOctet{"xFF", 0xFF, "ÿ"},
        CasOctet{"x41", 0x41, "A"}),
    ::essai::NomDuCas());

TEST(RepertoireCp1252, ChaqueOctetFaitLAllerRetour) {
    std::string tous;
    for (int o = 0; o < 256; ++o)
        tous.push_back(static_cast<char>(o));
    const auto retour = utf8_vers_cp1252(cp1252_vers_utf8(tous));
    ASSERT_TRUE(retour.has_value());
    EXPECT_EQ(*retour, tous);
}

TEST(RepertoireCp1252, NomsAccentues) {
    EXPECT_EQ(cp1252_vers_utf8("H\xE9l\xE8ne"), "Hélène");
    EXPECT_EQ(utf8_vers_cp1252("Hélène"), "H\xE9l\xE8ne");
    EXPECT_EQ(utf8_vers_cp1252("Cœur-Joie Ÿves"), "C\x9C"
                                                  "ur-Joie \x9F"
                                                  "ves");
}

struct CasTexte {
    const char* nom;
    std::string texte;
};

class RepertoireCp1252Refus : public ::testing::TestWithParam<CasTexte> {};

TEST_P(RepertoireCp1252Refus, TexteQueLeCodeNePeutPasTenir) {
    EXPECT_FALSE(utf8_vers_cp1252(GetParam().texte).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireCp1252Refus,
    ::testing::Values(CasTexte{"L_barre", "Łukasz"}, CasTexte{"bonhomme_de_neige", "Anne ☃"},
                      CasTexte{"emoji", "\xF0\x9F\x98\x80"},
                      CasTexte{"caractere_de_remplacement", "\uFFFD"},
                      CasTexte{"sequence_tronquee", "\xC3"}, CasTexte{"suite_isolee", "a\xA9"},
                      CasTexte{"forme_trop_longue", "\xC0\xAF"},
                      CasTexte{"demi_codet", "\xED\xA0\x80"},
                      CasTexte{"suite_en_trop", "\xC3\xA9\xA9"},
                      CasTexte{"latin1_brut", "\xE9t\xE9"}, CasTexte{"octet_FF", "\xFF"}),
    ::essai::NomDuCas());

} // namespace
} // namespace kalder
