#include "modele/etat_fenetre.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/cle_tri.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/prendre_personne.hpp"
#include "repertoire/sauvegarder_personnes.hpp"

#include "nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

TEST(RepertoireListe, SansFichierPasDeDonnees) {
    DossierTemporaire dossier;
    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    ASSERT_TRUE(liste.erreur.has_value());
    EXPECT_EQ(liste.erreur->titre, "Erreur");
    EXPECT_EQ(liste.erreur->texte, "Pas de données enregistrées");
    EXPECT_EQ(liste.erreur->icone, Icone::exclamation);
    EXPECT_FALSE(liste.prises_actives);
    EXPECT_TRUE(liste.vide());
}

TEST(RepertoireListe, FichierVideListeVideBoutonsActifs) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), "");
    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    EXPECT_FALSE(liste.erreur.has_value());
    EXPECT_TRUE(liste.prises_actives);
    EXPECT_TRUE(liste.vide());
}

TEST(RepertoireListe, FichierIllisibleDitPourquoi) {
    DossierTemporaire dossier;
    fs::create_directory(fichier_repertoire(dossier.chemin()));
    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    ASSERT_TRUE(liste.erreur.has_value());
    EXPECT_EQ(liste.erreur->titre, "Erreur");
    EXPECT_NE(liste.erreur->texte.find("n'ont pas pu être lues"), std::string::npos);
    EXPECT_NE(liste.erreur->texte.find("est un dossier"), std::string::npos);
    EXPECT_FALSE(liste.prises_actives);
}

struct CasTri {
    const char* nom;
    std::string fichier;
    std::vector<std::string> lignes;
};

class RepertoireListeTri : public ::testing::TestWithParam<CasTri> {};

TEST_P(RepertoireListeTri, Lignes) {
    const ListePersonnes liste = liste_depuis_octets(GetParam().fichier);
    EXPECT_EQ(liste.lignes(), GetParam().lignes);
    for (std::size_t i = 0; i < liste.taille(); ++i)
        EXPECT_EQ(ligne_liste(liste.personne(i)), liste.ligne(i));
}

std::string entree(const std::string& nom, const std::string& prenoms,
                   const std::string& date = "\"1\",\"2\",\"3\"") {
    return "\"" + nom + "\",\"" + prenoms + "\"," + date + "\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireListeTri,
    ::testing::Values(
        CasTri{"format_des_lignes",
               "\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n",
               {"Dupont;Anne-Marie;15;7;1975"}},
        CasTri{"date_vide", entree("Dupont", "Anne", "\"\",\"7\",\"\""), {"Dupont;Anne;;7;"}},
        CasTri{"nom_puis_prenoms",
               entree("Martin", "Paul") + entree("Dupont", "Zoe") + entree("Dupont", "Anne"),
               {"Dupont;Anne;1;2;3", "Dupont;Zoe;1;2;3", "Martin;Paul;1;2;3"}},
        CasTri{"sans_tenir_compte_de_la_casse",
               entree("martin", "paul") + entree("DUPONT", "anne") + entree("Bernard", "Luc"),
               {"Bernard;Luc;1;2;3", "DUPONT;anne;1;2;3", "martin;paul;1;2;3"}},
        CasTri{"egaux_a_la_casse_pres_ordre_du_fichier",
               entree("dupont", "anne") + entree("DUPONT", "ANNE") + entree("Dupont", "Anne"),
               {"dupont;anne;1;2;3", "DUPONT;ANNE;1;2;3", "Dupont;Anne;1;2;3"}},
        CasTri{"nom_court_avant_nom_plus_long",
               entree("Dupontel", "A") + entree("Dupont", "Z") + entree("Dupont-Aignan", "B"),
               {"Dupont;Z;1;2;3", "Dupont-Aignan;B;1;2;3", "Dupontel;A;1;2;3"}},
        CasTri{"accents_parmi_leurs_lettres",
               entree("Zola", "\xC9mile") + entree("\xC9lie", "A") + entree("Emile", "A") +
                   entree("Eliane", "A") + entree("\xE9lise", "A") + entree("Faure", "A"),
               {"Eliane;A;1;2;3", "Élie;A;1;2;3", "élise;A;1;2;3", "Emile;A;1;2;3", "Faure;A;1;2;3",
                "Zola;Émile;1;2;3"}},
        CasTri{"sans_accent_avant_avec_accent",
               entree("L\xE9"
                      "a",
                      "A") +
                   entree("Lea", "A") + entree("LEA", "B"),
               {"Lea;A;1;2;3", "Léa;A;1;2;3", "LEA;B;1;2;3"}},
        CasTri{"ligatures",
               entree("\x8C"
                      "uvre",
                      "A") +
                   entree("Oeuf", "A") + entree("Odile", "A"),
               {"Odile;A;1;2;3", "Oeuf;A;1;2;3", "Œuvre;A;1;2;3"}}),
    ::essai::NomDuCas());

