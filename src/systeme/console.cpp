#include "systeme/console.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kalder {

void console_utf8() {
#ifdef _WIN32
    // Bytes sent to a file or a pipe are not touched; only a console reads them
    // through this code page.
    SetConsoleOutputCP(CP_UTF8);
#endif
}

} // namespace kalder
