// Every date of the iCalendar file has its eight digits, up to the last day
// a calendar can hold.
#include "calendrier/ics.hpp"

#include "saisie_personne.hpp"

#include <gtest/gtest.h>

#include <regex>

namespace kalder {
namespace {

using namespace std::chrono;

TEST(CalendrierIcs, DatesDeHuitChiffresJusquAuDernierJour) {
    const Theme t = essai::theme_anne_marie_dupont();
    for (const Date jour : {Date{9999y / 12 / 31}, Date{2026y / 1 / 1}}) {
        const auto texte =
            ecrire_ics(t, jours_personnels(t, {jour, jour}), sys_days{2026y / 12 / 8});
        const std::regex date_ics(";VALUE=DATE:([0-9]*)\r\n");
        int dates = 0;
        for (auto it = std::sregex_iterator(texte.begin(), texte.end(), date_ics);
             it != std::sregex_iterator(); ++it, ++dates)
            EXPECT_EQ((*it)[1].length(), 8) << (*it)[0];
        EXPECT_GE(dates, 1);
    }
}

} // namespace
} // namespace kalder