// Against a plain stable sort on whole keys, with long names sharing long beginnings.
TEST(RepertoireListeTriAuHasard, CommeUnTriStableSurLesCles) {
    using namespace std::string_view_literals;
    static const std::string_view morceaux[] = {"a"sv,  "A"sv,  "\xE9"sv, "\xC9"sv, "e"sv,
                                                "E"sv,  "-"sv,  " "sv,    "z"sv,    "\x9C"sv,
                                                "oe"sv, "Oe"sv, "\x01"sv, "\x00"sv};
    std::mt19937 g(1789);
    std::string fichier;
    for (int i = 0; i < 3000; ++i) {
        std::string champs[5];
        for (auto& c : champs) {
            c = g() % 2 ? "Dupont-de-la-Tour-d'Auvergne" : "";
            for (unsigned n = g() % 4; n > 0; --n)
                c += morceaux[g() % std::size(morceaux)];
        }
        fichier += "\"" + champs[0] + "\",\"" + champs[1] + "\",\"" + champs[2] + "\",\"" +
                   champs[3] + "\",\"" + champs[4] + "\"\r\n";
    }
    const auto entrees = decouper_repertoire(fichier);
    std::vector<std::pair<std::string, std::string>> attendu;
    for (const auto& e : entrees) {
        std::string cle;
        construire_cle_tri(cle, e.champs);
        attendu.emplace_back(std::move(cle), ligne_liste(personne_utf8(e)));
    }
    std::stable_sort(attendu.begin(), attendu.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const ListePersonnes liste = liste_depuis_octets(fichier);
    ASSERT_EQ(liste.taille(), attendu.size());
    for (std::size_t i = 0; i < attendu.size(); ++i)
        ASSERT_EQ(liste.ligne(i), attendu[i].second) << "rang " << i;
}

// --- Taking a person over

EtatFenetre fenetre_calculee() {
    EtatFenetre e;
    for (int i = 0; i < nombre_champs; ++i)
        e.saisir(static_cast<ChampId>(i), "x" + std::to_string(i));
    e.Grille[3].texte = "2";
    e.ent[1].texte = "7";
    e.vie[0].texte = "5";
    e.activer(BoutonId::synthese, true);
    return e;
}

TEST(RepertoirePrendre, VousEffaceToutPuisRemplitLaLigne) {
    EtatFenetre e = fenetre_calculee();
    prendre_vous(e, Personne{"Dupont", "Anne-Marie", "15", "", "1975"});
    EXPECT_EQ(e.texte(ChampId::prenom), "Anne-Marie");
    EXPECT_EQ(e.texte(ChampId::nom), "Dupont");
    EXPECT_EQ(e.texte(ChampId::jour), "15");
    EXPECT_EQ(e.texte(ChampId::mois), "");
    EXPECT_EQ(e.texte(ChampId::annee), "1975");
    for (ChampId id :
         {ChampId::prenom_partenaire, ChampId::nom_partenaire, ChampId::jour_partenaire,
          ChampId::mois_partenaire, ChampId::annee_partenaire})
        EXPECT_EQ(e.texte(id), "") << nom_champ(id);
    EXPECT_EQ(e.Grille[3].texte, "");
    EXPECT_EQ(e.ent[1].texte, "");
    EXPECT_FALSE(e.actif(BoutonId::synthese));
    // Left alone by effacer.
    EXPECT_EQ(e.texte(ChampId::jour_rencontre), "x10");
    EXPECT_EQ(e.vie[0].texte, "5");
    EXPECT_EQ(e.bouton_defaut, BoutonId::calculer);
    EXPECT_EQ(e.bouton_entree(), BoutonId::calculer);
}

TEST(RepertoirePrendre, PartenaireNeToucheQueSaLigne) {
    EtatFenetre e = fenetre_calculee();
    e.saisir(ChampId::prenom, "Vous");
    const EtatFenetre avant = e;
    prendre_partenaire(e, Personne{"Martin", "Paul", "3", "12", "1980"});
    EXPECT_EQ(e.texte(ChampId::prenom_partenaire), "Paul");
    EXPECT_EQ(e.texte(ChampId::nom_partenaire), "Martin");
    EXPECT_EQ(e.texte(ChampId::jour_partenaire), "3");
    EXPECT_EQ(e.texte(ChampId::mois_partenaire), "12");
    EXPECT_EQ(e.texte(ChampId::annee_partenaire), "1980");
    for (int i = 0; i < nombre_champs; ++i) {
        const auto id = static_cast<ChampId>(i);
        if (id < ChampId::prenom_partenaire || id > ChampId::annee_partenaire) {
            EXPECT_EQ(e.texte(id), avant.texte(id)) << nom_champ(id);
        }
    }
    EXPECT_EQ(e.Grille[3].texte, "2");
    EXPECT_EQ(e.ent[1].texte, "7");
    EXPECT_TRUE(e.actif(BoutonId::synthese));
    EXPECT_EQ(e.bouton_defaut, BoutonId::calculer_entente);
}

// A name holding ";" comes back whole: the list keeps the entry, not only its line.
TEST(RepertoirePrendre, NomAvecPointVirguleRepris) {
    DossierTemporaire dossier;
    EtatFenetre saisie;
    saisie.saisir(ChampId::prenom, "Jean;Paul");
    saisie.saisir(ChampId::nom, "Du;pont");
    saisie.saisir(ChampId::jour, "1");
    saisie.saisir(ChampId::mois, "2");
    saisie.saisir(ChampId::annee, "1990");
    QuestionsScriptees questions;
    ASSERT_FALSE(sauvegarder_personnes(saisie, dossier.chemin(), questions).message.has_value());

    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    ASSERT_EQ(liste.taille(), 1u);
    EXPECT_EQ(liste.ligne(0), "Du;pont;Jean;Paul;1;2;1990");
    EtatFenetre e;
    prendre_vous(e, liste.personne(0));
    for (ChampId id : {ChampId::prenom, ChampId::nom, ChampId::jour, ChampId::mois, ChampId::annee})
        EXPECT_EQ(e.texte(id), saisie.texte(id)) << nom_champ(id);
}

TEST(RepertoirePrendre, AllerRetourParLeFichier) {
    DossierTemporaire dossier;
    EtatFenetre saisie;
    saisie.saisir(ChampId::prenom, "Hélène, Zoé");
    saisie.saisir(ChampId::nom, "Lefèvre-Œhlmann");
    saisie.saisir(ChampId::jour, "01");
    saisie.saisir(ChampId::annee, "1950");
    saisie.saisir(ChampId::prenom_partenaire, "Ÿves");
    saisie.saisir(ChampId::nom_partenaire, "Müller €");
    QuestionsScriptees questions;
    ASSERT_FALSE(sauvegarder_personnes(saisie, dossier.chemin(), questions).message.has_value());
    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    ASSERT_EQ(liste.taille(), 2u);
    EXPECT_EQ(liste.ligne(0), "Lefèvre-Œhlmann;Hélène, Zoé;01;;1950");
    EXPECT_EQ(liste.ligne(1), "Müller €;Ÿves;;;");
    EtatFenetre e;
    prendre_partenaire(e, liste.personne(0));
    EXPECT_EQ(e.texte(ChampId::prenom_partenaire), "Hélène, Zoé");
    EXPECT_EQ(e.texte(ChampId::nom_partenaire), "Lefèvre-Œhlmann");
}

} // namespace
} // namespace kalder
