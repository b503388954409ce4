#include "calendrier/calendrier.hpp"
#include "calendrier/ics.hpp"

#include "nom_du_cas.hpp"
#include "saisie_personne.hpp"

#include "lisible.hpp"
#include <gtest/gtest.h>

#include <algorithm>

namespace kalder {
namespace {

using namespace std::chrono;

// Worked by hand: personal year = reduce(Y + 7 + 15), personal month =
// reduce(year + m), personal day = reduce(month + d).
struct CasJour {
    const char* nom;
    Date date;
    Nombre annee, mois, jour;
    const char* explication;
};

const CasJour cas_jours[] = {
    // 2026: 2048 → 14 → 5.
    {"debut_annee", 2026y / 1 / 2, 5, 6, 8, "Mois personnel de janvier 6 + jour 2 = 8"},
    {"jour_31", 2026y / 1 / 31, 5, 6, 1,
     "Mois personnel de janvier 6 + jour 31 = 37 → 3 + 7 = 10 → 1 + 0 = 1"},
    // June: 5 + 6 = 11, no master number kept for a month.
    {"mois_11_jour_29", 2026y / 6 / 29, 5, 2, 4,
     "Mois personnel de juin 2 + jour 29 = 31 → 3 + 1 = 4"},
    {"jour_somme_22", 2026y / 6 / 20, 5, 2, 4,
     "Mois personnel de juin 2 + jour 20 = 22 → 2 + 2 = 4"},
    {"mois_elide", 2026y / 8 / 30, 5, 4, 7, "Mois personnel d'août 4 + jour 30 = 34 → 3 + 4 = 7"},
    {"jour_1", 2026y / 4 / 1, 5, 9, 1, "Mois personnel d'avril 9 + jour 1 = 10 → 1 + 0 = 1"},
    {"decembre_31", 2026y / 12 / 31, 5, 8, 3,
     "Mois personnel de décembre 8 + jour 31 = 39 → 3 + 9 = 12 → 1 + 2 = 3"},
    // 2028: 2050 → 7; February 7 + 2 = 9.
    {"bissextile_29", 2028y / 2 / 29, 7, 9, 2,
     "Mois personnel de février 9 + jour 29 = 38 → 3 + 8 = 11 → 1 + 1 = 2"},
    // 2031: 2053 → 10 → 1; July 1 + 7 = 8.
    {"juillet_8", 2031y / 7 / 14, 1, 8, 4,
     "Mois personnel de juillet 8 + jour 14 = 22 → 2 + 2 = 4"},
    // The birthday itself: 1997 → 26 → 8.
    {"naissance", 1975y / 7 / 15, 8, 6, 3,
     "Mois personnel de juillet 6 + jour 15 = 21 → 2 + 1 = 3"},
};

class JourPersonnelCas : public testing::TestWithParam<CasJour> {};

TEST_P(JourPersonnelCas, ValeursEtExplication) {
    const CasJour& c = GetParam();
    const auto jours = jours_personnels(essai::theme_anne_marie_dupont(), {c.date, c.date});
    ASSERT_EQ(jours.size(), 1u);
    EXPECT_EQ(jours[0].date, c.date);
    EXPECT_EQ(jours[0].annee_personnelle, c.annee);
    EXPECT_EQ(jours[0].mois_personnel, c.mois);
    EXPECT_EQ(jours[0].jour_personnel, c.jour);
    EXPECT_EQ(::essai::lisible(jours[0].explication), c.explication);
}

INSTANTIATE_TEST_SUITE_P(Calendrier, JourPersonnelCas, testing::ValuesIn(cas_jours),
                         ::essai::NomDuCas{});

TEST(Calendrier, AnneeEntiereEtMoisDeLaGrille) {
    const auto jours = jours_personnels(essai::theme_anne_marie_dupont(), plage_annee(2026), false);
    ASSERT_EQ(jours.size(), 365u);
    EXPECT_EQ(jours.front().date, 2026y / 1 / 1);
    EXPECT_EQ(jours.back().date, 2026y / 12 / 31);
    EXPECT_TRUE(jours.front().explication.empty());
    // The personal months of the forecast grid for 2026.
    const Nombre attendus[] = {6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8};
    for (const JourCalendrier& j : jours)
        ASSERT_EQ(j.mois_personnel, attendus[static_cast<unsigned>(j.date.month()) - 1]);
    EXPECT_EQ(jours_personnels(essai::theme_anne_marie_dupont(), plage_annee(2028)).size(), 366u);
    EXPECT_EQ(jours_personnels(essai::theme_anne_marie_dupont(), plage_mois(2026, 2)).size(), 28u);
    // The birth year starts on the birthday.
    const auto annee_naissance =
        jours_personnels(essai::theme_anne_marie_dupont(), plage_annee(1975));
    EXPECT_EQ(annee_naissance.front().date, 1975y / 7 / 15);
    EXPECT_EQ(
        ::essai::lisible(expliquer_mois_du_calendrier(essai::theme_anne_marie_dupont(), 2026, 6)),
        "Année personnelle 5 + mois 6 = 11 → 1 + 1 = 2");
}

struct CasPlage {
    const char* nom;
    Date du, au;
    bool date_naissance;
    const char* message; // nullptr: accepted
};

const CasPlage cas_plages[] = {
    {"annee", 2027y / 1 / 1, 2027y / 12 / 31, true, nullptr},
    {"vingt_ans", 2027y / 1 / 1, 2046y / 12 / 31, true, nullptr},
    {"chevauche_naissance", 1975y / 1 / 1, 1975y / 12 / 31, true, nullptr},
    {"sans_date", 2027y / 1 / 1, 2027y / 12 / 31, false,
     "Pas de calendrier des jours personnels sans date de naissance."},
    {"a_rebours", 2027y / 3 / 1, 2027y / 2 / 1, true,
     "La fin de la période, le 1er février 2027, précède son début, le 1er mars 2027."},
    {"31_fevrier", 2027y / 2 / 31, 2027y / 3 / 1, true, "Cette date n'existe pas."},
    {"annee_0", 0y / 1 / 1, 2027y / 1 / 1, true, "L'année du calendrier doit aller de 1 à 9999."},
    {"annee_10000", 2027y / 1 / 1, 10000y / 1 / 1, true,
     "L'année du calendrier doit aller de 1 à 9999."},
    {"trop_long", 2000y / 1 / 1, 2020y / 1 / 1, true, "La période demandée dépasse vingt ans."},
    {"avant_naissance", 1970y / 1 / 1, 1975y / 7 / 14, true,
     "La période demandée s'achève avant la naissance, le 15 juillet 1975."},
};

class PlageCas : public testing::TestWithParam<CasPlage> {};

TEST_P(PlageCas, Refus) {
    const CasPlage& c = GetParam();
    Theme t = essai::theme_anne_marie_dupont();
    if (!c.date_naissance)
        t.jour = t.mois = t.annee = 0;
    const auto refus = verifier_plage(t, {c.du, c.au});
    if (c.message)
        EXPECT_EQ(refus.value_or("(acceptée)"), c.message);
    else
        EXPECT_FALSE(refus) << *refus;
}

INSTANTIATE_TEST_SUITE_P(Calendrier, PlageCas, testing::ValuesIn(cas_plages), ::essai::NomDuCas{});

TEST(Calendrier, LireDate) {
    EXPECT_EQ(lire_date("2027-01-31"), 2027y / 1 / 31);
    EXPECT_EQ(texte_date(2027y / 1 / 3), "2027-01-03");
    for (const char* faux : {"2027-02-31", "2027-2-01", "2027-13-01", "27-01-01", "2027-01-01x",
                             "+027-01-01", "2027/01/01", ""})
        EXPECT_FALSE(lire_date(faux)) << faux;
}

TEST(Ics, EchappementEtPliage) {
    EXPECT_EQ(texte_ics("a,b;c\\d\ne\r\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
    // 74 ASCII bytes then "é": cutting at 75 would split it.
    const std::string longue = "DESCRIPTION:" + std::string(62, 'x') + "éé" + std::string(150, 'y');
    const std::string pliee = ligne_ics(longue);
    std::string depliee;
    std::size_t debut = 0;
    while (debut < pliee.size()) {
        const std::size_t fin = pliee.find("\r\n", debut);
        ASSERT_NE(fin, std::string::npos);
        const std::string morceau = pliee.substr(debut, fin - debut);
        EXPECT_LE(morceau.size(), 75u);
        if (debut == 0) {
            depliee = morceau;
        } else {
            ASSERT_EQ(morceau[0], ' ');
            ASSERT_NE(static_cast<unsigned char>(morceau[1]) & 0xC0, 0x80);
            depliee += morceau.substr(1);
        }
        debut = fin + 2;
    }
    EXPECT_EQ(depliee, longue);
    EXPECT_EQ(ligne_ics("UID:x"), "UID:x\r\n");
}

TEST(Ics, UidStableEtHorodatage) {
    const Theme t = essai::theme_anne_marie_dupont();
    const auto jours = jours_personnels(t, {2027y / 1 / 1, 2027y / 1 / 2});
    const auto a = ecrire_ics(t, jours, sys_days{2026y / 12 / 8} + hours{11} + minutes{5});
    const auto b = ecrire_ics(t, jours, sys_days{2026y / 12 / 9});
    EXPECT_NE(a.find("DTSTAMP:20261208T110500Z\r\n"), std::string::npos);
    EXPECT_NE(a.find("SUMMARY:Jour personnel 8 — Aboutissements sur le plan du travail.\r\n"),
              std::string::npos);
    EXPECT_NE(a.find("SUMMARY:Mois personnel 7 — Réflexion\\, spiritualité\\, introspection.\r\n"),
              std::string::npos);
    const auto uids = [](const std::string& s) {
        std::string r;
        for (auto p = s.find("UID:"); p != std::string::npos; p = s.find("UID:", p + 1))
            r += s.substr(p, s.find("\r\n", p) - p) + "|";
        return r;
    };
    EXPECT_EQ(uids(a), uids(b));
    Theme autre = t;
    autre.jour = 16;
    EXPECT_NE(uids(a), uids(ecrire_ics(autre, jours, sys_days{2026y / 12 / 9})));
}

// The program's own texts: the personal month's for a day or a month, the
// personal year's for a year; a number without one (no master number is
// kept in the calendar) reads nothing.
TEST(Sens, UnANeuf) {
    EXPECT_EQ(sens_jour_personnel(1), "Commencements.");
    EXPECT_EQ(sens_jour_personnel(4), "Travail et restrictions.");
    EXPECT_EQ(sens_personnel(Echelle::mois, 9), "Fin, terminaisons, rapport avec l'étranger.");
    EXPECT_TRUE(sens_personnel(Echelle::annee, 3).starts_with("Année de relations"));
    for (Nombre n = 1; n <= 9; ++n) {
        EXPECT_EQ(sens_jour_personnel(n), sens_personnel(Echelle::mois, n));
        EXPECT_FALSE(sens_personnel(Echelle::annee, n).empty()) << n;
        EXPECT_NE(sens_personnel(Echelle::annee, n), sens_personnel(Echelle::mois, n));
    }
    for (Nombre n : {0, 10, 11, 22})
        for (Echelle e : {Echelle::jour, Echelle::mois, Echelle::annee})
            EXPECT_TRUE(sens_personnel(e, n).empty()) << n;
}

// From 15 November to 3 December: November's month and the year cut to the
// range, December's month to its three days; their UIDs name the 1st.
TEST(Ics, MoisEtAnneeCoupesALaPlage) {
    const Theme t = essai::theme_anne_marie_dupont();
    const auto ev = evenements_ics(t, jours_personnels(t, {2027y / 11 / 15, 2027y / 12 / 3}));
    ASSERT_EQ(ev.size(), 3u + 19u);
    const auto cle = ev[0].uid.substr(ev[0].uid.rfind('-'));
    EXPECT_EQ(ev[0].uid, "annee-20270101" + cle);
    EXPECT_EQ(ev[0].du, 2027y / 11 / 15);
    EXPECT_EQ(ev[0].au, 2027y / 12 / 3);
    EXPECT_TRUE(ev[0].resume.starts_with("Année personnelle 6 — Année de responsabilités"));
    EXPECT_EQ(ev[1].uid, "mois-20271101" + cle);
    EXPECT_EQ(ev[1].au, 2027y / 11 / 30);
    EXPECT_EQ(ev[1].resume, "Mois personnel 8 — Aboutissements sur le plan du travail.");
    const auto decembre = std::find_if(ev.begin(), ev.end(), [&](const EvenementIcs& e) {
        return e.uid == "mois-20271201" + cle;
    });
    ASSERT_NE(decembre, ev.end());
    EXPECT_EQ(decembre->du, 2027y / 12 / 1);
    EXPECT_EQ(decembre->au, 2027y / 12 / 3);
    EXPECT_EQ(ev[2].resume, "Jour personnel 5 — Changements, rencontres.");
    EXPECT_EQ(::essai::lisible(ev[2].description),
              "Mois personnel de novembre 8 + jour 15 = 23 → 2 + 3 = 5\nAnne-Marie Dupont");
}

} // namespace
} // namespace kalder
