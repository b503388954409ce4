// Targets: a whole theme (year grid included) in 20 µs, a year in 5 µs, a
// compatibility in 2 µs, and the command-line tool in 10 ms as a process.

#include "annee/calculer_annee.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace kalder;

using essai::anne_marie_dupont;

void BM_calculer_theme(benchmark::State& state) {
    EtatFenetre e = anne_marie_dupont();
    for (auto _ : state) {
        Issue issue = calculer_theme(e, 2026);
        benchmark::DoNotOptimize(issue);
    }
}
BENCHMARK(BM_calculer_theme);

void BM_calculer_annee(benchmark::State& state) {
    EtatFenetre e = anne_marie_dupont();
    calculer_theme(e, 2026);
    Nombre annee = 2026;
    for (auto _ : state) {
        calculer_annee(e, annee);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_calculer_annee);

void BM_calculer_compatibilite(benchmark::State& state) {
    EtatFenetre e = anne_marie_dupont();
    calculer_theme(e, 2026);
    e.saisir(ChampId::prenom_partenaire, "Paul");
    e.saisir(ChampId::nom_partenaire, "Martin");
    e.saisir(ChampId::jour_partenaire, "17");
    e.saisir(ChampId::mois_partenaire, "5");
    e.saisir(ChampId::annee_partenaire, "1990");
    e.saisir(ChampId::jour_rencontre, "1");
    e.saisir(ChampId::mois_rencontre, "1");
    e.saisir(ChampId::annee_rencontre, "2000");
    for (auto _ : state) {
        Issue issue = calculer_compatibilite(e);
        benchmark::DoNotOptimize(issue);
    }
}
BENCHMARK(BM_calculer_compatibilite);

// The whole process: start, compute, print the JSON, exit.
void BM_kalder_theme_json(benchmark::State& state) {
    const char* argv[] = {KALDER_THEME_EXE, "--prenom", "Anne-Marie", "--nom", "Dupont",
                          "--jour",         "15",       "--mois",     "7",     "--annee",
                          "1975",           "--json",   nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, KALDER_THEME_EXE, &actions, nullptr, const_cast<char**>(argv),
                        environ) != 0) {
            state.SkipWithError("kalder-theme could not be started");
            break;
        }
        int statut = 0;
        waitpid(pid, &statut, 0);
        if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
            state.SkipWithError("kalder-theme failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_kalder_theme_json)->Unit(benchmark::kMillisecond);

} // namespace
