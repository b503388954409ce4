#include "modele/catalogue.hpp"
#include "modele/etat_fenetre.hpp"
#include "modele/slots.hpp"
#include "theme/modes_lettres.hpp"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace kalder;

TEST(Catalogue, LibellesLusParUnUtilisateur) {
    EXPECT_EQ(libelle_slot("Grille(8)"), "Grille d'inclusion, chiffre 8");
    EXPECT_EQ(libelle_slot("tri1"), "Pierre angulaire");
    EXPECT_EQ(libelle_slot("Nomb(0)"), "Elan spirituel");
    EXPECT_EQ(libelle_slot("Nomb(6)"), "1ère voyelle du nom");
    EXPECT_EQ(libelle_slot("Nomb(14)"), "Jour de naissance, défi");
    EXPECT_EQ(libelle_slot("semaine(15)"), "Apogée de la semaine 2 de mars");
    EXPECT_EQ(libelle_slot("semdef(44)"), "Défi de l'apogée de la semaine 4 d'août");
    EXPECT_EQ(libelle_slot("Toi(4)"), "Mois personnel d'avril");
    EXPECT_EQ(libelle_slot("lettre(2)"), "Mode d'expression, Emotif");
    EXPECT_EQ(libelle_slot("ent(7)"), "Essence de la rencontre");
    EXPECT_EQ(libelle_slot("deco(0)"), "Mot 1 du nom");
}

TEST(Catalogue, NomInconnuOuMalFormeSansLibelleNiSlot) {
    EtatFenetre e;
    for (const char* nom : {"Grille(0)", "Grille(10)", "Nomb(15)", "Nomb(-1)", "Nomb(3", "Nomb()",
                            "Nomb(3)x", "nomb(3)", "tri1(0)", "Nomb", "tri4", "", "ent(0)"}) {
        EXPECT_EQ(libelle_slot(nom), "") << nom;
        EXPECT_EQ(trouver_slot(e, nom), nullptr) << nom;
    }
}

// Every slot of the window has one name, one label, and one place.
TEST(Catalogue, ChaqueSlotUnNomUnLibelleUnePlace) {
    EtatFenetre e;
    std::set<std::string> noms;
    std::set<std::string> libelles;
    std::set<const Slot*> adresses;
    for (const auto& [nom, slot] : slots_nommes(e)) {
        EXPECT_TRUE(noms.insert(nom).second) << nom;
        EXPECT_TRUE(adresses.insert(slot).second) << nom;
        const std::string libelle = libelle_slot(nom);
        EXPECT_FALSE(libelle.empty()) << nom;
        EXPECT_TRUE(libelles.insert(libelle).second) << nom << " : " << libelle;
        EXPECT_EQ(trouver_slot(e, nom), slot) << nom;
        EXPECT_EQ(libelle_slot(std::as_const(e), *slot), libelle) << nom;
    }
    EXPECT_EQ(noms.size(), nombre_slots());
}

TEST(Catalogue, UnSlotEtrangerNAPasDePlace) {
    EtatFenetre e;
    Slot ailleurs;
    EXPECT_EQ(place_slot(e, ailleurs).entree, nullptr);
    EXPECT_EQ(libelle_slot(e, ailleurs), "");
}

// The captions of the "Mode d'expression" cells come from the letter table:
// each letter sits in exactly one cell, and the cells read as on screen.
TEST(ModesLettres, CellulesDuTableau) {
    const char* const attendu[mode::nombre_lignes][3] = {{"A", "H J N P", "G L"},
                                                         {"E", "W", "D M"},
                                                         {"I O R Z", "B S T X", ""},
                                                         {"K", "F Q U Y", "C V"}};
    for (int r = 0; r < mode::nombre_lignes; ++r)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(lettres_du_mode(r, mode::impulsion + k), attendu[r][k])
                << noms_modes[static_cast<std::size_t>(r)] << " / "
                << noms_modes[static_cast<std::size_t>(mode::impulsion + k)];
}
