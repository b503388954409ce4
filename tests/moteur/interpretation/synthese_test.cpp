#include "exemple.hpp"
#include "interpretation/generateurs.hpp"
#include "modele/etat_fenetre.hpp"
#include "textes/textes.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace kalder {
namespace {

using essai::joindre;
using essai::separation;
using textes::entree;

std::string_view intro(std::string_view cle) {
    return entree("introductions", cle);
}

std::string manquant(int chiffre, std::string_view suite) {
    return "Le chiffre " + std::to_string(chiffre) + " est manquant dans la grille d'inclusion. " +
           std::string(entree("avertissements", suite));
}

TEST(CommentaireSynthese, ExempleComplet) {
    EtatFenetre e = essai::exemple_rempli();
    e.interpretation.texte = "ancien texte";
    calcul_synthese(e, e.interpretation);
    const std::string attendu = joindre({
        "Grille d 'inclusion",
        "",
        intro("synthese_grille"),
        "",
        "5 dominant",
        entree("synthese_dominant", 5),
        "8 manquant",
        entree("synthese_manquant", 8),
        separation,
        "Chemin de vie",
        "",
        intro("synthese_chemin"),
        "Chemin de vie 8",
        entree("synthese_chemin", 8),
        manquant(8, "chemin"),
        separation,
        "Nombre intime (total des consonnes)",
        "",
        intro("synthese_intime"),
        "Nombre intime 5",
        entree("synthese_intime", 5),
        "",
        "Elan spirituel (total des voyelles)",
        "",
        intro("synthese_elan"),
        "Elan spirituel 3",
        entree("synthese_elan", 3),
        "",
        "Expression (total de toutes les lettres)",
        "",
        intro("synthese_expression"),
        "Expression 8",
        entree("synthese_expression", 8),
        manquant(8, "expression"),
        separation,
        "Les trois piliers de vie",
        "",
        intro("synthese_piliers"),
        "Pierre angulaire 1 : Votre point d'appui dans la vie est " +
            std::string(entree("synthese_pierre", 1)),
        "Nombre clef 8 : Votre motivation est " + std::string(entree("synthese_clef", 8)),
        "Dernière pierre 5 : L'aboutissement de votre action quotidienne est " +
            std::string(entree("synthese_derniere", 5)),
        separation,
        "Mode d'expression",
        "",
        intro("synthese_modes"),
        "Il n'y a pas de lettres en excès dans ce thème.",
        separation,
        "Mission",
        "",
        intro("synthese_mission"),
        "Mission 22/4 : " + std::string(entree("synthese_mission", 4)),
    });
    EXPECT_EQ(e.interpretation.texte, attendu);
}

struct CasGrille {
    std::array<std::string_view, 9> cases;
    std::string_view entrees; // the "k dominant" / "k manquant" lines, in order
};

TEST(CommentaireSynthese, DominantsPuisManquants) {
    const CasGrille cas[] = {
        {{"3", "1", "1", "2", "3", "1", "1", "2", "3"}, "1d 5d 9d "},
        {{"2", "1", "1", "2", "5", "1", "1", "0", "2"}, "5d 8m "},
        {{"2", "10", "", "1", "1", "1", "1", "1", "1"}, "2d 3m "}, // 10 beats 2, "" is 0
        {{"0", "4", "0", "4", "1", "1", "1", "1", "1"}, "2d 4d 1m 3m "},
    };
    for (const CasGrille& c : cas) {
        EtatFenetre e = essai::exemple_rempli();
        for (std::size_t k = 0; k < 9; ++k)
            essai::poser(e.Grille[k + 1], c.cases[k]);
        calcul_synthese(e, e.interpretation);
        std::string trouve;
        for (const std::string& l : essai::lignes(e.interpretation.texte)) {
            if (l.size() == 10 && l.ends_with(" dominant"))
                trouve += l.substr(0, 1) + "d ";
            if (l.size() == 10 && l.ends_with(" manquant"))
                trouve += l.substr(0, 1) + "m ";
        }
        EXPECT_EQ(trouve, c.entrees) << c.entrees;
    }
}

TEST(CommentaireSynthese, NombreIntimeMaitreSeLitParSonChiffre) {
    EtatFenetre e = essai::exemple_rempli();
    e.theme.moi_intime_brut = 47;
    essai::poser(e.synth[1], "11/2");
    essai::poser(e.Grille[2], "0");
    calcul_synthese(e, e.interpretation);
    const std::string bloc =
        joindre({"Nombre intime 11/2", entree("synthese_intime", 2), manquant(2, "intime"), ""});
    EXPECT_NE(e.interpretation.texte.find(bloc), std::string::npos);
}

TEST(CommentaireSynthese, CheminMaitreEtCheminAbsent) {
    EtatFenetre e = essai::exemple_rempli();
    e.theme.jour = 1;
    e.theme.mois = 1;
    e.theme.annee = 1991; // 1993 -> 22
    essai::poser(e.Grille[4], "0");
    calcul_synthese(e, e.interpretation);
    EXPECT_NE(
        e.interpretation.texte.find(joindre({"Chemin de vie 22", entree("synthese_chemin", 22),
                                             manquant(4, "chemin"), separation})),
        std::string::npos);

    e.theme.jour = e.theme.mois = e.theme.annee = 0;
    calcul_synthese(e, e.interpretation);
    EXPECT_EQ(e.interpretation.texte.find("Chemin de vie"), std::string::npos);
}

TEST(CommentaireSynthese, SommeNulleSansAvertissement) {
    EtatFenetre e = essai::exemple_rempli();
    e.theme.elan_brut = 0;
    essai::poser(e.synth[0], "");
    calcul_synthese(e, e.interpretation);
    EXPECT_NE(e.interpretation.texte.find(joindre({"Elan spirituel ", "", ""})), std::string::npos);
}

struct CasModes {
    std::array<Nombre, 7> modes;
    std::vector<int> phrases; // empty: the no-excess line
};

TEST(CommentaireSynthese, SeuilsDesModes) {
    const CasModes cas[] = {
        {{5, 2, 2, 1, 3, 4, 3}, {0}},    {{4, 3, 2, 1, 4, 3, 3}, {}},
        {{0, 0, 0, 0, 5, 5, 5}, {}}, // no classified letter at all
        {{1, 0, 0, 0, 1, 0, 0}, {0, 4}}, {{0, 0, 3, 2, 0, 0, 3}, {2, 6}},
    };
    for (const CasModes& c : cas) {
        EtatFenetre e = essai::exemple_rempli();
        e.theme.modes = c.modes;
        calcul_synthese(e, e.interpretation);
        std::string bloc = joindre({"Mode d'expression", "", intro("synthese_modes")});
        for (int i : c.phrases)
            bloc += joindre({entree("synthese_mode", i)});
        if (c.phrases.empty())
            bloc += joindre({"Il n'y a pas de lettres en excès dans ce thème."});
        bloc += joindre({separation, "Mission"});
        EXPECT_NE(e.interpretation.texte.find(bloc), std::string::npos) << c.modes[0];
    }
}

TEST(CommentaireSynthese, PiliersEtMission) {
    EtatFenetre e = essai::exemple_rempli();
    e.theme.pierres = {0, 4, 7, 0};
    essai::poser(e.synth[4], "11/2");
    calcul_synthese(e, e.interpretation);
    const std::string& t = e.interpretation.texte;
    const std::string piliers = joindre({
        "Pierre angulaire 4 : Votre point d'appui dans la vie est " +
            std::string(entree("synthese_pierre", 4)),
        "Nombre clef 7 : Votre motivation est " + std::string(entree("synthese_clef", 7)),
        "Dernière pierre 0 : L'aboutissement de votre action quotidienne est ",
    });
    EXPECT_NE(t.find(piliers), std::string::npos);
    EXPECT_TRUE(
        t.ends_with(joindre({"Mission 11/2 : " + std::string(entree("synthese_mission", 2))})));

    essai::poser(e.synth[4], "  ");
    calcul_synthese(e, e.interpretation);
    EXPECT_TRUE(e.interpretation.texte.ends_with(
        joindre({"Il n'y a pas de lettres en excès dans ce thème."})));
}

TEST(CommentaireSynthese, PhrasesExactesDesPiliers) {
    EtatFenetre e = essai::exemple_rempli();
    e.theme.pierres = {0, 4, 7, 9};
    calcul_synthese(e, e.interpretation);
    EXPECT_NE(e.interpretation.texte.find(joindre({
                  "Pierre angulaire 4 : Votre point d'appui dans la vie est l'organisation",
                  "Nombre clef 7 : Votre motivation est le mystère, l'observation, la recherche",
                  "Dernière pierre 9 : L'aboutissement de votre action quotidienne est l'aide "
                  "d'autrui et le développement de la sensibilité.",
              })),
              std::string::npos);
}

} // namespace
} // namespace kalder
