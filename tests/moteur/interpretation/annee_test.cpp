#include "exemple.hpp"
#include "interpretation/generateurs.hpp"
#include "modele/etat_fenetre.hpp"
#include "textes/textes.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kalder {
namespace {

using essai::joindre;
using essai::separation;
using textes::entree;

std::string ligne(std::string_view libelle, std::string_view texte, std::string_view phrase) {
    return std::string(libelle) + std::string(texte) + " : " + std::string(phrase);
}

TEST(CommentaireAnnee, SansDateSeulementLAnneeEtLeMois) {
    EtatFenetre e; // first theme of the session, calculated without a date
    e.mois_choisi = 3;
    essai::remplir(e.Toi, 1, {"", "", "", "", "", "", "", "", "", "", "", ""});
    essai::remplir(e.esse, 1, {"0", "0", "0"});
    essai::remplir(e.apog, 1, {"0"});
    essai::remplir(e.leco, 1, {"0"});
    ecrire_interpretation_annee(e, e.mois_choisi, e.interpretation);
    EXPECT_EQ(e.interpretation.texte, joindre({"Année ", separation, "Mois de Mars"}));
}

TEST(CommentaireAnnee, VieEntiere) {
    EtatFenetre e = essai::exemple_rempli();
    essai::poser(e.defi_apogee2, "0");
    ecrire_interpretation_annee(e, e.mois_choisi, e.interpretation);
    const std::string attendu = joindre(
        {"Vie entière",
         "",
         "Cycle de formation :",
         entree("cycles_formation", 7),
         "Cycle de production :",
         entree("cycles_production", 6),
         "Cycle de moisson :",
         entree("cycles_moisson", 22),
         "",
         "Les apogées de réalisation",
         "Avant 28 ans (organisation intérieure) :",
         entree("cycles_apogee", 4),
         ligne("Défi ", "1", entree("cycles_defi", 1)),
         "De 28 ans à 37 ans (Action, mission sociale) :",
         entree("cycles_apogee", 1),
         "De 37 ans à 46 ans (Expansion) :",
         entree("cycles_apogee", 5),
         ligne("Défi ", "1", entree("cycles_defi", 1)),
         "Après 46 ans (Intériorisation) :",
         entree("cycles_apogee", 2),
         ligne("Défi ", "3", entree("cycles_defi", 3)),
         separation,
         "Année 2026",
         "",
         "L'année personnelle révèle le climat qui accompagne l'individu pendant cette année.",
         ligne("Année personnelle ", "5", entree("cycles_annee", 5)),
         "",
         "La lettre de passage révéle le climat secondaire de l'année.",
         ligne("Lettre de passage ", "P", entree("cycles_lettre", "P")),
         separation});
    EXPECT_TRUE(e.interpretation.texte.starts_with(attendu));
}

TEST(CommentaireAnnee, LettreDePassageS) {
    EtatFenetre e = essai::exemple_rempli();
    essai::poser(e.lettre_passage, "S");
    ecrire_interpretation_annee(e, e.mois_choisi, e.interpretation);
    EXPECT_NE(e.interpretation.texte.find("\r\nLettre de passage S : Changements possitifs.\r\n"),
              std::string::npos);
}

TEST(CommentaireAnnee, AvrilLitLeDeuxiemeTrimestreEtSesQuatreSemaines) {
    EtatFenetre e = essai::exemple_rempli();
    e.mois_choisi = 4;
    ecrire_interpretation_annee(e, e.mois_choisi, e.interpretation);
    std::string attendu = joindre(
        {separation,
         "Mois de Avril",
         "",
         "Le mois personnel révèle le climat du mois.",
         ligne("Mois personnel ", "9", entree("cycles_mois", 9)),
         "",
         "L'essence révèle le climat secondaire du mois.",
         ligne("Essence ", "6", entree("cycles_essence", 6)),
         "",
         "L'apogée marque le travail d'évolution intérieure en cours durant cette période. Chaque "
         "apogée dure 3 mois.",
         ligne("Apogée ", "36/9", entree("cycles_apogee", 9)),
         "",
         "Le défi (ou leçon) marque le point à travailler durant cette période.",
         ligne("Leçon ", "6", entree("cycles_defi", 6)),
         "",
         "Les périodes découpent l'année en 7 fragments de 52 jours.",
         ligne("Période ", "7", entree("cycles_periode", 7)),
         "",
         "Les profections permettent de prévoir le domaine de la vie qui sera modifié.",
         ligne("Profection ", "10", entree("cycles_profection", 10))});
    // Weeks 4, 16, 28, 40 of the fixture: 14/5 D4, 26/8 D7, 38/2 D1, 50/5 D4.
    const std::array<std::pair<std::string_view, int>, 4> semaines = {
        {{"14/5", 4}, {"26/8", 7}, {"38/2", 1}, {"50/5", 4}}};
    for (std::size_t w = 0; w < 4; ++w) {
        const auto [apogee, defi] = semaines[w];
        attendu += joindre({"", "Apogée de la semaine " + std::to_string(w + 1) + " : ",
                            ligne("Apogée ", apogee, entree("cycles_apogee", apogee.back() - '0')),
                            ligne("Défi ", std::to_string(defi), entree("cycles_defi", defi))});
    }
    EXPECT_TRUE(e.interpretation.texte.ends_with(attendu));
}

TEST(CommentaireAnnee, DefiDeSemaineNulOmis) {
    EtatFenetre e = essai::exemple_rempli();
    e.mois_choisi = 9; // week 1 of September is slot 9, whose challenge is 0
    ecrire_interpretation_annee(e, e.mois_choisi, e.interpretation);
    EXPECT_NE(
        e.interpretation.texte.find(joindre(
            {"Apogée de la semaine 1 : ", ligne("Apogée ", "19/1", entree("cycles_apogee", 1)), "",
             "Apogée de la semaine 2 : "})),
        std::string::npos);
}

TEST(CommentaireAnnee, NomDuMoisChoisi) {
    for (int m = 1; m <= 12; ++m) {
        EtatFenetre e = essai::exemple_rempli();
        e.mois_choisi = m;
        ecrire_interpretation_annee(e, e.mois_choisi, e.interpretation);
        const std::string titre = "\r\nMois de " + std::string(noms_mois[m - 1]) + "\r\n";
        EXPECT_NE(e.interpretation.texte.find(titre), std::string::npos) << m;
    }
}

} // namespace
} // namespace kalder
