#pragma once
// The two folders the data folder is built on, as the platform gives them.

#include <filesystem>
#include <string_view>

namespace kalder {

// The current user's application-data folder, not created by asking: the
// roaming application-data folder on Windows (%APPDATA%), $XDG_DATA_HOME or
// ~/.local/share elsewhere. Empty when the platform has none.
std::filesystem::path donnees_application_utilisateur();

// The folder of the running executable; nom_lance (argv[0]) is used where the
// platform cannot tell.
std::filesystem::path dossier_programme(std::string_view nom_lance);

} // namespace kalder
