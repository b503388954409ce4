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

bool contient(const EtatFenetre& e, const std::string& bloc) {
    return e.interpretation.texte.find(bloc) != std::string::npos;
}

struct CasDettes {
    std::array<std::string_view, 5> voyelles, consonnes;
    std::vector<std::string_view> cles;
};

TEST(CommentaireDetail, DettesUneFoisParCleDansLOrdre) {
    const CasDettes cas[] = {
        {{"13", "5", "", "", ""}, {"13", "19", "", "", ""}, {"13", "19"}},
        {{"19", "16", "14", "13", ""}, {"", "", "", "", "16"}, {"13", "14", "16", "19"}},
        {{"6", "6", "9", "", ""}, {"1", "4", "9", "", ""}, {}},
        {{" 13", "13 ", "4", "", ""}, {"", "", "", "", ""}, {}}, // compared exactly
    };
    for (const CasDettes& c : cas) {
        EtatFenetre e = essai::exemple_rempli();
        for (std::size_t k = 0; k < 5; ++k) {
            essai::poser(e.des[k], c.voyelles[k]);
            essai::poser(e.dei[k], c.consonnes[k]);
        }
        calcul_detail(e, e.interpretation);
        std::string attendu =
            joindre({"Dettes impayées",
                     "Elles indiquent d'autres aspects du karma, éventuellement secondaires par "
                     "rapport à ceux mis en évidence avec la grille d'inclusion",
                     ""});
        for (std::string_view cle : c.cles)
            attendu += joindre({entree("detail_karma", cle)});
        attendu += joindre({separation, "Nombre actif (lettres du prénom)"});
        EXPECT_TRUE(e.interpretation.texte.starts_with(attendu)) << c.voyelles[0];
    }
}

TEST(CommentaireDetail, NombreActifMaitreEtNombreHereditaire) {
    EtatFenetre e = essai::exemple_rempli();
    e.theme.actif_brut = 29;
    essai::poser(e.Nomb[1], "11/2");
    e.theme.hereditaire_brut = 29;
    essai::poser(e.Nomb[2], "11/2");
    calcul_detail(e, e.interpretation);
    EXPECT_TRUE(contient(e, joindre({"Nombre actif 11/2 : Force, maîtrise, nervosité.", separation,
                                     "Nombre héréditaire (lettres du nom)",
                                     "Il indique la vibration transmise par la famille", "",
                                     "Nombre héréditaire 11/2 : Force, maîtrise, nervosité."})));
}

TEST(CommentaireDetail, DefisAbsentsOuPresents) {
    EtatFenetre e = essai::exemple_rempli();
    essai::remplir(e.defi, 0, {"0", "", "3"});
    calcul_detail(e, e.interpretation);
    EXPECT_TRUE(contient(
        e, joindre({"Leçons ou défis", "",
                    "Défi de l'élan spirituel : Il indique le travail à accomplir pour réaliser "
                    "pleinement ses potentialités.",
                    "Pas de défi.", "",
                    "Défi du moi intime : Il indique la mise en garde à respecter pour réaliser "
                    "pleinement ses potentialités.",
                    "Pas de défi.", "",
                    "Défi de l'expression : Il indique la mise en garde à respecter pour se faire "
                    "comprendre, respecter et apprécier de l'entourage.",
                    "Défi 3 : " + std::string(entree("detail_defi_expression", 3)), separation,
                    "Jour de naissance"})));
}

struct CasJour {
    std::string_view vibration, defi, cadeau;
    std::vector<std::string> lignes_defi_cadeau; // after the challenge sub-introduction
};

TEST(CommentaireDetail, JourDeNaissance) {
    const std::string intro_cadeau(entree("introductions", "detail_cadeau"));
    const CasJour cas[] = {
        {"15",
         "4",
         "5",
         {"Défi 4 : " + std::string(entree("detail_defi_jour", 4)), "", intro_cadeau,
          "Cadeau 5 : " + std::string(entree("detail_cadeau", 5))}},
        {"7",
         "",
         "2",
         {"Pas de défi", "", intro_cadeau,
          "Cadeau 2 : Soutien de l'entourage, liaisons favorisées."}},
        {"9", "", "0", {"Pas de défi", "", intro_cadeau}},
        {"22",
         "0",
         "9",
         {"Pas de défi", "", intro_cadeau,
          "Cadeau 9 : " + std::string(entree("detail_cadeau", 9))}},
    };
    for (const CasJour& c : cas) {
        EtatFenetre e = essai::exemple_rempli();
        essai::poser(e.Nomb[12], c.vibration);
        essai::poser(e.Nomb[14], c.defi);
        essai::poser(e.Nomb[13], c.cadeau);
        calcul_detail(e, e.interpretation);
        std::string bloc =
            joindre({separation, "Jour de naissance",
                     "Il indique comment l'individu se comporte durant sa vie adulte.", "",
                     "Vibration " + std::string(c.vibration) + " : " +
                         std::string(entree("detail_vibration", std::string(c.vibration))),
                     "",
                     "Défi du jour de naissance : Il donne une mise en garde sur la valeur propre "
                     "de l'individu."});
        for (const std::string& l : c.lignes_defi_cadeau)
            bloc += l + "\r\n";
        bloc += joindre({separation, "Nombre d'équilibre (total des initiales)"});
        EXPECT_TRUE(contient(e, bloc)) << c.vibration;
    }
}

TEST(CommentaireDetail, SansDatePasDeJourDeNaissance) {
    for (std::string_view vibration : {"0", "", " 0 "}) {
        EtatFenetre e = essai::exemple_rempli();
        essai::poser(e.Nomb[12], vibration);
        calcul_detail(e, e.interpretation);
        EXPECT_FALSE(contient(e, "Jour de naissance"));
        EXPECT_TRUE(
            contient(e, joindre({"Défi 2 : " + std::string(entree("detail_defi_expression", 2)),
                                 separation, "Nombre d'équilibre (total des initiales)"})));
    }
}

TEST(CommentaireDetail, PremiereVoyelle) {
    const std::pair<std::string_view, std::string> cas[] = {
        {"Y", "Première voyelle Y : Un certain mystère, intuition."},
        {"", "Première voyelle  : "},
        {"u", "Première voyelle u : " + std::string(entree("detail_voyelle", "U"))},
        {"B", "Première voyelle B : "},
    };
    for (const auto& [voyelle, ligne] : cas) {
        EtatFenetre e = essai::exemple_rempli();
        essai::poser(e.Nomb[6], voyelle);
        calcul_detail(e, e.interpretation);
        EXPECT_TRUE(e.interpretation.texte.ends_with(
            joindre({"Elle indique le domaine de la vie où l'individu est particulièrement à "
                     "l'aise.",
                     "", ligne})))
            << voyelle;
    }
}

} // namespace
} // namespace kalder
