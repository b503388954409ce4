// Every date of the iCalendar file has its eight digits, up to the last day
// a calendar can hold.
#include "calendrier/ics.hpp"

#include "saisie_personne.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

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

// With a second person shown beside, the agenda holds the days of both, each
// under its own UIDs, and names both.
TEST(CalendrierIcs, DeuxPersonnesDansUnAgenda) {
    const Theme anne = essai::theme_anne_marie_dupont();
    const Theme paul = essai::theme_paul_martin(12);
    const Plage mars{2027y / 3 / 1, 2027y / 3 / 31};
    const auto dossier = std::filesystem::temp_directory_path() / "kalder_ics_deux";
    std::filesystem::create_directories(dossier);
    const auto chemin = dossier / "deux.ics";
    ASSERT_FALSE(exporter_ics(chemin, anne, mars, sys_days{2026y / 12 / 8}, &paul));
    std::stringstream lu;
    lu << std::ifstream(chemin).rdbuf();
    const std::string texte = lu.str();
    std::filesystem::remove_all(dossier);
    EXPECT_NE(texte.find("X-WR-CALNAME:Jours personnels — Anne-Marie Dupont et Paul Martin"),
              std::string::npos);
    const std::regex uid("UID:([^\r]*)\r\n");
    std::set<std::string> uids;
    int evenements = 0;
    for (auto it = std::sregex_iterator(texte.begin(), texte.end(), uid);
         it != std::sregex_iterator(); ++it, ++evenements)
        uids.insert((*it)[1]);
    // Each person: 31 days, the month and the year.
    EXPECT_EQ(evenements, 2 * (31 + 1 + 1));
    EXPECT_EQ(uids.size(), static_cast<std::size_t>(evenements));
}

} // namespace
} // namespace kalder
