// The directory when the file system is not what it expects: a lock that
// disappears, links, another user on the machine, a result too large.
#include "modele/etat_fenetre.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/mise_a_jour.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "repertoire/supprimer_personne.hpp"
#include "repertoire/verrou.hpp"
#include "saisie_personne.hpp"
#include "systeme/fichiers_systeme.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#if defined(__linux__)
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;
using namespace std::chrono_literals;

std::string texte_de(const Issue& issue) {
    return issue.message ? issue.message->texte : std::string();
}

bool contient(const std::string& texte, std::string_view morceau) {
    return texte.find(morceau) != std::string::npos;
}

// A lock file deleted or replaced while a save holds it: the next save still
// waits, on the folder's lock, and is refused when the time runs out.
TEST(RepertoireHostile, VerrouSupprimeOuRemplaceTenuQuandMeme) {
    for (const bool remplace : {false, true}) {
        DossierTemporaire dossier;
        Verrou premier;
        ASSERT_FALSE(premier.prendre(dossier.chemin()));
        const fs::path verrou = dossier.chemin() / nom_fichier_verrou;
        std::error_code ec;
        fs::remove(verrou, ec); // Windows refuses while it is held: the same wait follows
        if (remplace)
            ecrire_octets(verrou, "");
        Verrou second;
        const auto issue = second.prendre(dossier.chemin(), 50ms);
        ASSERT_TRUE(issue.has_value()) << (remplace ? "remplacé" : "supprimé");
        EXPECT_EQ(issue->code, ErreurRepertoire::verrou_occupe);
    }
}

#if !defined(_WIN32)
// Waiting on the lock file that a Kalder locking only that file holds, a save
// sees it replaced: the lock it then holds is no longer the directory's, so
// it waits on the new one.
TEST(RepertoireHostile, VerrouRemplacePendantLAttenteRepris) {
    DossierTemporaire dossier;
    const fs::path verrou = dossier.chemin() / nom_fichier_verrou;
    const auto tenir_le_fichier = [&] {
        std::error_code ec;
        const systeme::Poignee p = systeme::ouvrir_verrou(verrou, true, ec);
        EXPECT_EQ(systeme::verrouiller(p, ec), systeme::Verrouillage::tenu);
        return p;
    };
    const systeme::Poignee premier = tenir_le_fichier();
    std::atomic<bool> attend{false};
    std::optional<Echec> issue;
    std::thread second([&] {
        Verrou v;
        issue = v.prendre(dossier.chemin(), 1s, [&] { attend = true; });
    });
    while (!attend)
        std::this_thread::sleep_for(1ms);
    ecrire_octets(dossier.chemin() / "nouveau", "");
    fs::rename(dossier.chemin() / "nouveau", verrou);
    const systeme::Poignee troisieme = tenir_le_fichier();
    systeme::lacher(premier);
    second.join();
    systeme::lacher(troisieme);
    ASSERT_TRUE(issue.has_value());
    EXPECT_EQ(issue->code, ErreurRepertoire::verrou_occupe);
}
#endif

// Two data folders whose directory files are links to one file.
struct DeuxDossiersLies {
    DossierTemporaire racine;
    fs::path commun = racine.chemin() / "commun";
    fs::path a = racine.chemin() / "a";
    fs::path b = racine.chemin() / "b";
    bool lies = false;

    DeuxDossiersLies() {
        for (const fs::path& d : {commun, a, b})
            fs::create_directory(d);
        ecrire_octets(commun / "annuaire.txt", ligne_paul);
        std::error_code ec;
        fs::create_symlink(commun / "annuaire.txt", fichier_repertoire(a), ec);
        fs::create_symlink(commun / "annuaire.txt", fichier_repertoire(b), ec);
        lies = !ec;
    }
};

TEST(RepertoireHostile, DossiersLiesPartagentLeVerrouDuFichierReel) {
    DeuxDossiersLies d;
    if (!d.lies)
        GTEST_SKIP() << "pas de liens symboliques ici";
    Verrou tenu;
    ASSERT_FALSE(tenu.prendre(d.commun));
    QuestionsScriptees questions;
    EXPECT_TRUE(contient(
        texte_de(sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), d.b, questions, 100ms)),
        "une autre fenêtre ou commande Kalder"));
    EXPECT_EQ(lire_octets(d.commun / "annuaire.txt"), ligne_paul);
}

