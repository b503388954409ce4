#include "systeme/console.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace kalder {

void console_utf8() {
#ifdef _WIN32
    // Bytes sent to a file or a pipe are not touched; only a console reads them
    // through this code page.
    SetConsoleOutputCP(CP_UTF8);
#endif
}

void survivre_tube_ferme() {
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

} // namespace kalder
