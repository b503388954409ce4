// Targets: reading a directory of 100,000 persons and building the sorted
// open-person list in 100 ms; one save of a replaced person into it, lock
// included, in 200 ms. Reading and sorting a million persons is measured,
// time and peak memory, against the file's size, and a million copies of one person.

#include "modele/etat_fenetre.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "repertoire_fictif.hpp"

#include <benchmark/benchmark.h>

#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using namespace kalder;
namespace fs = std::filesystem;

class ToujoursOui : public Questions {
  public:
    bool oui(const Message&) override { return true; }
};

void BM_liste_personnes_100000(benchmark::State& state) {
    banc::DossierFictif dossier(100000);
    for (auto _ : state) {
        ListePersonnes liste = lire_liste_personnes(dossier.chemin());
        benchmark::DoNotOptimize(liste);
    }
}
BENCHMARK(BM_liste_personnes_100000)->Unit(benchmark::kMillisecond);

// Peak resident memory of a child that does `faire`, in kilobytes (none on Windows).
template <typename F> long pic_enfant_ko([[maybe_unused]] F faire) {
#if defined(_WIN32)
    return 0;
#else
    const pid_t pid = fork();
    if (pid == 0) {
        faire();
        _exit(0);
    }
    int statut = 0;
    rusage usage{};
    wait4(pid, &statut, 0, &usage);
    return usage.ru_maxrss;
#endif
}

void BM_lecture_tri_1000000(benchmark::State& state) {
    banc::DossierFictif dossier(1000000);
    const auto taille = fs::file_size(fichier_repertoire(dossier.chemin()));
    for (auto _ : state) {
        ListePersonnes liste = lire_liste_personnes(dossier.chemin());
        if (liste.taille() != 1000000)
            state.SkipWithError("liste incomplète");
        benchmark::DoNotOptimize(liste);
    }
    // Measured apart, in a child, against a child that reads nothing.
    const long a_vide = pic_enfant_ko([] {});
    const long pic = pic_enfant_ko([&] {
        ListePersonnes liste = lire_liste_personnes(dossier.chemin());
        benchmark::DoNotOptimize(liste);
    });
    state.counters["fichier_Mo"] = static_cast<double>(taille) / (1 << 20);
    state.counters["pic_Mo"] = static_cast<double>(pic - a_vide) / 1024;
    state.counters["pic_sur_fichier"] =
        static_cast<double>(pic - a_vide) * 1024 / static_cast<double>(taille);
}
BENCHMARK(BM_lecture_tri_1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// A million copies of one person, accents included: each sort key is built
// once, so this takes no longer than a million different persons.
void BM_lecture_tri_identiques_1000000(benchmark::State& state) {
    banc::DossierFictif dossier(0);
    const std::string ligne = "\"Lef\xE8vre\",\"H\xE9l\xE8ne\",\"1\",\"2\",\"1990\"\r\n";
    std::string octets;
    octets.reserve(ligne.size() * 1000000);
    for (int i = 0; i < 1000000; ++i)
        octets += ligne;
    std::ofstream(fichier_repertoire(dossier.chemin()), std::ios::binary) << octets;
    for (auto _ : state) {
        ListePersonnes liste = lire_liste_personnes(dossier.chemin());
        if (liste.taille() != 1000000)
            state.SkipWithError("liste incomplète");
        benchmark::DoNotOptimize(liste);
    }
}
BENCHMARK(BM_lecture_tri_identiques_1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One person of the middle of the file, its date changed at every save.
void BM_sauvegarder_remplacement_100000(benchmark::State& state) {
    banc::DossierFictif dossier(100000);
    const ListePersonnes liste = lire_liste_personnes(dossier.chemin());
    const Personne p = liste.personne(liste.taille() / 2);
    EtatFenetre etat;
    etat.saisir(ChampId::prenom, p.prenoms);
    etat.saisir(ChampId::nom, p.nom);
    etat.saisir(ChampId::mois, "7");
    etat.saisir(ChampId::annee, "1975");
    ToujoursOui questions;
    int jour = 0;
    for (auto _ : state) {
        etat.saisir(ChampId::jour, std::to_string(1 + jour++ % 28));
        Issue issue = sauvegarder_personnes(etat, dossier.chemin(), questions);
        if (issue.message)
            state.SkipWithError(issue.message->texte.c_str());
        benchmark::DoNotOptimize(issue);
    }
}
BENCHMARK(BM_sauvegarder_remplacement_100000)->Unit(benchmark::kMillisecond);

} // namespace
