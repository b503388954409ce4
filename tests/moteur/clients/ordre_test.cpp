// "Clients…" sorted by each column, as the file's indexes give it, a page at
// a time: case and accents ignored, dates and counts as numbers.
#include "clients/base_clients.hpp"
#include "nom_du_cas.hpp"
#include "outils_repertoire.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace kalder {
namespace {

using namespace essai;

struct CasOrdre {
    const char* nom;
    ColonneClients colonne;
    std::vector<std::string> attendu; // the names, ascending
};

const CasOrdre cas_ordre[] = {
    {"nom", ColonneClients::nom, {"Bernard", "dupont", "Émery", "Martin"}},
    {"prenoms", ColonneClients::prenoms, {"dupont", "Émery", "Bernard", "Martin"}},
    {"naissance_en_nombres", ColonneClients::naissance, {"dupont", "Émery", "Martin", "Bernard"}},
    {"consultation_absente_d_abord",
     ColonneClients::derniere_consultation,
     {"dupont", "Émery", "Martin", "Bernard"}},
    {"tags_sans_casse", ColonneClients::tags, {"Bernard", "dupont", "Martin", "Émery"}},
    {"notes_en_nombres", ColonneClients::notes, {"Bernard", "Martin", "Émery", "dupont"}},
};

class Ordre : public testing::TestWithParam<CasOrdre> {};

TEST_P(Ordre, ParColonneDansLesDeuxSens) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    struct Client {
        Personne personne;
        std::vector<std::string> tags;
        int notes;
        const char* consultation;
    };
    const Client clients[] = {
        {{"Martin", "Zoé", "3", "4", "1980"}, {"b"}, 2, "2025-03-01"},
        {{"dupont", "Élodie", "15", "7", "1975"}, {"A"}, 12, ""},
        {{"Émery", "emile", "1", "12", "1975"}, {"c"}, 9, "2024-01-01"},
        {{"Bernard", "Paul", "9", "1", "2001"}, {}, 0, "2026-01-01"},
    };
    for (const Client& c : clients) {
        Fiche f;
        f.personne = c.personne;
        f.tags = c.tags;
        for (int n = 0; n < c.notes; ++n)
            f.notes.push_back({0, "2026-01-01 10:00", "note " + std::to_string(n)});
        ASSERT_FALSE(base.enregistrer(f));
        if (*c.consultation) {
            ASSERT_FALSE(
                base.ajouter_consultation(c.personne, {0, c.consultation, 2026, "", "", ""}));
        }
    }
    auto attendu = GetParam().attendu;
    for (const bool descendant : {false, true}) {
        auto liste = base.parcourir({}, {GetParam().colonne, descendant});
        ASSERT_FALSE(liste.erreur) << *liste.erreur;
        std::vector<std::string> noms;
        while (!liste.valeur.finie())
            for (const ResumeClient& c : liste.valeur.suivants(3).valeur)
                noms.push_back(c.personne.nom);
        EXPECT_EQ(noms, attendu) << (descendant ? "décroissant" : "croissant");
        std::reverse(attendu.begin(), attendu.end());
    }
}

INSTANTIATE_TEST_SUITE_P(Clients, Ordre, testing::ValuesIn(cas_ordre), ::essai::NomDuCas{});

} // namespace
} // namespace kalder
