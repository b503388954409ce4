#include "systeme/dossiers_systeme.hpp"

#include "systeme/chemins.hpp"
#include "systeme/fichiers_systeme.hpp"

#include <cstdlib>
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
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return chemin_utf8(xdg);
    if (const char* maison = std::getenv("HOME"); maison && *maison)
        return chemin_utf8(maison) / ".local" / "share";
    return {};
#endif
}

fs::path dossier_programme(std::string_view nom_lance) {
    if (fs::path dossier = systeme::dossier_executable(); !dossier.empty())
        return dossier;
    std::error_code erreur;
    return fs::absolute(chemin_utf8(nom_lance), erreur).parent_path();
}

} // namespace kalder
