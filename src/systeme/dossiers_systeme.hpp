#pragma once
// The two folders the data folder is built on, as the platform gives them.

#include <filesystem>
#include <string_view>

namespace kalder {

// The current user's application-data folder, not created by asking: the
// roaming application-data folder on Windows (%APPDATA%), elsewhere as
// donnees_application_xdg reads the environment. Empty when the platform
// gives none.
std::filesystem::path donnees_application_utilisateur();

// $XDG_DATA_HOME when it is an absolute path (a relative or blank one is
// ignored, as the XDG base directory rules say), else $HOME/.local/share when
// HOME holds more than blanks, else empty. A null pointer is an unset
// variable. A relative HOME is kept as it is: the caller refuses it.
std::filesystem::path donnees_application_xdg(const char* xdg_data_home, const char* home);

// The folder of the running executable; nom_lance (argv[0]) is used where the
// platform cannot tell.
std::filesystem::path dossier_programme(std::string_view nom_lance);

} // namespace kalder
