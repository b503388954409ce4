// The four commentaries and the theme report on a model filled by "Calculer":
// each must stay well under 50 µs.

#include "interpretation/commandes.hpp"
#include "interpretation/generateurs.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include <benchmark/benchmark.h>

#include <utility>

namespace {

using namespace kalder;

EtatFenetre etat_calcule() {
    EtatFenetre e;
    essai::saisir_personne(e, "Anne-Marie Hélène", "Dupont de la Tour", "15", "7", "1975");
    calculer_theme(e, 2026);
    // The compatibility slots as "Calculer" of the partner line leaves them.
    for (auto [k, texte] : {std::pair{5, "11/2"}, {6, "16/7"}, {7, "4"}})
        e.ent[k].texte.assign(std::string_view(texte));
    e.mois_choisi = 4;
    return e;
}

template <typename Generateur> void commentaire(benchmark::State& state, Generateur generateur) {
    EtatFenetre e = etat_calcule();
    for (auto _ : state) {
        generateur(e);
        benchmark::DoNotOptimize(e.interpretation.texte.data());
    }
}

void BM_calcul_synthese(benchmark::State& s) {
    commentaire(s, [](EtatFenetre& e) { calcul_synthese(e, e.interpretation); });
}
void BM_calcul_detail(benchmark::State& s) {
    commentaire(s, [](EtatFenetre& e) { calcul_detail(e, e.interpretation); });
}
void BM_ecrire_interpretation_annee(benchmark::State& s) {
    commentaire(
        s, [](EtatFenetre& e) { ecrire_interpretation_annee(e, e.mois_choisi, e.interpretation); });
}
void BM_calcul_entente(benchmark::State& s) {
    commentaire(s, [](EtatFenetre& e) { calcul_entente(e, e.interpretation); });
}

void BM_composer_rapport(benchmark::State& state) {
    const EtatFenetre e = etat_calcule();
    for (auto _ : state) {
        std::string rapport = composer_rapport(e);
        benchmark::DoNotOptimize(rapport.data());
    }
}

BENCHMARK(BM_calcul_synthese)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_calcul_detail)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ecrire_interpretation_annee)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_calcul_entente)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_composer_rapport)->Unit(benchmark::kMicrosecond);

} // namespace
