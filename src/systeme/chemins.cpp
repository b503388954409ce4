#include "systeme/chemins.hpp"

namespace kalder {

std::filesystem::path chemin_utf8(std::string_view texte) {
    return std::filesystem::path(std::u8string(texte.begin(), texte.end()));
}

std::string utf8_du_chemin(const std::filesystem::path& chemin) {
    const std::u8string u = chemin.u8string();
    return std::string(u.begin(), u.end());
}

} // namespace kalder