TEST(RepertoireHostile, RestesDuFichierLieNettoyes) {
    DeuxDossiersLies d;
    if (!d.lies)
        GTEST_SKIP() << "pas de liens symboliques ici";
    ecrire_octets(d.commun / ".annuaire.txt.999-0badcafe.tmp", "reste");
    QuestionsScriptees questions;
    ASSERT_EQ(texte_de(sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), d.a, questions)), "");
    EXPECT_EQ(noms_dans(d.commun), std::vector<std::string>{"annuaire.txt"});
    EXPECT_EQ(lire_octets(d.commun / "annuaire.txt"), ligne_paul + ligne_luc);
}

TEST(RepertoireHostile, LienALaPlaceDuVerrouNomme) {
    DossierTemporaire dossier;
    std::error_code ec;
    fs::create_symlink(dossier.chemin() / "ailleurs", dossier.chemin() / nom_fichier_verrou, ec);
    if (ec)
        GTEST_SKIP() << "pas de liens symboliques ici";
    QuestionsScriptees questions;
    const std::string texte =
        texte_de(sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), dossier.chemin(), questions));
    EXPECT_TRUE(contient(texte, "est un lien symbolique et non le fichier de verrou")) << texte;
    EXPECT_FALSE(fs::exists(dossier.chemin() / "ailleurs"));
}

TEST(RepertoireHostile, ResultatTropGrandRefuseAvantEcriture) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    const IssueMiseAJour issue = mettre_a_jour(
        dossier.chemin(), 1s,
        [](const ContenuRepertoire& c, std::string& nouveau) {
            nouveau = c.octets + ligne_luc;
            return Decision::ecrire;
        },
        {}, ligne_paul.size() + ligne_luc.size() - 1);
    ASSERT_TRUE(issue.echec.has_value());
    EXPECT_EQ(issue.echec->code, ErreurRepertoire::resultat_trop_grand);
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalderrep.txt"});
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), ligne_paul);
}

// The command line removes with the words it saved with: blanks around,
// an accent typed as a combining mark.
TEST(RepertoireHostile, RetraitAvecLesMotsDeLaSauvegarde) {
    DossierTemporaire dossier;
    QuestionsScriptees questions;
    ASSERT_EQ(texte_de(sauvegarder_personnes(fenetre_saisie(" Zoe\xCC\x81 ", "Roy "),
                                             dossier.chemin(), questions)),
              "");
    EXPECT_EQ(texte_de(supprimer_personne(dossier.chemin(),
                                          personne_saisie(" Roy", "Zoe\xCC\x81  ", "", "", ""))),
              "");
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), "");
}

#if defined(__linux__)

// --- Another user on the machine: a child process that drops to "nobody".

constexpr uid_t autre_uid = 65534;
constexpr gid_t autre_gid = 65534;

// A child running `faire` as the other user; it exits 90 when it could not become it.
pid_t lancer_en_autre_utilisateur(const std::function<bool()>& faire) {
    const pid_t enfant = fork();
    if (enfant == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(autre_gid) != 0 || setuid(autre_uid) != 0)
            _exit(90);
        _exit(faire() ? 0 : 1);
    }
    return enfant;
}

int statut_de(pid_t enfant) {
    int statut = 0;
    waitpid(enfant, &statut, 0);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 99;
}

int en_autre_utilisateur(const std::function<bool()>& faire) {
    return statut_de(lancer_en_autre_utilisateur(faire));
}

// A folder every user may write in, each keeping their own files (as /tmp).
fs::path dossier_partage(const DossierTemporaire& dossier) {
    const fs::path partage = dossier.chemin() / "partage";
    fs::create_directory(partage);
    chmod(partage.c_str(), 01777);
    return partage;
}

class RepertoireAutreUtilisateur : public ::testing::Test {
  protected:
    void SetUp() override {
        if (geteuid() != 0)
            GTEST_SKIP() << "un second compte ne peut être pris que par root";
    }
};

TEST_F(RepertoireAutreUtilisateur, LienPoseParUnAutreNonSuivi) {
    DossierTemporaire dossier;
    const fs::path partage = dossier_partage(dossier);
    const fs::path reglages = dossier.chemin() / "reglages.conf";
    ecrire_octets(reglages, "important\n");
    ASSERT_EQ(en_autre_utilisateur([&] {
                  return symlink(reglages.c_str(), fichier_repertoire(partage).c_str()) == 0;
              }),
              0);
    QuestionsScriptees questions;
    const std::string texte =
        texte_de(sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), partage, questions));
    EXPECT_TRUE(
        contient(texte, "qui appartient à un autre utilisateur\u00a0; Kalder ne le suit pas"))
        << texte;
    EXPECT_EQ(lire_octets(reglages), "important\n");
}

