#include "repertoire/format_repertoire.hpp"
#include "repertoire/liste_personnes.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace kalder {
namespace {

Personne P(std::string nom, std::string prenoms, std::string jour = "", std::string mois = "",
           std::string annee = "") {
    return Personne{std::move(nom), std::move(prenoms), std::move(jour), std::move(mois),
                    std::move(annee)};
}

struct CasLecture {
    const char* nom;
    std::string octets;
    std::vector<Personne> attendu;
};

class RepertoireLecture : public ::testing::TestWithParam<CasLecture> {};

TEST_P(RepertoireLecture, Entrees) {
    EXPECT_EQ(lire_repertoire(GetParam().octets), GetParam().attendu);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireLecture,
    ::testing::Values(
        CasLecture{"vide", "", {}}, CasLecture{"que_des_fins_de_ligne", "\r\n\r\n\n", {}},
        CasLecture{"deux_entrees",
                   "\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n"
                   "\"Martin\",\"Paul\",\"03\",\"12\",\"1980\"\r\n",
                   {P("Dupont", "Anne-Marie", "15", "7", "1975"),
                    P("Martin", "Paul", "03", "12", "1980")}},
        CasLecture{"fins_de_ligne_LF",
                   "\"A\",\"B\",\"1\",\"2\",\"3\"\n\"C\",\"D\",\"4\",\"5\",\"6\"\n",
                   {P("A", "B", "1", "2", "3"), P("C", "D", "4", "5", "6")}},
        CasLecture{"CR_seul",
                   "\"A\",\"B\",\"1\",\"2\",\"3\"\r\"C\",\"D\",\"4\",\"5\",\"6\"",
                   {P("A", "B", "1", "2", "3"), P("C", "D", "4", "5", "6")}},
        CasLecture{"derniere_fin_de_ligne_absente",
                   "\"A\",\"B\",\"1\",\"2\",\"3\"\r\n\"C\",\"D\",\"4\",\"5\",\"6\"",
                   {P("A", "B", "1", "2", "3"), P("C", "D", "4", "5", "6")}},
        CasLecture{
            "lignes_blanches",
            "\r\n\"A\",\"B\",\"1\",\"2\",\"3\"\r\n  \r\n\t\r\n\"C\",\"D\",\"\",\"\",\"\"\r\n\r\n",
            {P("A", "B", "1", "2", "3"), P("C", "D")}},
        CasLecture{"derniere_entree_courte",
                   "\"A\",\"B\",\"1\",\"2\",\"3\"\r\n\"C\",\"D\"",
                   {P("A", "B", "1", "2", "3"), P("C", "D")}},
        CasLecture{"entree_courte_au_milieu",
                   "\"A\"\r\n\"C\",\"D\",\"4\",\"5\",\"6\"\r\n",
                   {P("A", ""), P("C", "D", "4", "5", "6")}},
        CasLecture{"champs_sans_guillemets_rognes",
                   "  Dupont ,\tAnne Marie\t,15, 7 ,1975  \r\n",
                   {P("Dupont", "Anne Marie", "15", "7", "1975")}},
        CasLecture{"guillemets_gardent_les_espaces",
                   "\" A \",\"  B\",\"\",\"\",\"\"\r\n",
                   {P(" A ", "  B")}},
        CasLecture{"virgule_dans_un_nom",
                   "\"Dupont, fils\",\"Jean, Paul\",\"1\",\"2\",\"3\"\r\n",
                   {P("Dupont, fils", "Jean, Paul", "1", "2", "3")}},
        CasLecture{"point_virgule_dans_un_nom",
                   "\"Du;pont\",\"B\",\"1\",\"2\",\"3\"\r\n",
                   {P("Du;pont", "B", "1", "2", "3")}},
        CasLecture{"guillemet_non_ferme",
                   "\"Dupont,Anne,1\r\n\"C\",\"D\",\"4\",\"5\",\"6\"\r\n",
                   {P("Dupont,Anne,1", ""), P("C", "D", "4", "5", "6")}},
        CasLecture{"sixieme_champ_ignore",
                   "\"A\",\"B\",\"1\",\"2\",\"3\",\"X\"\r\n",
                   {P("A", "B", "1", "2", "3")}},
        CasLecture{"virgule_finale", "\"A\",\"B\",\r\n", {P("A", "B", "")}},
        CasLecture{"texte_apres_le_guillemet_fermant",
                   "\"A\"xy,\"B\"  ,\"1\",\"2\",\"3\"\r\n",
                   {P("A", "B", "1", "2", "3")}},
        CasLecture{"windows_1252",
                   "\"H\xE9l\xE8ne\",\"\x80\x81\x9C\",\"\",\"\",\"\"\r\n",
                   {P("Hélène", "€\u0081œ")}},
        CasLecture{"octet_nul", "\"A\0B\",\"C\",\"\",\"\",\"\"\r\n"s, {P("A\0B"s, "C")}}),
    ::essai::NomDuCas());

struct CasReecriture {
    const char* nom;
    std::string ligne;
    bool reecrivible;
    std::string ecrite;
};

class RepertoireReecriture : public ::testing::TestWithParam<CasReecriture> {};

TEST_P(RepertoireReecriture, EntreeRendueSansRienPerdre) {
    const auto& cas = GetParam();
    const auto entrees = decouper_repertoire(cas.ligne);
    ASSERT_EQ(entrees.size(), 1u);
    EXPECT_EQ(entrees[0].reecrivible, cas.reecrivible);
    std::string sortie;
    ajouter_entree_lue(sortie, entrees[0]);
    EXPECT_EQ(sortie, cas.ecrite);
    EXPECT_EQ(lire_repertoire(sortie), lire_repertoire(cas.ligne));
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireReecriture,
    ::testing::Values(CasReecriture{"canonique", "\"A\",\"B\",\"1\",\"2\",\"3\"\r\n", true,
                                    "\"A\",\"B\",\"1\",\"2\",\"3\"\r\n"},
                      CasReecriture{"sans_guillemets", " A ,B,1,2,3\n", true,
                                    "\"A\",\"B\",\"1\",\"2\",\"3\"\r\n"},
                      CasReecriture{"courte", "\"A\",\"B\"", true,
                                    "\"A\",\"B\",\"\",\"\",\"\"\r\n"},
                      CasReecriture{"guillemet_dans_un_champ", "Du\"pont,B,1,2,3\r\n", false,
                                    "Du\"pont,B,1,2,3\r\n"},
                      CasReecriture{"six_champs", "\"A\",\"B\",\"1\",\"2\",\"3\",\"note\"\n", false,
                                    "\"A\",\"B\",\"1\",\"2\",\"3\",\"note\"\r\n"},
                      CasReecriture{"texte_apres_guillemet", "\"A\"x,\"B\",\"1\",\"2\",\"3\"\r\n",
                                    false, "\"A\"x,\"B\",\"1\",\"2\",\"3\"\r\n"}),
    ::essai::NomDuCas());

TEST(RepertoireEcriture, EntreeEntreGuillemetsEtCrLf) {
    std::string sortie;
    ajouter_entree(sortie, {"Dupont, fils", "Anne-Marie", "", "7", "1975"});
    EXPECT_EQ(sortie, "\"Dupont, fils\",\"Anne-Marie\",\"\",\"7\",\"1975\"\r\n");
}

// Bytes weighted towards what the reader treats specially.
std::string octets_au_hasard(std::mt19937& g) {
    static constexpr char speciaux[] = {'"', ',', '\r', '\n', ' ', '\t', ';', 'a', '\0'};
    std::uniform_int_distribution<int> longueur(0, 120);
    std::uniform_int_distribution<int> genre(0, 3);
    std::uniform_int_distribution<int> octet(0, 255);
    std::uniform_int_distribution<int> special(0, sizeof speciaux - 1);
    std::string s(static_cast<std::size_t>(longueur(g)), '\0');
    for (char& c : s)
        c = genre(g) == 0 ? static_cast<char>(octet(g)) : speciaux[special(g)];
    return s;
}

TEST(RepertoireLectureAuHasard, DixMilleSuitesDOctets) {
    std::mt19937 g(20240611);
    for (int i = 0; i < 10000; ++i) {
        const std::string octets = octets_au_hasard(g);
        const auto entrees = decouper_repertoire(octets);
        std::string reecrit;
        for (const auto& e : entrees) {
            for (auto champ : e.champs) {
                ASSERT_EQ(champ.find_first_of("\r\n"), std::string_view::npos);
                // Every field is a view into the bytes that were read.
                ASSERT_TRUE(champ.empty() ||
                            (champ.data() >= octets.data() &&
                             champ.data() + champ.size() <= octets.data() + octets.size()));
            }
            ajouter_entree_lue(reecrit, e);
        }
        // Writing back what was read gives the same entries, none lost or invented.
        ASSERT_EQ(lire_repertoire(reecrit), lire_repertoire(octets)) << "suite " << i;
        const auto liste = liste_depuis_octets(octets);
        ASSERT_EQ(liste.taille(), entrees.size());
    }
}

} // namespace
} // namespace kalder
