#include "annee/calculer_annee.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "modele/etat_fenetre.hpp"
#include "modele/slots.hpp"
#include "theme/calculer_theme.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <random>

namespace kalder {
namespace {

struct CasNom {
    const char* nom;
    std::string prenom;
    std::string nom_famille;
};

class NomsInhabituels : public testing::TestWithParam<CasNom> {};

// Whatever the names hold, the theme is computed and every slot stays
// valid text; nothing here may crash or hang.
TEST_P(NomsInhabituels, ToutEstCalcule) {
    EtatFenetre e;
    e.saisir(ChampId::prenom, GetParam().prenom);
    e.saisir(ChampId::nom, GetParam().nom_famille);
    e.saisir(ChampId::jour, "31");
    e.saisir(ChampId::mois, "12");
    e.saisir(ChampId::annee, "32767");
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    e.saisir(ChampId::annee_calcul, "32767");
    EXPECT_FALSE(calculer_pour_annee(e).message);
    e.saisir(ChampId::prenom_partenaire, GetParam().prenom);
    e.saisir(ChampId::nom_partenaire, GetParam().nom_famille);
    e.saisir(ChampId::annee_rencontre, "32767");
    e.saisir(ChampId::mois_rencontre, "12");
    e.saisir(ChampId::jour_rencontre, "31");
    EXPECT_FALSE(calculer_compatibilite(e).message);
    for (const auto& [nom, slot] : slots_nommes(e)) {
        if (nom.rfind("deco", 0) != 0) {
            EXPECT_LT(slot->texte.size(), 64u) << nom;
        }
    }
    EXPECT_GE(e.theme.expression_brut, 0);
}

std::string repete(std::string_view motif, std::size_t fois) {
    std::string r;
    r.reserve(motif.size() * fois);
    for (std::size_t i = 0; i < fois; ++i)
        r += motif;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Noms, NomsInhabituels,
    testing::Values(
        CasNom{"cent_mille_lettres", std::string(100000, 'z'), std::string(100000, 'R')},
        CasNom{"cent_mille_mots", repete("ab ", 100000), repete("-c", 50000)},
        CasNom{"ligatures", "Œdipe ﬁne", "Bœuf"}, CasNom{"chinois", "小明", "王"},
        CasNom{"emoji", "😀🎉", "👨‍👩‍👧"},
        CasNom{"controles", std::string("\x01\x02\t\r\n", 5), std::string("\x7F\x1B", 2)},
        CasNom{"octets_invalides", "\xFF\xFE\xC3", "\xE2\x82"},
        CasNom{"nul_interieur", std::string("An\0ne", 5), "Dupont"},
        CasNom{"separateurs_seuls", "-_,;:", "::"}),
    ::essai::NomDuCas());

TEST(NomsInhabituels, SommesSansDebordement) {
    EtatFenetre e;
    e.saisir(ChampId::prenom, std::string(100000, 'i'));
    e.saisir(ChampId::nom, std::string(100000, 'r'));
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    EXPECT_EQ(e.theme.elan_brut, 900000);
    EXPECT_EQ(e.theme.moi_intime_brut, 900000);
    EXPECT_EQ(e.theme.expression_brut, 1800000);
    EXPECT_EQ(e.Grille[9].texte, "200000");
    EXPECT_EQ(e.lettre[2].texte, "200000");
}

TEST(NomsInhabituels, ChainesAleatoires) {
    std::mt19937 generateur(1234);
    std::uniform_int_distribution<int> octet(0, 255);
    std::uniform_int_distribution<int> longueur(1, 40);
    for (int essai = 0; essai < 2000; ++essai) {
        std::string prenom, nom;
        for (int i = longueur(generateur); i > 0; --i)
            prenom.push_back(static_cast<char>(octet(generateur)));
        for (int i = longueur(generateur); i > 0; --i)
            nom.push_back(static_cast<char>(octet(generateur)));
        EtatFenetre e;
        e.saisir(ChampId::prenom, "a" + prenom);
        e.saisir(ChampId::nom, "b" + nom);
        e.saisir(ChampId::jour, "16");
        e.saisir(ChampId::mois, "12");
        e.saisir(ChampId::annee, "1");
        ASSERT_FALSE(calculer_theme(e, 32767).message);
    }
}

} // namespace
} // namespace kalder
