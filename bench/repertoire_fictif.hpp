#pragma once
// A directory file of fictitious persons for the benchmarks: Windows-1252
// bytes, CR LF, accents and "œ" included, in no particular order, the same at
// every run.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace kalder::banc {

inline std::string repertoire_fictif(int nombre_personnes) {
    static const char* const noms[] = {"Dupont",
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
    static const char* const prenoms[] = {"Anne-Marie", "Paul",    "H\xE9l\xE8ne", "Jean",
                                          "Zo\xE9",     "Lucas",   "Fran\xE7oise", "\xC9lodie",
                                          "Louis",      "Chlo\xE9"};
    std::mt19937 g(1975);
    std::string octets;
    octets.reserve(static_cast<std::size_t>(nombre_personnes) * 48);
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

// A fresh data folder holding such a file, removed at the end.
class DossierFictif {
  public:
    explicit DossierFictif(int nombre_personnes)
        : chemin_(std::filesystem::temp_directory_path() /
                  ("kalder-repertoire-bench-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(chemin_);
        std::ofstream(chemin_ / "Kalderrep.txt", std::ios::binary)
            << repertoire_fictif(nombre_personnes);
    }
    ~DossierFictif() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierFictif(const DossierFictif&) = delete;
    DossierFictif& operator=(const DossierFictif&) = delete;
    const std::filesystem::path& chemin() const { return chemin_; }

  private:
    std::filesystem::path chemin_;
};

} // namespace kalder::banc
