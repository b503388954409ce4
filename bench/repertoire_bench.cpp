// Targets, for a directory of 100,000 persons: reading it and building the
// sorted open-person list in 100 ms; saving one replaced person in 200 ms.

#include "repertoire/dossier_donnees.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/sauvegarder_personnes.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace kalder;
namespace fs = std::filesystem;

constexpr int nombre_personnes = 100000;

const char* const noms[] = {"Dupont",
                            "Martin",
                            "Lef\xE8vre",
                            "\xC9tienne",
                            "Bernard",
                            "Moreau",
                            "Garc\xED"
                            "a",
                            "Faure",
                            "Rousseau",
                            "C\x9C"
                            "ur",
                            "Leroy",
                            "M\xFCller"};
const char* const prenoms[] = {"Anne-Marie", "Paul",         "H\xE9l\xE8ne", "Jean",  "Zo\xE9",
                               "Lucas",      "Fran\xE7oise", "\xC9lodie",    "Louis", "Chlo\xE9"};

// Windows-1252 bytes of a directory in no particular order, the same at every run.
std::string repertoire_fictif() {
    std::mt19937 g(1975);
    std::string octets;
    octets.reserve(nombre_personnes * 48);
    for (int i = 0; i < nombre_personnes; ++i) {
        const std::string nom =
            std::string(noms[g() % std::size(noms)]) + std::to_string(g() % 5000);
        octets += "\"" + nom + "\",\"" + prenoms[g() % std::size(prenoms)] + " " +
                  std::to_string(i) + "\",\"" + std::to_string(1 + g() % 28) + "\",\"" +
                  std::to_string(1 + g() % 12) + "\",\"" + std::to_string(1900 + g() % 120) +
                  "\"\r\n";
    }
    return octets;
}

class Dossier {
  public:
    Dossier()
        : chemin_(fs::temp_directory_path() /
                  ("kalder-repertoire-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(chemin_);
        std::ofstream(fichier_repertoire(chemin_), std::ios::binary) << repertoire_fictif();
    }
    ~Dossier() {
        std::error_code ec;
        fs::remove_all(chemin_, ec);
    }
    const fs::path& chemin() const { return chemin_; }

  private:
    fs::path chemin_;
};

class ToujoursOui : public Questions {
  public:
    bool oui(const Message&) override { return true; }
};

void BM_liste_personnes_100000(benchmark::State& state) {
    Dossier dossier;
    for (auto _ : state) {
        ListePersonnes liste = lire_liste_personnes(dossier.chemin());
        benchmark::DoNotOptimize(liste);
    }
}
BENCHMARK(BM_liste_personnes_100000)->Unit(benchmark::kMillisecond);

// One person of the middle of the file, its date changed at every save.
void BM_sauvegarder_remplacement_100000(benchmark::State& state) {
    Dossier dossier;
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
