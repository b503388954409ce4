// The client file: identity ties, what is stored and found as typed, the
// search, erasure, migration, damaged and newer files.
#include "clients/base_clients.hpp"
#include "clients/schema.hpp"
#include "nom_du_cas.hpp"
#include "outils_repertoire.hpp"
#include "systeme/chemins.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>

namespace kalder {
namespace {

using namespace essai;

const Personne anne{"Dupont", "Anne-Marie", "15", "7", "1975"};

struct CasIdentite {
    const char* nom;
    Personne cherchee;
    bool trouvee;
};

const CasIdentite cas_identite[] = {
    {"meme_personne", anne, true},
    {"espaces_autour", {"  Dupont ", " Anne-Marie", " 15 ", "7", "1975 "}, true},
    {"autre_date", {"Dupont", "Anne-Marie", "16", "7", "1975"}, false},
    {"autre_casse", {"DUPONT", "Anne-Marie", "15", "7", "1975"}, false},
    {"autre_jour_ecrit", {"Dupont", "Anne-Marie", "015", "7", "1975"}, false},
};

class Identite : public testing::TestWithParam<CasIdentite> {};

TEST_P(Identite, LaFicheSuitLaPersonneCommeLeRepertoire) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    ASSERT_TRUE(base.disponible()) << base.raison();
    ASSERT_FALSE(base.ajouter_note(anne, "2026-01-02 10:00", "Première venue"));
    const auto lu = base.lire(GetParam().cherchee);
    ASSERT_FALSE(lu.erreur);
    EXPECT_EQ(lu.valeur.has_value(), GetParam().trouvee);
}

INSTANTIATE_TEST_SUITE_P(Clients, Identite, testing::ValuesIn(cas_identite), ::essai::NomDuCas{});

TEST(Clients, AccentComposeEstLaMemeLettre) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    ASSERT_FALSE(base.ajouter_note({"Roy", "Zoe\xCC\x81", "", "", ""}, "2026-01-02 10:00", "x"));
    const auto lu = base.lire({"Roy", "Zo\xC3\xA9", "", "", ""});
    ASSERT_TRUE(lu.valeur);
    EXPECT_EQ(lu.valeur->personne.prenoms, "Zo\xC3\xA9");
}

// The list read a page at a time is the whole list, in its order, and sees
// the file as it was when it was asked for.
TEST(Clients, ListeParPagesCommeLaListeEntiere) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    for (int i = 0; i < 10; ++i)
        ASSERT_FALSE(base.ajouter_note({"Nom" + std::to_string(9 - i), "P", "", "", ""},
                                       "2026-01-02 10:00", i % 2 ? "pair" : "impair"));
    for (const char* recherche : {"", "impair"}) {
        auto liste = base.parcourir(recherche);
        ASSERT_FALSE(liste.erreur);
        std::vector<std::string> lus;
        for (bool premiere = true; !liste.valeur.finie(); premiere = false) {
            for (const ResumeClient& c : liste.valeur.suivants(3).valeur)
                lus.push_back(c.personne.nom);
            // Another program writes while the list is being read.
            if (premiere) {
                ASSERT_FALSE(BaseClients(dossier.chemin())
                                 .ajouter_note({"Tard", "P", "", "", ""}, "2026-01-03", "impair"));
            }
        }
        std::vector<std::string> attendus;
        ASSERT_FALSE(base.effacer({"Tard", "P", "", "", ""}));
        for (const ResumeClient& c : base.lister(recherche).valeur)
            attendus.push_back(c.personne.nom);
        EXPECT_EQ(lus, attendus) << recherche;
        EXPECT_EQ(lus.size(), *recherche ? 5u : 10u);
    }
}

TEST(Clients, FichierCreePourSonProprietaireSeulement) {
    DossierTemporaire dossier;
    const mode_t avant = umask(0);
    BaseClients base(dossier.chemin());
    umask(avant);
    ASSERT_FALSE(base.ajouter_note(anne, "2026-01-02 10:00", "x"));
    struct stat etat {};
    ASSERT_EQ(stat(base.chemin().c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 0777, 0600u);
}

TEST(Clients, FicheEntiereRelueTelleQuelle) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    Fiche f;
    f.personne = anne;
    f.contact = {"+33 1 23 45 67 89", "anne@exemple.fr", "3 rue des Lilas\n75011 Paris"};
    f.notes = {{0, "2026-03-01 09:30", "Deuxième"}, {0, "2026-01-01 09:30", "Première"}};
    f.tags = {"suivi annuel", "VIP"};
    f.consultations = {{0, "2026-03-01 09:30", 2026, "anne.pdf", "Thème, Année", ""}};
    f.variantes = {{"Anne", "Dupont"}, {"Marie", "Dupont"}};
    f.partenaires = {{"Paul", "Martin", "17", "5", "1990", "01/06/2010"},
                     {"Luc", "Roy", "", "", "", ""}};
    ASSERT_FALSE(base.enregistrer(f));
    auto lu = base.lire(anne).valeur;
    ASSERT_TRUE(lu);
    for (auto& n : lu->notes)
        n.id = 0;
    for (auto& k : lu->consultations)
        k.id = 0;
    EXPECT_EQ(*lu, f);
    // A partner calculated again moves first.
    ASSERT_FALSE(base.retenir_partenaire(anne, f.partenaires[1]));
    EXPECT_EQ(base.lire(anne).valeur->partenaires.front().prenoms, "Luc");
    EXPECT_EQ(base.lire(anne).valeur->partenaires.size(), 2u);
}

