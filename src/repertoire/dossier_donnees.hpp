#pragma once

#include <filesystem>

namespace kalder {

inline constexpr const char* nom_dossier_donnees = "Kalder";
inline constexpr const char* nom_fichier_repertoire = "Kalderrep.txt";
inline constexpr const char* nom_fichier_secours = "Kalderrep.bak";

// "Kalder" in the per-user application-data folder, or beside the program when
// that folder is not given or "Kalder" cannot be made there. The folder and
// its missing parents are created. The result ends with a separator. When
// even the program folder fails, its "Kalder" is returned all the same: the
// next save then says why it cannot write there.
std::filesystem::path dossier_donnees(const std::filesystem::path& donnees_application,
                                      const std::filesystem::path& dossier_programme);

inline std::filesystem::path fichier_repertoire(const std::filesystem::path& dossier) {
    return dossier / nom_fichier_repertoire;
}
inline std::filesystem::path fichier_secours(const std::filesystem::path& dossier) {
    return dossier / nom_fichier_secours;
}

} // namespace kalder
