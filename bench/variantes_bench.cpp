// Target: 100 spellings of a name compared, each a whole theme, in 10 ms.

#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"
#include "variantes/comparer_noms.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace kalder;

void BM_comparer_100_noms(benchmark::State& state) {
    EtatFenetre e = essai::anne_marie_dupont();
    calculer_theme(e, 2026);
    const NomVariante formes[] = {{"Anne-Marie", "Martin"},
                                  {"Anne", "Dupont"},
                                  {"Marie-Anne", "de La Tour"},
                                  {"Anne Marie Zoé", "Dupont-Martin"},
                                  {"A", "O"}};
    std::vector<NomVariante> variantes;
    for (int i = 0; i < 100; ++i)
        variantes.push_back(formes[i % std::size(formes)]);
    for (auto _ : state) {
        auto lignes = comparer_noms(e.origines.theme, variantes, 2026);
        benchmark::DoNotOptimize(lignes);
    }
}
BENCHMARK(BM_comparer_100_noms)->Unit(benchmark::kMillisecond);

} // namespace
