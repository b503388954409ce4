// Target: the life timeline drawn in at most 20 ms, into an A4-landscape
// image at 150 dpi and onto a PDF page as the dossier places it (portrait,
// the personal years as a table); building its data is measured beside.

#include "document/frise_dessin.hpp"
#include "document/section_frise.hpp"
#include "modele/etat_fenetre.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

using namespace kalder;

EtatFenetre exemple() {
    EtatFenetre e = essai::anne_marie_dupont();
    calculer_theme(e, 2026);
    return e;
}

const QFont police_document(QStringLiteral("DejaVu Sans"));

void BM_construire_frise(benchmark::State& state) {
    const EtatFenetre e = exemple();
    for (auto _ : state) {
        auto frise = construire_frise(e, 2026);
        benchmark::DoNotOptimize(frise);
    }
}
BENCHMARK(BM_construire_frise)->Unit(benchmark::kMillisecond);

// A4 landscape at 150 dpi: 1754 × 1240 pixels.
void BM_frise_image_a4_150dpi(benchmark::State& state) {
    const Frise frise = *construire_frise(exemple(), 2026);
    QImage image(1754, 1240, QImage::Format_RGB32);
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter peintre(&image);
        peintre.setFont(police_document);
        dessiner_frise(peintre, QRectF(image.rect()), frise);
    }
}
BENCHMARK(BM_frise_image_a4_150dpi)->Unit(benchmark::kMillisecond);

// One more page of a PDF being written, the timeline on it.
void BM_frise_page_pdf(benchmark::State& state) {
    const Frise frise = *construire_frise(exemple(), 2026);
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&tampon);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QPainter peintre(&pdf);
    peintre.setFont(police_document);
    const QRectF page(0, 0, pdf.width(), pdf.width() / document::proportion_frise);
    dessiner_frise(peintre, page, frise); // the fonts are embedded once, before timing
    for (auto _ : state) {
        pdf.newPage();
        dessiner_frise(peintre, page, frise);
    }
    peintre.end();
}
BENCHMARK(BM_frise_page_pdf)->Unit(benchmark::kMillisecond);

} // namespace
