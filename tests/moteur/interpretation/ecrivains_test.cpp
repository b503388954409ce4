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
        [](Interpretation& d) { titre(d, "x"); },
        [](Interpretation& d) { interprete2(d, "x"); },
        [](Interpretation& d) { ligne_separation(d); },
    };
    for (Ecrivain e : ecrivains) {
        Interpretation doc;
        e(doc);
        EXPECT_TRUE(doc.existe);
    }
}

TEST(Ecrivains, LesLignesSeSuiventAvecCrLf) {
    Interpretation doc;
    titre(doc, "Chemin de vie");
    titre(doc, "");
    interprete2(doc, "a");
    interprete2(doc, "a");
    titre(doc, {"Défi ", "3", " : ", "x"});
    EXPECT_EQ(doc.texte, "Chemin de vie\r\n\r\na\r\na\r\nDéfi 3 : x\r\n");
}

TEST(Ecrivains, ViderGardeLeTitreEtTitrerGardeLeTexte) {
    Interpretation doc;
    titrer_interpretation(doc, "Synthèse");
    titre(doc, "ligne");
    vider_interpretation(doc);
    EXPECT_EQ(doc.texte, "");
    EXPECT_EQ(doc.titre, "Synthèse");
    titre(doc, "ligne");
    titrer_interpretation(doc, "Détails");
    EXPECT_EQ(doc.texte, "ligne\r\n");
    EXPECT_EQ(doc.titre, "Détails");
}

TEST(Ecrivains, LaSeparationEstFaiteDe150Tirets) {
    Interpretation doc;
    ligne_separation(doc);
    EXPECT_EQ(doc.texte, std::string(150, '-') + "\r\n");
}

} // namespace
} // namespace kalder
