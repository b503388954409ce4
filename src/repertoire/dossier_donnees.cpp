#include "repertoire/dossier_donnees.hpp"

#include <system_error>

namespace kalder {

namespace fs = std::filesystem;

namespace {

fs::path sans_espaces_autour(const fs::path& chemin) {
    using Texte = fs::path::string_type;
    const Texte& t = chemin.native();
    const auto espace = static_cast<Texte::value_type>(' ');
    const auto debut = t.find_first_not_of(espace);
    if (debut == Texte::npos)
        return {};
    const auto fin = t.find_last_not_of(espace);
    return fs::path(t.substr(debut, fin - debut + 1));
}

// Parents too: a fresh account may not have its application-data folder yet.
bool creer_si_absent(const fs::path& dossier) {
    std::error_code ec;
    if (fs::is_directory(dossier, ec))
        return true;
    fs::create_directories(dossier, ec);
    return !ec && fs::is_directory(dossier, ec);
}

} // namespace

fs::path dossier_donnees(const fs::path& donnees_application, const fs::path& dossier_programme) {
    const fs::path base = sans_espaces_autour(donnees_application);
    if (!base.empty()) {
        const fs::path dossier = base / nom_dossier_donnees;
        if (creer_si_absent(dossier))
            return dossier / "";
    }
    const fs::path dossier = dossier_programme / nom_dossier_donnees;
    creer_si_absent(dossier);
    return dossier / "";
}

} // namespace kalder
