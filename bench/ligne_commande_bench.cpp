// kalder-theme --json as a whole process (start, compute, print, exit): its
// CPU time (user and system, from wait4) against a tool built before (the
// program named by the environment's KALDER_THEME_REFERENCE, when set) and
// against an engine-only program printing the same JSON. The three run in turn, so that each pair
// sees the same load; a ratio is the median of the pairs'. Targets: at least 3 times less CPU than
// the tool before, at most 1.1 times the engine-only program.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

#if defined(KALDER_THEME_EXE) && defined(KALDER_MOTEUR_SEUL_EXE)

// The CPU seconds of one run of `argv`, or a negative number when it failed.
double cpu_d_un_lancement(const char* const* argv) {
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        const int nul = open("/dev/null", O_WRONLY);
        if (nul >= 0)
            dup2(nul, STDOUT_FILENO);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        return -1;
    const auto secondes = [](timeval t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return secondes(usage.ru_utime) + secondes(usage.ru_stime);
}

double mediane(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

#define KALDER_ANNE                                                                                \
    "--prenom", "Anne-Marie", "--nom", "Dupont", "--jour", "15", "--mois", "7", "--annee", "1975", \
        "--annee-courante", "2026", "--json", nullptr

void BM_kalder_theme_json_cpu(benchmark::State& state) {
    const char* const outil[] = {KALDER_THEME_EXE, KALDER_ANNE};
    const char* const ancien = std::getenv("KALDER_THEME_REFERENCE");
    const bool avec_reference = ancien && *ancien;
    const char* const reference[] = {ancien, KALDER_ANNE};
    const char* const moteur[] = {KALDER_MOTEUR_SEUL_EXE, nullptr};
    std::vector<double> cpu_outil, cpu_reference, cpu_moteur, gains, surcouts;
    for (auto _ : state) {
        const double o = cpu_d_un_lancement(outil);
        const double m = cpu_d_un_lancement(moteur);
        const double r = avec_reference ? cpu_d_un_lancement(reference) : 0;
        if (o < 0 || m < 0 || r < 0) {
            state.SkipWithError("a program did not run to success");
            return;
        }
        cpu_outil.push_back(o);
        cpu_moteur.push_back(m);
        // A run under one clock tick reads as 0: the ratios take a floor of 1 µs.
        surcouts.push_back(std::max(o, 1e-6) / std::max(m, 1e-6));
        if (avec_reference) {
            cpu_reference.push_back(r);
            gains.push_back(std::max(r, 1e-6) / std::max(o, 1e-6));
        }
    }
    state.counters["cpu_ms_kalder_theme"] = mediane(cpu_outil) * 1e3;
    state.counters["cpu_ms_moteur_seul"] = mediane(cpu_moteur) * 1e3;
    state.counters["moteur_seul_fois"] = mediane(surcouts);
    if (avec_reference) {
        state.counters["cpu_ms_reference"] = mediane(cpu_reference) * 1e3;
        state.counters["reference_fois"] = mediane(gains);
    }
}
BENCHMARK(BM_kalder_theme_json_cpu)->Unit(benchmark::kMillisecond)->Iterations(100);

#endif

} // namespace