TEST(Clients, ModifierLaDateGardeLaFiche) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    ASSERT_FALSE(base.ajouter_note(anne, "2026-01-02 10:00", "Gardée"));
    Personne corrigee = anne;
    corrigee.jour = "16";
    ASSERT_FALSE(base.suivre_modification(anne, corrigee));
    EXPECT_FALSE(base.lire(anne).valeur);
    const auto lu = base.lire(corrigee).valeur;
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu->notes.at(0).texte, "Gardée");
    EXPECT_EQ(base.lister("Gardée").valeur.size(), 1u);
}

// Texts that must come back exactly as typed, and be found by a word of theirs.
struct CasTexte {
    const char* nom;
    std::string texte;
    std::string recherche;
};

const CasTexte cas_textes[] = {
    {"injection", "'; DROP TABLE clients; --", "DROP clients"},
    {"jokers_sql", "100% _de_ réussite", "réussite 100"},
    {"octet_nul", std::string("avant\0apr\xC3\xA8s", 11), "avant"},
    {"guillemets_fts", "\"NEAR\" OR * AND ( ^", "near"},
    {"ecritures", "Ἀθηνᾶ 東京 ❤️ Ωmega", "ωMEGA 東京"},
    {"tres_longue", std::string(10'000'000, 'a') + " fin", "fin"},
};

class Textes : public testing::TestWithParam<CasTexte> {};

TEST_P(Textes, StockeEtTrouveCommeTape) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    const auto& cas = GetParam();
    Fiche f;
    f.personne = {cas.texte.substr(0, 100), "Anne", "1", "2", "1990"};
    f.notes = {{0, "2026-01-02 10:00", cas.texte}};
    f.tags = {cas.texte.substr(0, 100)};
    f.contact = {cas.texte, cas.texte, cas.texte};
    ASSERT_FALSE(base.enregistrer(f));
    const auto lu = base.lire(f.personne).valeur;
    ASSERT_TRUE(lu);
    EXPECT_TRUE(lu->notes.at(0).texte == cas.texte);
    EXPECT_TRUE(lu->contact == f.contact);
    EXPECT_EQ(base.lister(cas.recherche).valeur.size(), 1u) << cas.recherche;
}

INSTANTIATE_TEST_SUITE_P(Clients, Textes, testing::ValuesIn(cas_textes), ::essai::NomDuCas{});

TEST(Clients, TexteNonUtf8Refuse) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    const auto refus = base.ajouter_note(anne, "2026-01-02 10:00", "caf\xE9");
    ASSERT_TRUE(refus);
    EXPECT_NE(refus->find("UTF-8"), std::string::npos);
    EXPECT_FALSE(base.lire(anne).valeur);
}

TEST(Clients, CentMilleTags) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    Fiche f;
    f.personne = anne;
    for (int i = 0; i < 100'000; ++i)
        f.tags.push_back("t" + std::to_string(i));
    ASSERT_FALSE(base.enregistrer(f));
    EXPECT_EQ(base.lire(anne).valeur->tags, f.tags);
    EXPECT_EQ(base.lister("t99999").valeur.size(), 1u);
}

struct CasRecherche {
    const char* nom;
    const char* recherche;
    std::vector<std::string> trouves; // names, in the list's order
};

const CasRecherche cas_recherches[] = {
    {"tout", "", {"Dupont", "Étienne", "Martin"}},
    {"debut_de_nom", "dup", {"Dupont"}},
    {"accents_et_casse", "ETIENNE", {"Étienne"}},
    {"tag", "annuel", {"Dupont", "Martin"}},
    {"mot_des_notes", "deménagement", {"Martin"}},
    {"chaque_mot", "annuel dupont", {"Dupont"}},
    {"nom_et_note", "martin déménagement", {"Martin"}},
    {"aucun", "annuel zèbre", {}},
    {"ponctuation_seule", "%", {}},
    {"ponctuation_ignoree", "% annuel _", {"Dupont", "Martin"}},
};

class Recherche : public testing::TestWithParam<CasRecherche> {};

TEST_P(Recherche, TrouveParNomTagOuNote) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin());
    Fiche a, m, e;
    a.personne = anne;
    a.notes = {{0, "2026-01-01 10:00", "Consultation calme"}};
    a.tags = {"suivi annuel"};
    m.personne = {"Martin", "Paul", "", "", ""};
    m.notes = {{0, "2026-01-01 10:00", "Parle de son Déménagement"}};
    m.tags = {"annuel"};
    e.personne = {"Étienne", "Luc", "", "", ""};
    for (const Fiche* f : {&a, &m, &e})
        ASSERT_FALSE(base.enregistrer(*f));
    const auto r = base.lister(GetParam().recherche);
    ASSERT_FALSE(r.erreur);
    std::vector<std::string> noms;
    for (const auto& c : r.valeur)
        noms.push_back(c.personne.nom);
    EXPECT_EQ(noms, GetParam().trouves);
}

