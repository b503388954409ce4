// The whole dossier of the worked example (partner, year of calculation, every
// section) from its stored identity to the PDF file renamed in place.
// Target: at most 0.5 s.
#include "document/dossier.hpp"
#include "identite/identite.hpp"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

using namespace kalder;

IdentiteDossier exemple() {
    IdentiteDossier i;
    i.personne.prenom = "Anne-Marie";
    i.personne.nom = "Dupont";
    i.personne.jour = 15;
    i.personne.mois = 7;
    i.personne.annee = 1975;
    i.annee_calcul = 2027;
    EntenteCalculee partenaire;
    partenaire.prenom_partenaire = "Paul";
    partenaire.nom_partenaire = "Martin";
    i.partenaire = partenaire;
    i.mois_choisi = 4;
    return i;
}

void BM_dossier_pdf(benchmark::State& state) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("dossier.pdf"));
    document::ParametresDossier p;
    p.consultation = QDate(2026, 12, 8);
    p.annee_courante = 2026;
    p.prepare_par = QStringLiteral("Claire Lune");
    for (auto _ : state) {
        const auto etat = recalculer(exemple(), p.annee_courante);
        if (!etat || document::exporter_dossier_pdf(chemin, *etat, p))
            state.SkipWithError("dossier non écrit");
    }
}
BENCHMARK(BM_dossier_pdf)->Unit(benchmark::kMillisecond);

} // namespace
