#include "textes/format.hpp"
#include "textes/textes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kalder::textes::cles;
using kalder::textes::entree;
using kalder::textes::existe;
using Cles = std::vector<std::string_view>;

const Cles un_a_neuf = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
const Cles avec_maitres = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "11", "22", "33"};
const Cles zero_a_neuf = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

Cles de_1_a(std::size_t n) {
    static constexpr std::string_view nombres[] = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",
                                                   "9",  "10", "11", "12", "13", "14", "15", "16",
                                                   "17", "18", "19", "20", "21", "22", "23", "24",
                                                   "25", "26", "27", "28", "29", "30", "31"};
    return Cles(nombres, nombres + n);
}

Cles lettres(std::string_view l) {
    Cles cles;
    for (std::size_t i = 0; i < l.size(); ++i) {
        cles.push_back(l.substr(i, 1));
    }
    return cles;
}

struct TableAttendue {
    std::string_view nom;
    Cles cles;       // the keys the writers read
    Cles vides = {}; // keys whose text must be empty
    std::string_view prefixe = {};
};

const std::vector<TableAttendue>& tables_attendues() {
    static const std::vector<TableAttendue> t = {
        {"synthese_dominant", un_a_neuf},
        {"synthese_manquant", un_a_neuf},
        {"synthese_chemin", avec_maitres},
        {"synthese_intime", avec_maitres, {}, "Désir"},
        {"synthese_elan", avec_maitres, {}, "Besoin"},
        {"synthese_expression", avec_maitres},
        {"synthese_pierre", zero_a_neuf, {"0"}},
        {"synthese_clef", zero_a_neuf, {"0"}},
        {"synthese_derniere", zero_a_neuf, {"0"}},
        {"synthese_mode", {"0", "1", "2", "3", "4", "5", "6"}, {}, "Les lettres "},
        {"synthese_mission", avec_maitres, {}, "L'individu est appelé à"},
        {"detail_karma", {"13", "14", "16", "19"}, {}, "Karma 1"},
        {"detail_actif", avec_maitres},
        {"detail_defi", un_a_neuf, {}, "Développer"},
        {"detail_defi_expression", un_a_neuf},
        {"detail_vibration", de_1_a(31)},
        {"detail_defi_jour", un_a_neuf},
        {"detail_cadeau", un_a_neuf},
        {"detail_equilibre", un_a_neuf},
        {"detail_voyelle", lettres("AEIOUY")},
        {"cycles_formation", avec_maitres},
        {"cycles_production", avec_maitres, {}, "période "},
        {"cycles_moisson", avec_maitres},
        {"cycles_apogee", avec_maitres, {}, "Période "},
        {"cycles_essence", avec_maitres, {}, "Période "},
        {"cycles_defi", un_a_neuf, {}, "Développer"},
        {"cycles_annee", un_a_neuf},
        {"cycles_lettre", lettres("ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {"cycles_mois", un_a_neuf},
        {"cycles_periode", de_1_a(8), {"8"}},
        {"cycles_profection", de_1_a(12), {}, "Modification "},
        {"entente_expression", avec_maitres},
        {"entente_chemin", de_1_a(22), {}, "Relation "},
        {"entente_climat", avec_maitres, {}, "Climat "},
        {"introductions",
         {"synthese_grille", "synthese_chemin", "synthese_intime", "synthese_elan",
          "synthese_expression", "synthese_piliers", "synthese_modes", "synthese_mission",
          "detail_equilibre", "detail_cadeau"}},
        {"avertissements", {"chemin", "intime", "elan", "expression"}},
        {"aide", {"texte"}},
    };
    return t;
}

bool contient(const Cles& cles, std::string_view cle) {
    for (auto c : cles) {
        if (c == cle) {
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> lignes(std::string_view texte) {
    std::vector<std::string_view> sortie;
    for (;;) {
        const auto fin = texte.find("\r\n");
        sortie.push_back(texte.substr(0, fin));
        if (fin == std::string_view::npos) {
            return sortie;
        }
        texte.remove_prefix(fin + 2);
    }
}

// Windows-1252 is what the program's files and printouts carry: every character must fit.
bool tient_en_windows_1252(std::string_view s) {
    static const std::u32string extras = U"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        char32_t point = c & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
        for (std::size_t k = 1; k < n && i + k < s.size(); ++k) {
            point = (point << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        if (!((point >= 0xA0 && point <= 0xFF) || extras.find(point) != std::u32string::npos)) {
            return false;
        }
        i += n;
    }
    return true;
}

// Each table holds a text for every key the writers read it with, and no other key.
TEST(Textes, ChaqueTableAUnTexteParCleLueEtRienDePlus) {
    for (const auto& t : tables_attendues()) {
        EXPECT_EQ(cles(t.nom).size(), t.cles.size()) << t.nom;
        for (auto cle : t.cles) {
            SCOPED_TRACE(std::string(t.nom) + "[" + std::string(cle) + "]");
            EXPECT_TRUE(existe(t.nom, cle));
            EXPECT_EQ(entree(t.nom, cle).empty(), contient(t.vides, cle));
        }
    }
}

TEST(Textes, LesTextesCommencentParLeMotDeLeurTable) {
    for (const auto& t : tables_attendues()) {
        for (auto cle : t.cles) {
            if (!t.prefixe.empty() && !contient(t.vides, cle)) {
                EXPECT_TRUE(entree(t.nom, cle).starts_with(t.prefixe))
                    << t.nom << "[" << cle << "]";
            }
        }
    }
}

TEST(Textes, AucuneFinDeLigneIsoleeNiBlancSuperflu) {
    for (const auto& t : tables_attendues()) {
        for (auto cle : t.cles) {
            const std::string_view s = entree(t.nom, cle);
            SCOPED_TRACE(std::string(t.nom) + "[" + std::string(cle) + "]");
            for (std::size_t i = 0; i < s.size(); ++i) {
                if (s[i] == '\r') {
                    ASSERT_TRUE(i + 1 < s.size() && s[i + 1] == '\n');
                } else if (s[i] == '\n') {
                    ASSERT_TRUE(i > 0 && s[i - 1] == '\r');
                }
            }
            EXPECT_EQ(s.find("  "), std::string_view::npos);
            EXPECT_EQ(s.find("’"), std::string_view::npos) << "apostrophe typographique";
            EXPECT_TRUE(tient_en_windows_1252(s));
            if (t.nom != "aide" && !s.empty()) {
                EXPECT_NE(s.front(), ' ');
                EXPECT_FALSE(s.ends_with(' ') || s.ends_with('\n'));
            }
        }
    }
}

struct TexteExact {
    std::string_view table;
    std::string_view cle;
    std::string_view texte;
};

TEST(Textes, TextesImposesALaLettre) {
    const TexteExact cas[] = {
        {"synthese_intime", "2", "Désir de s'associer et de s'unir."},
        {"synthese_elan", "9", "Besoin de dévouement, de compréhension, de transmettre."},
        {"synthese_mission", "3", "L'individu est appelé à créer, s'exprimer, communiquer."},
        {"synthese_mode", "0",
         "Les lettres mentales sont dominantes, vous avez un intellect bien développé."},
        {"synthese_pierre", "8", "l'accomplissements matériels"},
        {"synthese_clef", "7", "le mystère, l'observation, la recherche"},
        {"synthese_derniere", "9", "l'aide d'autrui et le développement de la sensibilité."},
        {"detail_actif", "22", "Idéal, aspirations élevées, réalisation."},
        {"detail_actif", "11", "Force, maîtrise, nervosité."},
        {"detail_defi", "1", "Développer l'initiative, le dynamisme, l'autonomie, l'allant."},
        {"detail_defi_expression", "4", "Travailler et structurer son action"},
        {"detail_defi_expression", "6", "Négocier, harmoniser les situations."},
        {"detail_vibration", "2", "Sensibilié, sens de la relation à l'autre."},
        {"detail_vibration", "7", "Reflexion intérieure, études, compréhensions profondes."},
        {"detail_vibration", "12", "Service désintéréssé."},
        {"detail_vibration", "17", "Besoin de transmettre"},
        {"detail_vibration", "28", "Belle réussite grâce aux relations et relations"},
        {"detail_defi_jour", "6", "Assumer ses responsabilités, considérer la position d'autrui."},
        {"detail_cadeau", "2", "Soutien de l'entourage, liaisons favorisées."},
        {"detail_equilibre", "9", "Idéal, grandeur"},
        {"detail_voyelle", "Y", "Un certain mystère, intuition."},
        {"cycles_formation", "8", "Enfant marqué par les problèmes de pouvoirs ou d'argent."},
        {"cycles_production", "4",
         "période de travail, d'effort, de mise en place de structures solides."},
        {"cycles_moisson", "1", "La dernière partie de la vie reste active."},
        {"cycles_apogee", "6", "Période de responsabilités."},
        {"cycles_defi", "2", "Développer la coopération, l'association."},
        {"cycles_lettre", "S", "Changements possitifs."},
        {"cycles_lettre", "Z",
         "Réussite dans le domaine financier. Difficultés dans le domaine sentimental."},
        {"cycles_mois", "9", "Fin, terminaisons, rapport avec l'étranger."},
        {"cycles_essence", "22", "Période de grande réalisation."},
        {"cycles_essence", "33", "Période d'ouverture de conscience."},
        {"cycles_profection", "6",
         "Modification de l'être dans sa vie quotidienne ou son travail."},
        {"entente_expression", "11",
         "Le 11 conduit à des relations 'magnétiques' qui peuvent être très fortes et très "
         "belles."},
        {"entente_chemin", "2", "Relation fusionnelle ou froide. A voir..."},
        {"entente_chemin", "4", "Relation solide et structurée."},
        {"entente_climat", "22", "Climat favorable aux grandes réalisation."},
        {"entente_climat", "33", "Climat favorable aux ouvertures de conscience."},
        {"introductions", "synthese_elan",
         "Il indique les besoins plus conscients de l'être, là où il veut tendre à la perfection."},
        // The doubled "de" is the program's own wording and must stay.
        {"introductions", "synthese_piliers",
         "Les trois piliers de vie reflètent le climat de de la vie et sont calculés à partir du "
         "prénom."},
        {"introductions", "synthese_mission",
         "Elle représente ce que l'âme de l'individu pousse à expérimenter dans cette vie."},
        {"avertissements", "intime",
         "Il peut être difficile d'atteindre ces aspirations intimes pour des raisons karmiques."},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(entree(c.table, c.cle), c.texte) << c.table << "[" << c.cle << "]";
    }
    EXPECT_EQ(entree("detail_vibration", 10), entree("detail_vibration", 1));
    EXPECT_EQ(entree("cycles_formation", 7), entree("cycles_formation", 6));
    EXPECT_TRUE(entree("entente_expression", 3).starts_with("Le 3 est un chiffre gai et jovial."));
    for (int cle : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22, 33}) {
        EXPECT_TRUE(
            entree("entente_expression", cle).starts_with("Le " + std::to_string(cle) + " "))
            << cle;
    }
    const std::string_view neuf = entree("detail_defi_expression", 9);
    ASSERT_FALSE(neuf.empty());
    EXPECT_TRUE(neuf.front() >= 'a' && neuf.front() <= 'z');
    EXPECT_NE(entree("avertissements", "elan").find("Cela est lié au karma"),
              std::string_view::npos);
    EXPECT_NE(entree("avertissements", "expression").find("Cela est lié au karma"),
              std::string_view::npos);
}

TEST(Textes, CheminDeVieEnLignesStructurees) {
    EXPECT_EQ(lignes(entree("synthese_chemin", 2)).at(2),
              "- Un chemin de dualité où le rapport à l'autre est difficile.");
    EXPECT_EQ(lignes(entree("synthese_chemin", 4)).back(),
              "caractère parfois un peu borné ou limité.");
    EXPECT_EQ(lignes(entree("synthese_chemin", 6)).back(),
              "Difficulté à gérer ses émotions ou perte de vue des réalités.");
    EXPECT_EQ(lignes(entree("synthese_chemin", 7)).back(),
              "Personnalité fermée, nombriliste, misanthrope.");
    EXPECT_EQ(lignes(entree("synthese_chemin", 9)).back(),
              "Cet idéal peut être porté trop haut et toucher à l'utopie.");

    struct Forme {
        int cle;
        std::string_view premiere; // empty: a plain first line
        bool negatif;
    };
    const Forme formes[] = {{1, "Peut être à la fois :", true},
                            {2, "Peut être à la fois :", true},
                            {3, "", true},
                            {4, "", true},
                            {5, "", true},
                            {6, "C'est à la fois :", true},
                            {7, "", true},
                            {8, "Peut être à la fois :", false},
                            {9, "", true},
                            {11, "", true},
                            {22, "", true}};
    for (const auto& f : formes) {
        SCOPED_TRACE(f.cle);
        const auto l = lignes(entree("synthese_chemin", f.cle));
        ASSERT_GE(l.size(), 3u);
        std::size_t tirets = 0;
        for (auto ligne : l) {
            tirets += ligne.starts_with("- ") ? 1 : 0;
            EXPECT_FALSE(ligne.empty());
        }
        if (!f.premiere.empty()) {
            EXPECT_EQ(l[0], f.premiere);
            EXPECT_TRUE(l[1].starts_with("- ") && l[2].starts_with("- "));
            EXPECT_EQ(tirets, 2u);
        } else {
            EXPECT_EQ(tirets, 0u);
        }
        const auto n = std::count(l.begin(), l.end(), "En négatif:");
        EXPECT_EQ(n, f.negatif ? 1 : 0);
        if (f.negatif) {
            EXPECT_NE(l.back(), "En négatif:");
        }
    }
    EXPECT_EQ(lignes(entree("synthese_chemin", 33)).size(), 1u);
}

TEST(Textes, DettesKarmiquesEnDeuxLignes) {
    for (int cle : {13, 14, 16, 19}) {
        const auto l = lignes(entree("detail_karma", cle));
        ASSERT_EQ(l.size(), 2u) << cle;
        EXPECT_TRUE(l[0].starts_with("Karma " + std::to_string(cle) +
                                     " : Il y a une dette karmique concernant "))
            << l[0];
    }
    EXPECT_EQ(lignes(entree("detail_karma", 13))[1],
              "De façon atténuée, ce karma 13->4 peut concerner seulement le travail et "
              "l'acceptation ou non des structures.");
    EXPECT_EQ(lignes(entree("detail_karma", 14))[1],
              "De façon atténuée, ce karma 14->5 peut concerner l'amour et les relations intimes.");
}

// The challenges of the details and those of the cycles share one wording.
TEST(Textes, DefisCommunsAuxDetailsEtAuxCycles) {
    for (int cle = 1; cle <= 9; ++cle)
        EXPECT_EQ(entree("detail_defi", cle), entree("cycles_defi", cle)) << cle;
}

// Wordings that read as addressed to a man, as a call to selfishness, as a
// death or as a change of spouse are not used.
TEST(Textes, TournuresEcartees) {
    const std::pair<const char*, int> entrees[] = {
        {"synthese_mode", 3},     {"synthese_mode", 4},    {"synthese_dominant", 2},
        {"synthese_dominant", 3}, {"synthese_chemin", 2},  {"synthese_chemin", 11},
        {"synthese_chemin", 22},  {"detail_defi_jour", 4}, {"detail_defi_expression", 1},
        {"cycles_moisson", 2},    {"cycles_moisson", 5},   {"cycles_moisson", 9},
        {"cycles_annee", 6},      {"detail_cadeau", 3},    {"cycles_formation", 4}};
    const char* tournures[] = {"intuitif.",        "entreprenant",        "Très créatif",
                               "trop exécutant",   "intolérant",          "rendre fou",
                               "loyal, honnête",   "soucier des autres",  "fin de vie",
                               "avec le conjoint", "pureté de l'enfance", "Période dure"};
    for (const auto& [table, cle] : entrees) {
        const std::string_view texte = entree(table, cle);
        ASSERT_FALSE(texte.empty()) << table << " " << cle;
        for (const char* t : tournures)
            EXPECT_EQ(texte.find(t), std::string_view::npos) << table << " " << cle << " : " << t;
    }
}

// Rows reworded for their French: what was dropped (a masculine form, a
// clumsy turn, the end of life read as death) and what carries the gist.
TEST(Textes, LignesReformulees) {
    struct Ligne {
        const char* table;
        const char* cle;
        const char* ecarte;
        const char* garde;
    };
    const Ligne lignes[] = {
        {"cycles_formation", "6", "qui le dépasse", "trop lourds pour son âge"},
        {"cycles_formation", "7", "qui le dépasse", "trop lourds pour son âge"},
        {"cycles_formation", "11", "qu'il ne sait", "intuitions et inspirations"},
        {"cycles_formation", "22", "qui le dépasse", "grande œuvre"},
        {"cycles_formation", "33", "qui le dépasse", "utile aux autres"},
        {"synthese_mission", "1", "lui-même", "L'individu est appelé à l'autonomie"},
        {"introductions", "synthese_chemin", "qu'il aura", "problèmes qu'elle aura à résoudre"},
        {"synthese_chemin", "2", "trop se contenter", "conciliation à tout prix"},
        {"entente_climat", "11", "lui-même", "meilleur de soi-même"},
        {"entente_climat", "4", "carrière, la rencontre", "cadre professionnel"},
        {"entente_expression", "2", "ils ne sont", "immense besoin d'amour"},
        {"entente_expression", "7", "un partenaire", "union durable"},
        {"entente_expression", "9", "exigeants", "preuves d'amour"},
        {"detail_defi_jour", "2", "tel qu'il est", "aimer l'autre"},
        {"synthese_manquant", "2", "idéalisé", "on idéalise l'autre"},
        {"cycles_moisson", "2", "Une dernière partie", "est placée sous le signe du repos"},
        {"cycles_moisson", "3", "Une dernière partie", "est agréable"},
        {"cycles_moisson", "5", "Une dernière partie", "est insouciante"},
        {"cycles_moisson", "22", "jusqu'au bout", "volonté de construire"},
        {"cycles_moisson", "33", "jusqu'au bout", "œuvres humanitaires"},
        {"detail_karma", "16", "au profit personnel", "commencé dans une vie antérieure"},
        {"synthese_dominant", "7", "retrouver l'introspection", "jusqu'à la réclusion"},
        {"cycles_periode", "7", "étude, il faut", "démolir pour reconstruire"},
    };
    for (const Ligne& l : lignes) {
        const std::string_view texte = entree(l.table, l.cle);
        EXPECT_EQ(texte.find(l.ecarte), std::string_view::npos) << l.table << ' ' << l.cle;
        EXPECT_NE(texte.find(l.garde), std::string_view::npos) << l.table << ' ' << l.cle;
    }
}

TEST(Textes, IntroductionDuCadeauSansPointFinal) {
    const std::string_view debut =
        "Cadeau du jour de naissance : C'est le cadeau donné par la vie une fois le défi intégré. ";
    const std::string_view s = entree("introductions", "detail_cadeau");
    ASSERT_TRUE(s.starts_with(debut));
    const std::string_view suite = s.substr(debut.size());
    ASSERT_FALSE(suite.empty());
    EXPECT_TRUE(suite.front() >= 'A' && suite.front() <= 'Z');
    EXPECT_NE(suite.find("vies antérieures"), std::string_view::npos);
    EXPECT_NE(s.back(), '.');
    EXPECT_EQ(s.find('\r'), std::string_view::npos);
}

TEST(Textes, TexteDAideOctetPourOctet) {
    const std::string_view l[] = {
        "C'est très simple !",
        "",
        "Dans la ligne \"Vous\", tapez votre prénom, votre nom et votre date de naissance.",
        "Cliquez sur le bouton \"Calculer\" pour effectuer tous les calculs vous concernant.",
        "Vous pouvez ensuite lire les interprétations en utilisant l'un des 3 boutons réservés à "
        "cet effet.",
        "",
        "Pour vérifier l'accord entre deux personnes, il faut remplir la ligne \"Votre "
        "partenaire\" "
        "dans ",
        "l'onglet 'Entente avec une autre personne\" et clicker sur le bouton \"Calculer\" de cet "
        "onglet.",
        "",
        "Vous pouvez enregistrer le nom et la date de naissance d'une personne en utilisant le "
        "menu ",
        "\"Fichier\" - \"Sauvegarder\". Pour relire un nom déjà enregistré, utilisez le menu "
        "\"Fichier\" - ",
        "\"Ouvrir\". Clickez ensuite sur la personne à relire et sur le bouton \"-> Vous\" ou \"-> "
        "Partenaire\" ",
        "en fonction de la ligne où vous voulez placer les informations.",
    };
    std::string attendu;
    for (auto ligne : l) {
        attendu.append(ligne).append("\r\n");
    }
    EXPECT_EQ(entree("aide", "texte"), attendu);
}

TEST(Textes, RechercheParNombreOuParTexte) {
    EXPECT_EQ(entree("synthese_chemin", 11), entree("synthese_chemin", "11"));
    EXPECT_EQ(entree("cycles_profection", 12), entree("cycles_profection", "12"));
    EXPECT_TRUE(entree("synthese_chemin", "011").empty());
    EXPECT_TRUE(entree("synthese_chemin", -1).empty());
    EXPECT_TRUE(entree("synthese_chemin", 10).empty());
    EXPECT_TRUE(entree("cycles_defi", 0).empty());
    EXPECT_FALSE(existe("cycles_defi", "0"));
    EXPECT_TRUE(existe("synthese_pierre", "0"));
    EXPECT_TRUE(entree("cycles_lettre", "s").empty());
    EXPECT_TRUE(entree("table_inconnue", 1).empty());
    EXPECT_FALSE(existe("table_inconnue", "1"));
    EXPECT_TRUE(cles("table_inconnue").empty());
    EXPECT_TRUE(entree("", "").empty());
}

// The reader of the table files, on small samples.
struct CasDeLecture {
    std::string_view nom;
    std::string_view fichier;
    std::vector<kalder::textes::format::Entree> attendu;
};

TEST(FormatDesTables, Lecture) {
    const CasDeLecture cas[] = {
        {"deux lignes jointes par CR LF", "[1]\nUn\nDeux\n", {{"1", "Un\r\nDeux"}}},
        {"fichier en CR LF", "[1]\r\nUn\r\nDeux\r\n", {{"1", "Un\r\nDeux"}}},
        {"blancs finaux de l'entrée ignorés",
         "[1]\nUn\n\n\n[2]\n\nDeux\n\nTrois\n\n",
         {{"1", "Un"}, {"2", "Deux\r\n\r\nTrois"}}},
        {"entrée vide", "[0]\n[1]\nUn", {{"0", ""}, {"1", "Un"}}},
        {"commentaires", "# tête\n[A]\n# dedans\nUn\n", {{"A", "Un"}}},
        {"blancs de fin coupés, \\s gardé", "[1]\nUn  \nDeux\\s\n", {{"1", "Un\r\nDeux "}}},
        {"\\e garde une dernière ligne vide", "[1]\nUn\n\\e\n", {{"1", "Un\r\n"}}},
        {"échappements", "[x_1]\n\\#a\\\\b\n\\[c]\n", {{"x_1", "#a\\b\r\n[c]"}}},
        {"BOM ignoré", "\xEF\xBB\xBF[1]\nété\n", {{"1", "été"}}},
    };
    for (const auto& c : cas) {
        const auto r = kalder::textes::format::analyser(c.fichier);
        ASSERT_TRUE(r.valide()) << c.nom << ": " << r.erreur;
        ASSERT_EQ(r.entrees.size(), c.attendu.size()) << c.nom;
        for (std::size_t i = 0; i < c.attendu.size(); ++i) {
            EXPECT_EQ(r.entrees[i].cle, c.attendu[i].cle) << c.nom;
            EXPECT_EQ(r.entrees[i].texte, c.attendu[i].texte) << c.nom;
        }
    }
}

TEST(FormatDesTables, FichiersRefuses) {
    const struct {
        std::string_view fichier;
        std::size_t ligne;
    } cas[] = {
        {"texte\n[1]\n", 1},    {"[1]\nUn\n[1]\nDeux\n", 3},
        {"[1]\n[]\n", 2},       {"[1 2]\n", 1},
        {"[1]\n[2\n", 2},       {"[1]\nUn \\x\n", 2},
        {"[1]\nUn\\\n", 2},     {"[1]\nUn\tDeux\n", 2},
        {"[1]\nUn\rDeux\n", 2}, {"[1]\n\xC3\n", 2},
        {"[1]\n\xC0\xAF\n", 2}, {"[1]\n\xE0\x80\xAF\n", 2},
    };
    for (const auto& c : cas) {
        const auto r = kalder::textes::format::analyser(c.fichier);
        EXPECT_FALSE(r.valide()) << c.fichier;
        EXPECT_EQ(r.ligne, c.ligne) << c.fichier;
        EXPECT_TRUE(r.entrees.empty());
    }
    EXPECT_TRUE(kalder::textes::format::nom_de_table_valide("cycles_mois"));
    EXPECT_FALSE(kalder::textes::format::nom_de_table_valide("Cycles"));
    EXPECT_FALSE(kalder::textes::format::nom_de_table_valide(""));
}

} // namespace
