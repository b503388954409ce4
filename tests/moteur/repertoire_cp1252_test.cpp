#include "repertoire/cp1252.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kalder {
namespace {

struct CasOctet {
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
    ::testing::Values(CasOctet{0x80, "€"}, CasOctet{0x81, "\u0081"}, CasOctet{0x82, "‚"},
                      CasOctet{0x83, "ƒ"}, CasOctet{0x84, "„"}, CasOctet{0x85, "…"},
                      CasOctet{0x86, "†"}, CasOctet{0x87, "‡"}, CasOctet{0x88, "ˆ"},
                      CasOctet{0x89, "‰"}, CasOctet{0x8A, "Š"}, CasOctet{0x8B, "‹"},
                      CasOctet{0x8C, "Œ"}, CasOctet{0x8D, "\u008D"}, CasOctet{0x8E, "Ž"},
                      CasOctet{0x8F, "\u008F"}, CasOctet{0x90, "\u0090"}, CasOctet{0x91, "‘"},
                      CasOctet{0x92, "’"}, CasOctet{0x93, "“"}, CasOctet{0x94, "”"},
                      CasOctet{0x95, "•"}, CasOctet{0x96, "–"}, CasOctet{0x97, "—"},
                      CasOctet{0x98, "˜"}, CasOctet{0x99, "™"}, CasOctet{0x9A, "š"},
                      CasOctet{0x9B, "›"}, CasOctet{0x9C, "œ"}, CasOctet{0x9D, "\u009D"},
                      CasOctet{0x9E, "ž"}, CasOctet{0x9F, "Ÿ"}, CasOctet{0xA0, "\u00A0"},
                      CasOctet{0xC9, "É"}, CasOctet{0xE9, "é"}, CasOctet{0xE8, "è"},
                      CasOctet{0xE7, "ç"}, CasOctet{0xFF, "ÿ"}, CasOctet{0x41, "A"}));

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

class RepertoireCp1252Refus : public ::testing::TestWithParam<std::string> {};

TEST_P(RepertoireCp1252Refus, TexteQueLeCodeNePeutPasTenir) {
    EXPECT_FALSE(utf8_vers_cp1252(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Repertoire, RepertoireCp1252Refus,
                         ::testing::Values("Łukasz", "Anne ☃", "\xF0\x9F\x98\x80", "\uFFFD", "\xC3",
                                           "a\xA9", "\xC0\xAF", "\xED\xA0\x80", "\xC3\xA9\xA9",
                                           "\xE9t\xE9", "\xFF"));

} // namespace
} // namespace kalder
