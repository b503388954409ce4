#include "noyau/elision.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace kalder {
namespace {

struct CasElision {
    std::string_view mot, suite, attendu;
};

TEST(Elision, DevantVoyelleEtHMuet) {
    constexpr std::array<CasElision, 12> cas{{
        {"de", "Anne-Marie Dupont", "d'Anne-Marie Dupont"},
        {"de", "Paul Martin", "de Paul Martin"},
        {"de", "Hélène", "d'Hélène"},
        {"de", "Hugo", "d'Hugo"},
        {"de", "Yves", "d'Yves"},
        {"de", "Éloïse", "d'Éloïse"},
        {"de", "Œdipe", "d'Œdipe"},
        {"de", "", "de "},
        {"le", "Écuyer", "l'Écuyer"},
        {"que", "un", "qu'un"},
        {"De", "une orthographe", "D'une orthographe"},
        {"de", "H", "de H"},
    }};
    for (const auto& c : cas)
        EXPECT_EQ(elider(c.mot, c.suite), c.attendu) << c.mot << " " << c.suite;
    EXPECT_EQ(de("Zoé"), "de Zoé");
}

} // namespace
} // namespace kalder
