// The client file in hostile hands: a damaged header, another program's
// schema, a planted link, what others could read meanwhile.
#include "clients/base_clients.hpp"
#include "clients/schema.hpp"
#include "nom_du_cas.hpp"
#include "outils_repertoire.hpp"
#include "systeme/chemins.hpp"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>

namespace kalder {
namespace {

using namespace essai;

const Personne anne{"Dupont", "Anne", "1", "2", "1990"};

fs::path de_cote(const fs::path& dossier) {
    fs::path cote = fichier_clients(dossier);
    cote += chemin_utf8(".endommagé-1");
    return cote;
}

// The file with one note, every Kalder program closed (no journal left).
void fichier_avec_une_note(const fs::path& dossier) {
    BaseClients base(dossier);
    ASSERT_FALSE(base.ajouter_note(anne, "2026-01-02 10:00", "Première venue"));
}

void ecrire_version(const fs::path& fichier, std::int32_t version) {
    std::fstream f(fichier, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(60);
    const auto v = static_cast<std::uint32_t>(version);
    const char octets[] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 8), static_cast<char>(v)};
    f.write(octets, 4);
}

struct CasVersion {
    const char* nom;
    std::int32_t version;
};

const CasVersion cas_versions[] = {
    {"moins_un", -1}, {"moins_quatre", -4}, {"bit_de_signe", INT_MIN}, {"grand_negatif", -65536}};

class VersionImpossible : public testing::TestWithParam<CasVersion> {};

// No Kalder writes a negative version: the header is damaged and the file is
// set aside, whole.
TEST_P(VersionImpossible, FichierMisDeCoteSansPlantage) {
    DossierTemporaire dossier;
    fichier_avec_une_note(dossier.chemin());
    ecrire_version(fichier_clients(dossier.chemin()), GetParam().version);
    const std::string avant = lire_octets(fichier_clients(dossier.chemin()));
    BaseClients base(dossier.chemin());
    ASSERT_TRUE(base.disponible()) << base.raison();
    ASSERT_TRUE(base.avis());
    EXPECT_EQ(lire_octets(de_cote(dossier.chemin())), avant);
    EXPECT_FALSE(base.ajouter_note(anne, "2026-01-03 10:00", "Après"));
}

INSTANTIATE_TEST_SUITE_P(Clients, VersionImpossible, testing::ValuesIn(cas_versions),
                         ::essai::NomDuCas{});

// A newer program's file whose schema this one cannot even read is refused as
// newer, never set aside as damaged.
TEST(ClientsHostile, SchemaIlliblePlusRecentRefuse) {
    DossierTemporaire dossier;
    fichier_avec_une_note(dossier.chemin());
    {
        sqlite::Connexion c(utf8_du_chemin(fichier_clients(dossier.chemin())), false);
        const std::string plus_recente = std::to_string(schema::version_courante() + 1);
        c.executer(("PRAGMA user_version = " + plus_recente +
                    "; PRAGMA writable_schema = ON;"
                    "INSERT INTO sqlite_schema VALUES "
                    "('table', 'futur', 'futur', 0, 'CREATE TABLE futur (x) NOUVEAUTE');"
                    "PRAGMA journal_mode = DELETE;")
                       .c_str());
    }
    const std::string avant = lire_octets(fichier_clients(dossier.chemin()));
    BaseClients base(dossier.chemin());
    EXPECT_FALSE(base.disponible());
    EXPECT_NE(base.raison().find("version plus récente"), std::string::npos) << base.raison();
    EXPECT_FALSE(base.avis());
    EXPECT_FALSE(fs::exists(de_cote(dossier.chemin())));
    EXPECT_EQ(lire_octets(fichier_clients(dossier.chemin())), avant);
}

// Another Kalder reading the file (its list of clients open) keeps the
// journal's copy of an erased record: the erasure says so, and the next
// opening finishes it.
TEST(ClientsHostile, EffacementAcheveALOuvertureSuivante) {
    DossierTemporaire dossier;
    const std::string secret = "Qzxwvkjsecret";
    const Personne vbn{"Vbnmqzlk", "Anne", "1", "2", "1990"};
    const std::string fichier = utf8_du_chemin(fichier_clients(dossier.chemin()));
    std::optional<sqlite::Connexion> autre_kalder;
    {
        BaseClients base(dossier.chemin());
        ASSERT_FALSE(base.ajouter_note(vbn, "2026-01-02 10:00", secret));
        autre_kalder.emplace(fichier, false);
        autre_kalder->executer("BEGIN; SELECT count(*) FROM clients;");
        const auto refus = base.effacer(vbn);
        ASSERT_TRUE(refus);
        EXPECT_NE(refus->find("prochaine ouverture"), std::string::npos) << *refus;
        EXPECT_FALSE(base.lire(vbn).valeur);
        autre_kalder->executer("COMMIT");
    }
    const BaseClients base(dossier.chemin());
    ASSERT_TRUE(base.disponible()) << base.raison();
    for (const char* suffixe : {"", "-wal"})
        EXPECT_EQ(lire_octets(fs::path(fichier_clients(dossier.chemin())) += suffixe).find(secret),
                  std::string::npos)
            << suffixe;
}

#if defined(__linux__)

// Another user of the machine, in a shared folder where each keeps their own
// files (as /tmp): a child process that drops to "nobody".
class ClientsAutreUtilisateur : public testing::Test {
  protected:
    void SetUp() override {
        if (geteuid() != 0)
            GTEST_SKIP() << "un second compte ne peut être pris que par root";
    }
    static int en_autre_utilisateur(const std::function<bool()>& faire) {
        const pid_t enfant = fork();
        if (enfant == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(90);
            _exit(faire() ? 0 : 1);
        }
        int statut = 0;
        waitpid(enfant, &statut, 0);
        return WIFEXITED(statut) ? WEXITSTATUS(statut) : 99;
    }
    static fs::path dossier_partage(const DossierTemporaire& dossier) {
        const fs::path partage = dossier.chemin() / "partage";
        fs::create_directory(partage);
        chmod(partage.c_str(), 01777);
        return partage;
    }
};

TEST_F(ClientsAutreUtilisateur, LienPoseParUnAutreRefuse) {
    DossierTemporaire dossier;
    const fs::path partage = dossier_partage(dossier);
    const fs::path sien = partage / "sien.sqlite";
    ASSERT_EQ(en_autre_utilisateur([&] {
                  const std::ofstream fichier(sien);
                  return fichier.good() &&
                         symlink(sien.c_str(), fichier_clients(partage).c_str()) == 0;
              }),
              0);
    BaseClients base(partage);
    EXPECT_FALSE(base.disponible());
    EXPECT_NE(base.raison().find("appartient à un autre utilisateur"), std::string::npos)
        << base.raison();
    EXPECT_TRUE(base.ajouter_note(anne, "2026-01-02 10:00", "Secret"));
    EXPECT_EQ(lire_octets(sien), "");
}

// Its own folder made read-only: the records can still be read, listed and
// copied away, and nothing is written.
TEST_F(ClientsAutreUtilisateur, DossierEnLectureSeuleLuQuandMeme) {
    DossierTemporaire dossier;
    const fs::path sien = dossier.chemin() / "sien";
    fs::create_directory(sien);
    ASSERT_EQ(chown(sien.c_str(), 65534, 65534), 0);
    ASSERT_EQ(en_autre_utilisateur([&] {
                  return !BaseClients(sien).ajouter_note(anne, "2026-01-02 10:00", "Gardée");
              }),
              0);
    ASSERT_EQ(chmod(sien.c_str(), 0500), 0);
    EXPECT_EQ(en_autre_utilisateur([&] {
                  BaseClients base(sien);
                  const auto lu = base.lire(anne);
                  return lu.valeur && lu.valeur->notes.size() == 1 &&
                         base.lister().valeur.size() == 1 && base.tout_lire().valeur.size() == 1;
              }),
              0);
}

#endif

} // namespace
} // namespace kalder
