#pragma once
// Every change of the directory file (a save, a removal) runs the same way:
// under the directory's lock, the file is read afresh, the change is made to
// what is there now, the old file goes to the backup, and the new one takes
// its place in one step. Nothing saved by another program meanwhile is lost.

#include "repertoire/contenu_repertoire.hpp"
#include "repertoire/fichiers.hpp"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kalder {

enum class Decision {
    ecrire,     // `nouveau` replaces the file
    rien,       // the file stays as it is
    redemander, // the user must answer first; the lock is let go meanwhile
};

struct IssueMiseAJour {
    Decision decision = Decision::rien;
    std::optional<Echec> echec;
    // The failure is about the backup file.
    bool secours = false;
};

using Modification =
    std::function<Decision(const ContenuRepertoire& contenu, std::string& nouveau)>;

// `en_attente` is called once when another program holds the lock. A new
// content over `limite` is refused: it could not be read back.
IssueMiseAJour mettre_a_jour(const std::filesystem::path& dossier,
                             std::chrono::milliseconds attente, const Modification& modifier,
                             const std::function<void()>& en_attente = {},
                             std::uintmax_t limite = taille_maximale_repertoire);

// A directory file reached through a link is replaced where it really lives;
// a link made by another user is not followed.
std::optional<Echec> fichier_reel(const std::filesystem::path& dossier,
                                  std::filesystem::path& fichier);

} // namespace kalder
