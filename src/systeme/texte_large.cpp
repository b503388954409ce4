#include "systeme/texte_large.hpp"

#ifdef _WIN32
#include <windows.h>

namespace kalder {

std::string utf8_du_large(std::wstring_view large) {
    if (large.empty())
        return {};
    const int n = static_cast<int>(large.size());
    const int taille =
        WideCharToMultiByte(CP_UTF8, 0, large.data(), n, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(taille), '\0');
    WideCharToMultiByte(CP_UTF8, 0, large.data(), n, utf8.data(), taille, nullptr, nullptr);
    return utf8;
}

} // namespace kalder
#endif
