#include "calendrier/trouver.hpp"

#include "nom_du_cas.hpp"
#include "saisie_personne.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

using namespace std::chrono;

Theme paul_martin() {
    return essai::theme_paul_martin(12);
}

// Worked here again digit by digit.
Nombre reduit(Nombre n) {
    while (n > 9) {
        Nombre s = 0;
        for (; n; n /= 10)
            s += n % 10;
        n = s;
    }
    return n;
}

JourPersonnel a_la_main(const Theme& t, const Date& d) {
    const Nombre a = reduit(static_cast<int>(d.year()) + t.mois + t.jour);
    const Nombre m = reduit(a + static_cast<unsigned>(d.month()));
    return {a, m, reduit(m + static_cast<unsigned>(d.day()))};
}

TEST(TrouverJour, UnePersonneEnJuin) {
    const auto jours = trouver_jours(essai::theme_anne_marie_dupont(), nullptr, {1, {}, {}},
                                     {2026y / 6 / 1, 2026y / 6 / 30});
    ASSERT_EQ(jours.size(), 3u);
    EXPECT_EQ(jours[0].date, 2026y / 6 / 8);
    EXPECT_EQ(jours[2].date, 2026y / 6 / 26);
    EXPECT_FALSE(jours[0].seconde);
}

// Two persons over two years, with each filter: every day found suits both,
// and no day that suits both is missing. Born on 10/03, the other shares all
// of the personal days (3 + 10 and 7 + 15 reduce alike), born on 12/03 none.
TEST(TrouverJour, DeuxPersonnesCommeALaMain) {
    const Theme anne = essai::theme_anne_marie_dupont();
    Theme paul = paul_martin();
    const Plage plage{2027y / 1 / 1, 2028y / 12 / 31};
    for (const Nombre ne_le : {10, 12})
        for (const JourCherche& c : {JourCherche{1, {}, {}}, JourCherche{7, 3, {}},
                                     JourCherche{5, {}, 6}, JourCherche{9, 9, 7}}) {
            paul.jour = ne_le;
            std::vector<Date> attendus;
            for (sys_days d{plage.du}; d <= sys_days{plage.au}; d += days{1}) {
                const auto a = a_la_main(anne, Date{d});
                const auto p = a_la_main(paul, Date{d});
                const auto va = [&](const JourPersonnel& j) {
                    return j.jour_personnel == c.jour && (!c.mois || j.mois_personnel == *c.mois) &&
                           (!c.annee || j.annee_personnelle == *c.annee);
                };
                if (va(a) && va(p))
                    attendus.push_back(Date{d});
            }
            const auto jours = trouver_jours(anne, &paul, c, plage);
            std::vector<Date> trouves;
            for (const JourTrouve& j : jours) {
                trouves.push_back(j.date);
                ASSERT_TRUE(j.seconde);
                EXPECT_EQ(j.seconde->jour_personnel, c.jour);
                EXPECT_EQ(j.premiere.mois_personnel, a_la_main(anne, j.date).mois_personnel);
            }
            EXPECT_EQ(trouves, attendus) << c.jour;
            EXPECT_EQ(trouves.empty(), ne_le == 12) << c.jour;
        }
}

TEST(TrouverJour, DepuisLaNaissanceLaPlusTardive) {
    Theme bebe = paul_martin();
    bebe.jour = 10;
    bebe.annee = 2027;
    const auto jours = trouver_jours(essai::theme_anne_marie_dupont(), &bebe, {1, {}, {}},
                                     {2027y / 1 / 1, 2027y / 12 / 31});
    ASSERT_FALSE(jours.empty());
    EXPECT_GE(sys_days{jours.front().date}, sys_days{2027y / 3 / 10});
}

struct CasRefus {
    const char* nom;
    JourCherche cherche;
    bool autre_sans_date;
    Plage plage;
    const char* raison;
};

const CasRefus cas_refus[] = {
    {"jour_0",
     {0, {}, {}},
     false,
     {2027y / 1 / 1, 2027y / 1 / 2},
     "Le jour personnel cherché doit aller de 1 à 9."},
    {"jour_11",
     {11, {}, {}},
     false,
     {2027y / 1 / 1, 2027y / 1 / 2},
     "Le jour personnel cherché doit aller de 1 à 9."},
    {"mois_10",
     {1, 10, {}},
     false,
     {2027y / 1 / 1, 2027y / 1 / 2},
     "Le mois personnel cherché doit aller de 1 à 9."},
    {"annee_0",
     {1, {}, 0},
     false,
     {2027y / 1 / 1, 2027y / 1 / 2},
     "L'année personnelle cherchée doit aller de 1 à 9."},
    {"autre_sans_date",
     {1, {}, {}},
     true,
     {2027y / 1 / 1, 2027y / 1 / 2},
     "L'autre personne n'a pas de date de naissance complète."},
    {"vingt_ans",
     {1, {}, {}},
     false,
     {2027y / 1 / 1, 2047y / 1 / 1},
     "La période demandée dépasse vingt ans."},
    {"date_impossible",
     {1, {}, {}},
     false,
     {2027y / 2 / 29, 2027y / 3 / 1},
     "Cette date n'existe pas."},
};

class RefusCas : public testing::TestWithParam<CasRefus> {};

TEST_P(RefusCas, Raison) {
    const CasRefus& c = GetParam();
    Theme autre = paul_martin();
    if (c.autre_sans_date)
        autre.annee = 0;
    EXPECT_EQ(verifier_recherche(essai::theme_anne_marie_dupont(), &autre, c.cherche, c.plage),
              std::optional<std::string>(c.raison));
}
INSTANTIATE_TEST_SUITE_P(TrouverJour, RefusCas, testing::ValuesIn(cas_refus), ::essai::NomDuCas{});

TEST(TrouverJour, NoteDuJourChoisi) {
    EXPECT_EQ(note_jour_choisi("la signature", 2027y / 3 / 12, 1),
              "Jour choisi pour la signature\u00a0: 12/03/2027, jour personnel 1");
}

} // namespace
} // namespace kalder
