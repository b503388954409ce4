#pragma once
// The directory's lock: a file "Kalderrep.lock" beside the directory file,
// and the folder itself where the system locks folders, held exclusively by
// the one program that reads and then replaces the directory. The system
// frees them when their holder ends, even killed.

#include "repertoire/fichiers.hpp"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace kalder {

inline constexpr const char* nom_fichier_verrou = "Kalderrep.lock";
// Long enough for any save of a directory of normal size.
inline constexpr std::chrono::milliseconds attente_verrou{5000};

class Verrou {
  public:
    Verrou() = default;
    ~Verrou() { lacher(); }
    Verrou(Verrou&& autre) noexcept : poignee_(autre.poignee_), dossier_(autre.dossier_) {
        autre.poignee_ = autre.dossier_ = systeme::sans_poignee;
    }
    Verrou& operator=(Verrou&&) = delete;
    Verrou(const Verrou&) = delete;

    // Waits at most `attente` for the lock of the directory in `dossier`,
    // calling `en_attente` once if another program holds it.
    std::optional<Echec> prendre(const std::filesystem::path& dossier,
                                 std::chrono::milliseconds attente = attente_verrou,
                                 const std::function<void()>& en_attente = {});
    // Without waiting; false when someone holds it or it cannot be had.
    bool essayer(const std::filesystem::path& dossier);
    void lacher();
    bool tenu() const { return poignee_ != systeme::sans_poignee; }

  private:
    systeme::Poignee poignee_ = systeme::sans_poignee; // the lock file
    systeme::Poignee dossier_ = systeme::sans_poignee; // its folder, where folders are locked
};

} // namespace kalder
