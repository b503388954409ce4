// The client file shared by processes: writers at once lose nothing, and a
// writer killed at any point leaves every committed change and no partial one.
#include "clients/base_clients.hpp"
#include "outils_repertoire.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace kalder {
namespace {

using namespace essai;

const Personne anne{"Dupont", "Anne", "1", "2", "1990"};

TEST(ClientsConcurrence, HuitEcrivainsCentNotesChacun) {
    DossierTemporaire dossier;
    constexpr int ecrivains = 8, notes = 100;
    std::vector<pid_t> enfants;
    for (int e = 0; e < ecrivains; ++e) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            BaseClients base(dossier.chemin());
            int echecs = 0;
            for (int n = 0; n < notes; ++n)
                echecs += base.ajouter_note(anne, "2026-01-02 10:00",
                                            std::to_string(e) + "-" + std::to_string(n))
                              .has_value();
            _exit(echecs == 0 ? 0 : 1);
        }
        enfants.push_back(pid);
    }
    for (const pid_t pid : enfants) {
        int statut = 0;
        waitpid(pid, &statut, 0);
        EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
    }
    BaseClients base(dossier.chemin());
    const auto fiche = base.lire(anne).valeur;
    ASSERT_TRUE(fiche);
    EXPECT_EQ(fiche->notes.size(), std::size_t{ecrivains * notes});
    EXPECT_EQ(base.lister().valeur.at(0).notes, ecrivains * notes);
}

// Each change writes a note and a consultation of the same text together;
// the child tells through a pipe each change it committed.
TEST(ClientsConcurrence, TueAuHasardDeuxCentsFois) {
    DossierTemporaire dossier;
    std::mt19937 hasard(25);
    std::size_t confirmees = 0;
    for (int essai = 0; essai < 200; ++essai) {
        int tube[2];
        ASSERT_EQ(pipe(tube), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(tube[0]);
            BaseClients base(dossier.chemin());
            for (int n = 0;; ++n) {
                Fiche f;
                f.personne = anne;
                const std::string texte = std::to_string(essai) + "-" + std::to_string(n);
                f.notes = {{0, "2026-01-02 10:00", texte}};
                f.consultations = {{0, "2026-01-02 10:00", 2026, "", "", texte}};
                f.tags = {"t" + texte};
                if (base.enregistrer(f))
                    _exit(1);
                if (write(tube[1], "x", 1) != 1)
                    _exit(1);
            }
        }
        close(tube[1]);
        // Killed after 0 to 3 commits: during the opening, a change or a commit.
        const int attendues = std::uniform_int_distribution<int>(0, 3)(hasard);
        char c;
        for (int i = 0; i < attendues && read(tube[0], &c, 1) == 1; ++i)
            ++confirmees;
        kill(pid, SIGKILL);
        int statut = 0;
        waitpid(pid, &statut, 0);
        close(tube[0]);
    }
    BaseClients base(dossier.chemin());
    ASSERT_TRUE(base.disponible()) << base.raison();
    EXPECT_FALSE(base.avis());
    const auto fiche = base.lire(anne).valeur;
    ASSERT_TRUE(fiche || confirmees == 0);
    if (!fiche)
        return;
    EXPECT_GE(fiche->notes.size(), confirmees);
    ASSERT_EQ(fiche->notes.size(), fiche->consultations.size());
    for (std::size_t i = 0; i < fiche->notes.size(); ++i)
        EXPECT_EQ(fiche->notes[i].texte, fiche->consultations[i].note);
    // The last change's tag went in with its note.
    EXPECT_EQ(fiche->tags.at(0), "t" + fiche->notes.at(0).texte);
}

} // namespace
} // namespace kalder