INSTANTIATE_TEST_SUITE_P(Clients, Recherche, testing::ValuesIn(cas_recherches),
                         ::essai::NomDuCas{});

bool contient_sans_casse(std::string octets, std::string cherche) {
    const auto bas = [](std::string& s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    bas(octets);
    bas(cherche);
    return octets.find(cherche) != std::string::npos;
}

TEST(Clients, EffacerNeLaisseAucuneTrace) {
    DossierTemporaire dossier;
    const std::string secret = "Qzxwvkjsecret";
    {
        BaseClients base(dossier.chemin());
        Fiche f;
        f.personne = {"Vbnmqzlk", "Anne", "1", "2", "1990"};
        f.contact = {"0612345678", secret + "@exemple.fr", ""};
        f.tags = {secret + "tag"};
        ASSERT_FALSE(base.enregistrer(f));
        for (int i = 0; i < 50; ++i)
            ASSERT_FALSE(base.ajouter_note(f.personne, "2026-01-02 10:00",
                                           secret + " note " + std::to_string(i)));
        ASSERT_FALSE(base.ajouter_note(anne, "2026-01-02 10:00", "Reste"));
        ASSERT_FALSE(base.effacer(f.personne));
        EXPECT_FALSE(base.lire(f.personne).valeur);
        EXPECT_EQ(base.lister("Reste").valeur.size(), 1u);
    }
    for (const char* suffixe : {"", "-wal"}) {
        const std::string octets =
            lire_octets(fs::path(fichier_clients(dossier.chemin())) += suffixe);
        for (const std::string& trace :
             {secret, std::string("Vbnmqzlk"), std::string("0612345678")})
            EXPECT_FALSE(contient_sans_casse(octets, trace)) << trace << suffixe;
    }
}

TEST(Clients, MigrationDepuisLaVersion1) {
    DossierTemporaire dossier;
    {
        sqlite::Connexion ancienne(utf8_du_chemin(fichier_clients(dossier.chemin())), true);
        schema::migrer(ancienne, 1);
        ancienne.executer(
            "INSERT INTO clients (id, nom, prenoms, jour, mois, annee) "
            "VALUES (7, 'Dupont', 'Anne', '', '', '');"
            "INSERT INTO notes (client, date, texte) VALUES (7, '2025', 'Ancienne note');"
            "INSERT INTO tags VALUES (7, 0, 'fidèle');");
    }
    BaseClients base(dossier.chemin());
    ASSERT_TRUE(base.disponible()) << base.raison();
    const auto r = base.lister("ancienne fidele").valeur;
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].notes, 1);
    EXPECT_EQ(r[0].tags, "fidèle");
}

TEST(Clients, FichierEndommageMisDeCote) {
    DossierTemporaire dossier;
    const std::string dechet(8192, 'x');
    ecrire_octets(fichier_clients(dossier.chemin()), dechet);
    BaseClients base(dossier.chemin());
    ASSERT_TRUE(base.disponible()) << base.raison();
    ASSERT_TRUE(base.avis());
    EXPECT_NE(base.avis()->find("endommagé"), std::string::npos);
    fs::path cote = fichier_clients(dossier.chemin());
    cote += chemin_utf8(".endommagé-1");
    EXPECT_EQ(lire_octets(cote), dechet);
    EXPECT_FALSE(base.ajouter_note(anne, "2026-01-02 10:00", "Nouvelle"));
}

TEST(Clients, FichierPlusRecentLaisseTelQuel) {
    DossierTemporaire dossier;
    {
        BaseClients base(dossier.chemin());
        ASSERT_FALSE(base.ajouter_note(anne, "2026-01-02 10:00", "x"));
        sqlite::Connexion c(utf8_du_chemin(base.chemin()), false);
        c.executer("PRAGMA user_version = 99; PRAGMA wal_checkpoint(TRUNCATE);");
    }
    const std::string avant = lire_octets(fichier_clients(dossier.chemin()));
    BaseClients base(dossier.chemin());
    EXPECT_FALSE(base.disponible());
    EXPECT_NE(base.raison().find("version plus récente"), std::string::npos);
    EXPECT_TRUE(base.ajouter_note(anne, "2026-01-02 10:00", "y"));
    EXPECT_TRUE(base.lister().erreur);
    EXPECT_EQ(lire_octets(fichier_clients(dossier.chemin())), avant);
}

TEST(Clients, DossierIntrouvableDitPourquoi) {
    DossierTemporaire dossier;
    BaseClients base(dossier.chemin() / "absent");
    EXPECT_FALSE(base.disponible());
    EXPECT_NE(base.raison().find("n'a pas pu être ouvert"), std::string::npos);
    EXPECT_EQ(base.ajouter_note(anne, "2026", "x"), base.raison());
}

} // namespace
} // namespace kalder
