// "Ouvrir…" with 100,000 persons: from reading the directory file to the
// dialog shown with its list painted. Target: at most 300 ms.
#include "repertoire/liste_personnes.hpp"
#include "repertoire_fictif.hpp"
#include "ui/dialogue_ouvrir.hpp"

#include "commun/lancer_benchmarks.hpp"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>

namespace {

using namespace kalder;

void BM_dialogue_ouvrir_100000(benchmark::State& state) {
    banc::DossierFictif dossier(100000);
    for (auto _ : state) {
        ListePersonnes liste = lire_liste_personnes(dossier.chemin());
        ui::DialogueOuvrir dialogue(std::move(liste), nullptr, dossier.chemin());
        dialogue.show();
        dialogue.repaint();
        QApplication::processEvents();
        auto* vue = dialogue.findChild<QListView*>(QStringLiteral("liste_personnes"));
        if (!vue || vue->model()->rowCount() != 100000)
            state.SkipWithError("liste incomplète");
        state.PauseTiming();
        dialogue.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_dialogue_ouvrir_100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return lancer_benchmarks<QApplication>(argc, argv);
}
