// Start-up of the window program, from launch to the window painted once,
// against a bare Qt window with a tab control and 400 labels, in the same
// run. Both run as child processes on the offscreen platform; wall time and
// peak resident memory come from wait4. Target: at most 1.3 times the bare
// window in time and 1.15 times in memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

#if defined(KALDER_EXE) && defined(KALDER_FENETRE_NUE_EXE)

struct Mesure {
    double secondes = 0;
    double memoire_ko = 0; // peak resident set
    bool reussi = false;
};

Mesure lancer(const char* programme) {
    Mesure m;
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return m;
    if (pid == 0) {
        const int nul = open("/dev/null", O_WRONLY);
        if (nul >= 0) {
            dup2(nul, STDOUT_FILENO);
            dup2(nul, STDERR_FILENO);
        }
        execl(programme, programme, "-platform", "offscreen", "--quitter-apres-affichage",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) != pid)
        return m;
    m.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    m.memoire_ko = static_cast<double>(usage.ru_maxrss);
    m.reussi = WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
    return m;
}

void mesurer(benchmark::State& state, const char* programme) {
    double memoire = 0;
    for (auto _ : state) {
        const Mesure m = lancer(programme);
        if (!m.reussi) {
            state.SkipWithError("the program did not start and quit cleanly");
            return;
        }
        state.SetIterationTime(m.secondes);
        memoire = std::max(memoire, m.memoire_ko);
    }
    state.counters["memoire_max_ko"] = memoire;
}

void BM_demarrage_kalder(benchmark::State& state) {
    mesurer(state, KALDER_EXE);
}
void BM_demarrage_fenetre_nue(benchmark::State& state) {
    mesurer(state, KALDER_FENETRE_NUE_EXE);
}

// Both programs in turn, so that both see the same machine load. The time
// ratio is the median of the pairs': a burst of load on a shared machine
// falls on one pair, not on the result.
void BM_demarrage_rapport(benchmark::State& state) {
    std::vector<double> rapports;
    double memoire_kalder = 0, memoire_nue = 0;
    for (auto _ : state) {
        const Mesure k = lancer(KALDER_EXE);
        const Mesure n = lancer(KALDER_FENETRE_NUE_EXE);
        if (!k.reussi || !n.reussi) {
            state.SkipWithError("a program did not start and quit cleanly");
            return;
        }
        state.SetIterationTime(k.secondes);
        rapports.push_back(k.secondes / n.secondes);
        memoire_kalder = std::max(memoire_kalder, k.memoire_ko);
        memoire_nue = std::max(memoire_nue, n.memoire_ko);
    }
    const auto milieu = rapports.begin() + static_cast<std::ptrdiff_t>(rapports.size() / 2);
    std::nth_element(rapports.begin(), milieu, rapports.end());
    const double rapport_temps = *milieu;
    const double rapport_memoire = memoire_kalder / memoire_nue;
    state.counters["rapport_temps"] = rapport_temps;
    state.counters["rapport_memoire"] = rapport_memoire;
    state.counters["objectif_tenu"] = (rapport_temps <= 1.3 && rapport_memoire <= 1.15) ? 1 : 0;
}

BENCHMARK(BM_demarrage_kalder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_demarrage_fenetre_nue)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_demarrage_rapport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

#else

void BM_demarrage_sans_fenetre(benchmark::State& state) {
    for (auto _ : state)
        state.SkipWithError("built without the window program (KALDER_UI=OFF)");
}
BENCHMARK(BM_demarrage_sans_fenetre);

#endif

} // namespace
