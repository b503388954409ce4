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
// The client file, kept beside the directory (one SQLite database).
inline constexpr const char* nom_fichier_clients = "Kalder.sqlite";

// "Kalder" in the per-user application-data folder, or beside the program
// only when the platform gives no application-data folder. The folder and its
// missing parents are created; the result ends with a separator. A data
// folder that cannot be made (a file in the way, no right to write, a
// relative path) is never replaced by another one: it is returned all the
// same, with the reason added to `echecs`, so that the caller says why
// nothing can be saved instead of writing somewhere the user does not look.
std::filesystem::path dossier_donnees(const std::filesystem::path& donnees_application,
                                      const std::filesystem::path& dossier_programme,
                                      std::vector<Echec>* echecs = nullptr);

// The folder and its missing parents (a fresh account may not have its
// application-data folder yet), each new one synced in its parent; why not.
std::optional<Echec> creer_dossier(const std::filesystem::path& dossier);

// "Le dossier de données n'a pas pu être créé : « … », car <why>.", titled
// "Erreur", when the data folder could not be made.
Message message_dossier_impossible(const std::vector<Echec>& echecs);

inline std::filesystem::path fichier_repertoire(const std::filesystem::path& dossier) {
    return dossier / nom_fichier_repertoire;
}
inline std::filesystem::path fichier_secours(const std::filesystem::path& dossier) {
    return dossier / nom_fichier_secours;
}
inline std::filesystem::path fichier_clients(const std::filesystem::path& dossier) {
    return dossier / nom_fichier_clients;
}

} // namespace kalder
