#include "interpretation/ecrivains.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kalder {
namespace {

TEST(Ecrivains, ChaqueEcrivainFaitExisterLeDocument) {
    using Ecrivain = void (*)(Interpretation&);
    const Ecrivain ecrivains[] = {
        [](Interpretation& d) { vider_interpretation(d); },
        [](Interpretation& d) { titrer_interpretation(d, "Synthèse"); },
        [](Interpretation& d) { titre(d, 1, {"x"}); },
        [](Interpretation& d) { paragraphe(d, {"x"}); },
        [](Interpretation& d) { element(d, {"x"}); },
        [](Interpretation& d) { ligne_vide(d); },
        [](Interpretation& d) { ligne_separation(d); },
    };
    for (Ecrivain e : ecrivains) {
        Interpretation doc;
        e(doc);
        EXPECT_TRUE(doc.existe);
    }
}

TEST(Ecrivains, ChaqueBlocEstUneLigneEnCrLf) {
    Interpretation doc;
    titre(doc, 1, {"Chemin de vie"});
    ligne_vide(doc);
    paragraphe(doc, {"a"});
    element(doc, {"a"});
    titre(doc, 3, {"Défi ", "3", " : ", "x"});
    EXPECT_EQ(doc.texte, "Chemin de vie\r\n\r\na\r\na\r\nDéfi 3 : x\r\n");
    EXPECT_EQ(doc.texte, texte_brut(doc.blocs));
    const Blocs attendus = {{Genre::titre, 1, "Chemin de vie"},
                            {Genre::paragraphe, 0, ""},
                            {Genre::paragraphe, 0, "a"},
                            {Genre::element, 0, "a"},
                            {Genre::titre, 3, "Défi 3 : x"}};
    EXPECT_EQ(doc.blocs, attendus);
}

TEST(Ecrivains, ViderGardeLeTitreEtTitrerGardeLeTexte) {
    Interpretation doc;
    titrer_interpretation(doc, "Synthèse");
    paragraphe(doc, {"ligne"});
    vider_interpretation(doc);
    EXPECT_EQ(doc.texte, "");
    EXPECT_TRUE(doc.blocs.empty());
    EXPECT_EQ(doc.titre, "Synthèse");
    paragraphe(doc, {"ligne"});
    titrer_interpretation(doc, "Détails");
    EXPECT_EQ(doc.texte, "ligne\r\n");
    EXPECT_EQ(doc.titre, "Détails");
}

TEST(Ecrivains, LaSeparationEstFaiteDe150Tirets) {
    Interpretation doc;
    ligne_separation(doc);
    EXPECT_EQ(doc.texte, std::string(150, '-') + "\r\n");
    EXPECT_EQ(doc.blocs.back().genre, Genre::trait);
}

} // namespace
} // namespace kalder
