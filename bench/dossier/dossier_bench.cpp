// The whole dossier of the worked example (partner, year of calculation, every
// section) from its stored identity to the PDF file renamed in place.
// Target: at most 0.5 s. With the most a dossier accepts (20 compared names,
// names and "Préparé par" of the longest length, in unbroken words): at most 1 s.
#include "document/dossier.hpp"
#include "identite/identite.hpp"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

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
    const std::filesystem::path chemin =
        QFile::encodeName(dossier.filePath(QStringLiteral("dossier.pdf"))).toStdString();
    document::ParametresDossier p;
    p.consultation = QDate(2026, 12, 8);
    p.annee_courante = 2026;
    p.prepare_par = QStringLiteral("Claire Lune");
    IdentiteDossier identite = exemple();
    if (state.range(0) != 0) {
        const auto mot = [](char lettre, std::size_t n) {
            std::string m(n, lettre);
            m[0] = static_cast<char>(lettre - 'a' + 'A');
            return m;
        };
        identite.personne.prenom = mot('a', document::longueur_maximale_nom);
        identite.personne.nom = mot('e', document::longueur_maximale_nom);
        p.prepare_par = QString::fromStdString(
            mot('o', static_cast<std::size_t>(document::longueur_maximale_prepare_par)));
        for (std::size_t i = 0; i < document::variantes_maximum; ++i)
            p.variantes.push_back({mot(static_cast<char>('b' + i), document::longueur_maximale_nom),
                                   mot('u', document::longueur_maximale_nom - i)});
    }
    for (auto _ : state) {
        const auto etat = recalculer(identite, p.annee_courante);
        if (!etat || document::exporter_dossier_pdf(chemin, *etat, p))
            state.SkipWithError("dossier non écrit");
    }
}
BENCHMARK(BM_dossier_pdf)->ArgName("au_plus")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
