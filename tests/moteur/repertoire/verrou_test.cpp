// Saves and removals that meet: the lock, the second reading under it, the
// leftovers of killed saves, and exceptions that must not escape.
#include "modele/etat_fenetre.hpp"
#include "nom_du_cas.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "repertoire/supprimer_personne.hpp"
#include "repertoire/temporaires.hpp"
#include "repertoire/verrou.hpp"
#include "saisie_personne.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#if !defined(_WIN32)
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

const std::string ligne_zoe = "\"Roy\",\"Zo\xE9\",\"1\",\"2\",\"1990\"\r\n";

// Answers, and while the user "thinks", runs something else.
class QuestionsLentes : public Questions {
  public:
    QuestionsLentes(bool reponse, std::function<void()> pendant)
        : reponse_(reponse), pendant_(std::move(pendant)) {}
    bool oui(const Message& question) override {
        posees.push_back(question.texte);
        if (pendant_) {
            auto p = std::move(pendant_);
            pendant_ = nullptr;
            p();
        }
        return reponse_;
    }
    std::vector<std::string> posees;

  private:
    bool reponse_;
    std::function<void()> pendant_;
};

void sauver_luc(const fs::path& dossier) {
    QuestionsScriptees aucune;
    ASSERT_FALSE(sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), dossier, aucune).message);
}

TEST(RepertoireVerrou, QuestionPoseeHorsDuVerrouRienNEstPerdu) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    QuestionsLentes questions(true, [&] { sauver_luc(dossier.chemin()); });
    const Issue issue =
        sauvegarder_personnes(fenetre_saisie("Paul", "Martin", "9"), dossier.chemin(), questions);
    ASSERT_FALSE(issue.message) << issue.message->texte;
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())),
              "\"Martin\",\"Paul\",\"9\",\"\",\"\"\r\n" + ligne_luc);
    // The backup is the file this save started from: Luc included.
    EXPECT_EQ(lire_octets(fichier_secours(dossier.chemin())), ligne_paul + ligne_luc);
}

// "Vous" appears in the file only while the partner's question is open:
// its own question is asked then, and its answer respected.
TEST(RepertoireVerrou, PersonneApparueEntreTempsDemandeeAussi) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    EtatFenetre e = fenetre_saisie("Luc", "Roy", "5");
    essai::saisir_partenaire(e, "Paul", "Martin", "7");
    QuestionsLentes questions(false, [&] { sauver_luc(dossier.chemin()); });
    ASSERT_FALSE(sauvegarder_personnes(e, dossier.chemin(), questions).message);
    EXPECT_EQ(questions.posees,
              (std::vector<std::string>{"Paul Martin a déjà été enregistré, modifier ?",
                                        "Luc Roy a déjà été enregistré, modifier ?"}));
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), ligne_paul + ligne_luc);
}

TEST(RepertoireVerrou, AttenteBorneePuisErreur) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    Verrou autre;
    ASSERT_FALSE(autre.prendre(dossier.chemin()));
    QuestionsScriptees questions;
    const auto debut = std::chrono::steady_clock::now();
    const Issue issue = sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), dossier.chemin(),
                                              questions, std::chrono::milliseconds(150));
    EXPECT_GE(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(150));
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_NE(issue.message->texte.find("une autre fenêtre ou commande Kalder enregistre"),
              std::string::npos);
    const Issue retrait =
        supprimer_personne(dossier.chemin(), Personne{"Martin", "Paul", "3", "4", "1980"},
                           std::chrono::milliseconds(50));
    ASSERT_TRUE(retrait.message);
    EXPECT_NE(retrait.message->texte.find("une autre fenêtre ou commande Kalder"),
              std::string::npos);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), ligne_paul);
    autre.lacher();
    EXPECT_FALSE(
        sauvegarder_personnes(fenetre_saisie("Luc", "Roy"), dossier.chemin(), questions).message);
}

TEST(RepertoireSupprimer, SeulementLaPremiereEntreeIdentique) {
    DossierTemporaire dossier;
    const std::string avant = ligne_paul + ligne_zoe + ligne_paul + ligne_luc;
    ecrire_octets(fichier_repertoire(dossier.chemin()), avant);
    const Issue issue =
        supprimer_personne(dossier.chemin(), Personne{"Martin", "Paul", "3", "4", "1980"});
    ASSERT_FALSE(issue.message) << issue.message->texte;
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())),
              ligne_zoe + ligne_paul + ligne_luc);
    EXPECT_EQ(lire_octets(fichier_secours(dossier.chemin())), avant);
}

TEST(RepertoireSupprimer, AccentsEtChampsVidesComparesExactement) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_zoe + ligne_luc);
    ASSERT_FALSE(
        supprimer_personne(dossier.chemin(), Personne{"Roy", "Zoé", "1", "2", "1990"}).message);
    ASSERT_FALSE(supprimer_personne(dossier.chemin(), Personne{"Roy", "Luc", "", "", ""}).message);
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), "");
}

