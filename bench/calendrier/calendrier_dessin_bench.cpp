// Targets: the calendar window drawn in at most 20 ms: its view computed and
// painted at the size the window opens with (a month, then the twelve
// months of a year); a month with a second person beside the first in at
// most 5 ms.

#include "document/calendrier_dessin.hpp"
#include "saisie_personne.hpp"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace kalder;

void dessiner(benchmark::State& state, int mois, bool deux = false) {
    const Theme t = essai::theme_anne_marie_dupont();
    const Theme autre = essai::theme_paul_martin(12);
    QImage image(940, 620, QImage::Format_RGB32);
    for (auto _ : state) {
        auto vue = vue_calendrier(t, 2026, mois, Date{std::chrono::year{2026} / 6 / 20});
        if (deux)
            ajouter_seconde_personne(*vue, autre);
        image.fill(Qt::white);
        QPainter peintre(&image);
        peintre.setFont(QFont(QStringLiteral("DejaVu Sans")));
        dessiner_calendrier(peintre, QRectF(image.rect()), *vue);
    }
}

void BM_calendrier_fenetre_mois(benchmark::State& state) {
    dessiner(state, 6);
}
BENCHMARK(BM_calendrier_fenetre_mois)->Unit(benchmark::kMillisecond);

void BM_calendrier_fenetre_annee(benchmark::State& state) {
    dessiner(state, 0);
}
BENCHMARK(BM_calendrier_fenetre_annee)->Unit(benchmark::kMillisecond);

void BM_calendrier_fenetre_mois_deux_personnes(benchmark::State& state) {
    dessiner(state, 6, true);
}
BENCHMARK(BM_calendrier_fenetre_mois_deux_personnes)->Unit(benchmark::kMillisecond);

} // namespace
