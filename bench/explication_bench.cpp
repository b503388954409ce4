// Target: every explanation of one theme (year grid and compatibility
// included) in 200 µs, so that they can be written on demand.

#include "compat/calculer_compatibilite.hpp"
#include "explication/explications.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace kalder;

EtatFenetre theme_complet() {
    EtatFenetre e = essai::anne_marie_dupont();
    calculer_theme(e, 2026);
    essai::saisir_partenaire(e, "Paul", "Martin", "17", "5", "1990");
    e.saisir(ChampId::jour_rencontre, "1");
    e.saisir(ChampId::mois_rencontre, "1");
    e.saisir(ChampId::annee_rencontre, "2000");
    calculer_compatibilite(e);
    return e;
}

void BM_expliquer_slots(benchmark::State& state) {
    const EtatFenetre e = theme_complet();
    for (auto _ : state) {
        auto explications = expliquer_slots(e);
        benchmark::DoNotOptimize(explications);
    }
}
BENCHMARK(BM_expliquer_slots)->Unit(benchmark::kMicrosecond);

// One hovered slot.
void BM_expliquer_un_slot(benchmark::State& state) {
    const EtatFenetre e = theme_complet();
    for (auto _ : state) {
        auto explication = expliquer_slot(e, "synth(2)");
        benchmark::DoNotOptimize(explication);
    }
}
BENCHMARK(BM_expliquer_un_slot)->Unit(benchmark::kMicrosecond);

} // namespace
