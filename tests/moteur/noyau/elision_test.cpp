#include "noyau/date_chiffres.hpp"
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
    EXPECT_EQ(de_article("le nom ou de la date"), "du nom ou de la date");
    EXPECT_EQ(de_article("les notes"), "des notes");
    EXPECT_EQ(de_article("la note"), "de la note");
    EXPECT_EQ(de_article("un partenaire"), "d'un partenaire");
    EXPECT_EQ(de_article("Le Breton"), "de Le Breton");
}

TEST(DateChiffres, JourEtMoisSurDeuxChiffres) {
    EXPECT_EQ(date_chiffres(15, 7, 1975), "15/07/1975");
    EXPECT_EQ(date_chiffres("1", "2", "1990"), "01/02/1990");
    EXPECT_EQ(date_chiffres("", "", ""), "");
    EXPECT_EQ(date_chiffres("x", "12", "2000"), "x/12/2000");
}

} // namespace
} // namespace kalder
