#include "systeme/ligne_commande.hpp"

#ifdef _WIN32
#include "systeme/texte_large.hpp"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace kalder {

std::vector<std::string> arguments_utf8(int argc, char** argv) {
#ifdef _WIN32
    int nombre = 0;
    if (LPWSTR* larges = CommandLineToArgvW(GetCommandLineW(), &nombre)) {
        std::vector<std::string> arguments;
        arguments.reserve(static_cast<std::size_t>(nombre));
        for (int i = 0; i < nombre; ++i)
            arguments.push_back(utf8_du_large(larges[i]));
        LocalFree(larges);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv, argv + argc);
}

} // namespace kalder