TEST(RepertoireSupprimer, AbsenteRienNEstEcrit) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    const Issue issue =
        supprimer_personne(dossier.chemin(), Personne{"Martin", "Paul", "3", "4", "1981"});
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_EQ(issue.message->texte, "«\u00a0Paul Martin (3/4/1981)\u00a0» n'est pas (ou plus) dans "
                                    "le répertoire\u00a0: rien n'a été "
                                    "retiré.");
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalderrep.txt"});
}

// --- Exceptions end the command with a message; nothing is written.

struct CasException {
    const char* nom;
    std::function<void()> lancer;
    std::string morceau;
};

class RepertoireException : public ::testing::TestWithParam<CasException> {};

class QuestionsQuiLancent : public Questions {
  public:
    explicit QuestionsQuiLancent(std::function<void()> lancer) : lancer_(std::move(lancer)) {}
    bool oui(const Message&) override {
        lancer_();
        return true;
    }

  private:
    std::function<void()> lancer_;
};

TEST_P(RepertoireException, ErreurEtRienDEcrit) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    QuestionsQuiLancent questions(GetParam().lancer);
    const Issue issue =
        sauvegarder_personnes(fenetre_saisie("Paul", "Martin", "9"), dossier.chemin(), questions);
    ASSERT_TRUE(issue.message);
    EXPECT_EQ(issue.message->titre, "Erreur");
    EXPECT_NE(issue.message->texte.find(GetParam().morceau), std::string::npos)
        << issue.message->texte;
    EXPECT_EQ(lire_octets(fichier_repertoire(dossier.chemin())), ligne_paul);
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalderrep.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireException,
    ::testing::Values(CasException{"memoire", [] { throw std::bad_alloc(); },
                                   "la mémoire a manqué\u00a0; rien n'a été écrit"},
                      CasException{"autre", [] { throw std::runtime_error("x"); },
                                   "une erreur inattendue est survenue"},
                      CasException{"pas_une_exception_standard", [] { throw 42; },
                                   "une erreur inattendue est survenue"}),
    ::essai::NomDuCas());

#if !defined(_WIN32)

// --- Leftovers of killed saves.

fs::path temporaire(const fs::path& dossier, const std::string& milieu) {
    return dossier / (".Kalderrep.txt." + milieu + ".tmp");
}

TEST(RepertoireTemporaires, SeulsLesAbandonnesPartent) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    ecrire_octets(temporaire(dossier.chemin(), "999999-0badcafe"), "reste");
    ecrire_octets(dossier.chemin() / ".Kalderrep.bak.1-12345678.tmp", "reste");
    ecrire_octets(dossier.chemin() / "Kalderrep.txt.tmp", "pas à nous");
    // Another program is writing this one: it holds it.
    const fs::path tenu = temporaire(dossier.chemin(), "1-cafecafe");
    ecrire_octets(tenu, "en cours");
    const int d = open(tenu.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(d, 0);
    ASSERT_EQ(flock(d, LOCK_EX | LOCK_NB), 0);

    sauver_luc(dossier.chemin());
    close(d);
    EXPECT_EQ(noms_dans(dossier.chemin()),
              (std::vector<std::string>{".Kalderrep.txt.1-cafecafe.tmp", "Kalderrep.bak",
                                        "Kalderrep.txt", "Kalderrep.txt.tmp"}));
}

// A save killed while writing its temporary file: the next opening removes it.
TEST(RepertoireTemporaires, SauvegardeTueeNettoyeeALOuverture) {
    DossierTemporaire dossier;
    ecrire_octets(fichier_repertoire(dossier.chemin()), ligne_paul);
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        FichierTemporaire t;
        if (creer_temporaire(fichier_repertoire(dossier.chemin()), std::nullopt, t))
            _exit(1);
        systeme::ecrire_tout(t.poignee, "à moitié");
        raise(SIGKILL);
        _exit(2);
    }
    int statut = 0;
    waitpid(enfant, &statut, 0);
    ASSERT_TRUE(WIFSIGNALED(statut));
    ASSERT_EQ(noms_dans(dossier.chemin()).size(), 2u);
    // The opening cleans only when the lock file exists, as after any save.
    Verrou v;
    ASSERT_FALSE(v.prendre(dossier.chemin()));
    v.lacher();
    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    EXPECT_EQ(liste.lignes(), std::vector<std::string>{"Martin;Paul;3;4;1980"});
    EXPECT_EQ(noms_dans(dossier.chemin()), std::vector<std::string>{"Kalderrep.txt"});
}

// The lock of a killed holder is free at once.
TEST(RepertoireVerrou, TitulaireTueLeVerrouSeLibere) {
    DossierTemporaire dossier;
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        Verrou v;
        if (v.prendre(dossier.chemin()))
            _exit(1);
        const char pret = 'x';
        if (write(tube[1], &pret, 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    char pret = 0;
    ASSERT_EQ(read(tube[0], &pret, 1), 1);
    Verrou occupe;
    EXPECT_FALSE(occupe.essayer(dossier.chemin()));
    kill(enfant, SIGKILL);
    waitpid(enfant, nullptr, 0);
    close(tube[0]);
    close(tube[1]);
    EXPECT_TRUE(occupe.essayer(dossier.chemin()));
}

#endif

} // namespace
} // namespace kalder
