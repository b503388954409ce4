#include "systeme/dossiers_systeme.hpp"

#include "systeme/chemins.hpp"
#include "systeme/fichiers_systeme.hpp"

#include <cstdlib>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>
#endif

namespace kalder {

namespace fs = std::filesystem;

fs::path donnees_application_utilisateur() {
#ifdef _WIN32
    wchar_t dossier[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, dossier) != S_OK)
        return {};
    return fs::path(dossier);
#else
    return donnees_application_xdg(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
#endif
}

fs::path donnees_application_xdg(const char* xdg_data_home, const char* home) {
    if (xdg_data_home) {
        if (fs::path xdg = chemin_utf8(xdg_data_home); xdg.is_absolute())
            return xdg;
    }
    if (home && std::string_view(home).find_first_not_of(" \t") != std::string_view::npos)
        return chemin_utf8(home) / ".local" / "share";
    return {};
}

fs::path dossier_programme(std::string_view nom_lance) {
    if (fs::path dossier = systeme::dossier_executable(); !dossier.empty())
        return dossier;
    std::error_code erreur;
    return fs::absolute(chemin_utf8(nom_lance), erreur).parent_path();
}

} // namespace kalder
