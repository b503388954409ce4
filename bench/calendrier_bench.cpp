// Targets: a year's calendar of personal days, explanations included, in at
// most 1 ms; a ten-year iCalendar file computed and written in at most 50 ms;
// the days of a number found over twenty years for two persons in at most
// 50 ms of CPU.

#include "calendrier/calendrier.hpp"
#include "calendrier/ics.hpp"
#include "calendrier/trouver.hpp"
#include "saisie_personne.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

using namespace kalder;
using namespace std::chrono;

void BM_calendrier_annee(benchmark::State& state) {
    const Theme t = essai::theme_anne_marie_dupont();
    for (auto _ : state) {
        auto jours = jours_personnels(t, plage_annee(2027));
        benchmark::DoNotOptimize(jours);
    }
}
BENCHMARK(BM_calendrier_annee)->Unit(benchmark::kMicrosecond);

void BM_ics_dix_ans(benchmark::State& state) {
    const Theme t = essai::theme_anne_marie_dupont();
    const auto fichier = std::filesystem::temp_directory_path() /
                         ("kalder-bench-" + std::to_string(::getpid()) + ".ics");
    const Plage dix_ans{2027y / 1 / 1, 2036y / 12 / 31};
    for (auto _ : state) {
        if (exporter_ics(fichier, t, dix_ans, sys_days{2026y / 12 / 8})) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    std::error_code ec;
    state.counters["octets"] = static_cast<double>(std::filesystem::file_size(fichier, ec));
    std::filesystem::remove(fichier, ec);
}
BENCHMARK(BM_ics_dix_ans)->Unit(benchmark::kMillisecond);

// The same file's text alone, without the disk and its flush.
void BM_ics_dix_ans_texte(benchmark::State& state) {
    const Theme t = essai::theme_anne_marie_dupont();
    for (auto _ : state) {
        const auto jours = jours_personnels(t, {2027y / 1 / 1, 2036y / 12 / 31});
        auto texte = ecrire_ics(t, jours, sys_days{2026y / 12 / 8});
        benchmark::DoNotOptimize(texte);
    }
}
BENCHMARK(BM_ics_dix_ans_texte)->Unit(benchmark::kMillisecond);

// Twenty years, the most a search takes, for two persons: every day of one
// and, when it suits, of the other (born on 10/03, they share every personal
// day, so every ninth day is computed twice and kept).
void BM_trouver_vingt_ans_deux_personnes(benchmark::State& state) {
    const Theme t = essai::theme_anne_marie_dupont();
    const Theme autre = essai::theme_paul_martin(10);
    const Plage vingt_ans{2027y / 1 / 1, 2046y / 12 / 30};
    std::size_t trouves = 0;
    for (auto _ : state) {
        auto jours = trouver_jours(t, &autre, {1, std::nullopt, std::nullopt}, vingt_ans);
        trouves = jours.size();
        benchmark::DoNotOptimize(jours);
    }
    state.counters["jours"] = static_cast<double>(trouves);
}
BENCHMARK(BM_trouver_vingt_ans_deux_personnes)->Unit(benchmark::kMillisecond);

} // namespace