TEST_F(RepertoireAutreUtilisateur, ProprietaireEtDroitsGardes) {
    DossierTemporaire dossier;
    const fs::path fichier = fichier_repertoire(dossier.chemin());
    ecrire_octets(fichier, ligne_paul);
    ecrire_octets(fichier_secours(dossier.chemin()), "");
    ASSERT_EQ(chown(fichier.c_str(), autre_uid, autre_gid), 0);
    ASSERT_EQ(chmod(fichier.c_str(), 0640), 0);
    const mode_t avant = umask(077); // the widening back to 0640 is checked too
    QuestionsScriptees questions;
    const std::string texte =
        texte_de(sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), dossier.chemin(), questions));
    umask(avant);
    ASSERT_EQ(texte, "");
    for (const fs::path& f : {fichier, fichier_secours(dossier.chemin())}) {
        struct stat st {};
        ASSERT_EQ(stat(f.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, autre_uid) << f;
        EXPECT_EQ(st.st_gid, autre_gid) << f;
        EXPECT_EQ(st.st_mode & 07777, 0640u) << f;
    }
}

// Another user watching the folder opens each temporary as soon as it
// appears: a private directory's copies are private from their creation on,
// whatever the umask.
TEST_F(RepertoireAutreUtilisateur, TemporairePriveDesSaCreation) {
    DossierTemporaire dossier;
    const fs::path partage = dossier_partage(dossier);
    const fs::path fichier = fichier_repertoire(partage);
    ecrire_octets(fichier, ligne_paul);
    ASSERT_EQ(chmod(fichier.c_str(), 0600), 0);
    int pret[2];
    int fin[2];
    ASSERT_EQ(pipe(pret), 0);
    ASSERT_EQ(pipe(fin), 0);
    // Succeeds when no copy could be opened.
    const pid_t guetteur = lancer_en_autre_utilisateur([&] {
        close(fin[1]);
        const int notes = inotify_init1(IN_CLOEXEC);
        if (notes < 0 || inotify_add_watch(notes, partage.c_str(), IN_CREATE) < 0)
            return false;
        close(pret[1]);
        int lus = 0;
        for (pollfd attente[2] = {{notes, POLLIN, 0}, {fin[0], POLLIN, 0}};
             poll(attente, 2, 10000) > 0 && attente[1].revents == 0;) {
            alignas(inotify_event) char evenements[4096];
            const ssize_t n = read(notes, evenements, sizeof evenements);
            for (ssize_t k = 0; k < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(evenements + k);
                if (e->len > 0 && std::string_view(e->name).ends_with(".tmp")) {
                    const int copie = open((partage / e->name).c_str(), O_RDONLY);
                    lus += copie >= 0;
                    if (copie >= 0)
                        close(copie);
                }
                k += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            }
        }
        return lus == 0;
    });
    close(pret[1]);
    char octet;
    ASSERT_EQ(read(pret[0], &octet, 1), 0); // the watch is in place
    const mode_t avant = umask(0);
    for (int jour = 1; jour <= 30; ++jour) {
        EtatFenetre e = fenetre_saisie("Luc", "Roy");
        e.saisir(ChampId::jour, std::to_string(jour));
        QuestionsScriptees questions(std::vector<bool>(jour > 1, true)); // replace: yes
        EXPECT_EQ(texte_de(sauvegarder_personnes(e, partage, questions)), "");
    }
    umask(avant);
    close(fin[1]);
    EXPECT_EQ(statut_de(guetteur), 0);
    close(pret[0]);
    close(fin[0]);
}

TEST_F(RepertoireAutreUtilisateur, VerrouInaccessibleNommeCommeTel) {
    DossierTemporaire dossier;
    const fs::path partage = dossier.chemin() / "ouvert";
    fs::create_directory(partage);
    chmod(partage.c_str(), 0777);
    ecrire_octets(partage / nom_fichier_verrou, "");
    chmod((partage / nom_fichier_verrou).c_str(), 0600);
    EXPECT_EQ(en_autre_utilisateur([&] {
                  QuestionsScriptees questions;
                  const std::string texte = texte_de(
                      sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), partage, questions));
                  return contient(texte, "Kalderrep.lock\u00a0» ne peut pas être ouvert");
              }),
              0);
}

#endif

} // namespace
} // namespace kalder
