#pragma once

#include "modele/etat_fenetre.hpp"
#include "repertoire/fichiers.hpp"

#include <filesystem>
#include <optional>
#include <vector>

namespace kalder {

inline constexpr const char* nom_dossier_donnees = "Kalder";
inline constexpr const char* nom_fichier_repertoire = "Kalderrep.txt";
inline constexpr const char* nom_fichier_secours = "Kalderrep.bak";

// "Kalder" in the per-user application-data folder, or beside the program when
// that folder is not given or "Kalder" cannot be made there. The folder and
// its missing parents are created. The result ends with a separator. When
// even the program folder fails, its "Kalder" is returned all the same: the
// next save then says why it cannot write there.
// Each folder that could not be made is added to `echecs`, with the reason.
std::filesystem::path dossier_donnees(const std::filesystem::path& donnees_application,
                                      const std::filesystem::path& dossier_programme,
                                      std::vector<Echec>* echecs = nullptr);

// The folder and its missing parents (a fresh account may not have its
// application-data folder yet), each new one synced in its parent; why not.
std::optional<Echec> creer_dossier(const std::filesystem::path& dossier);

// "Le dossier de données n'a pas pu être créé : « … » : <why> ; « … » : <why>.",
// titled "Erreur", for a save when no data folder could be made.
Message message_dossier_impossible(const std::vector<Echec>& echecs);

inline std::filesystem::path fichier_repertoire(const std::filesystem::path& dossier) {
    return dossier / nom_fichier_repertoire;
}
inline std::filesystem::path fichier_secours(const std::filesystem::path& dossier) {
    return dossier / nom_fichier_secours;
}

} // namespace kalder
