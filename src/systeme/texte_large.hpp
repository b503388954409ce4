#pragma once
// UTF-16 texts of the Windows API to UTF-8 (Windows only).

#ifdef _WIN32
#include <string>
#include <string_view>

namespace kalder {

std::string utf8_du_large(std::wstring_view large);

} // namespace kalder
#endif
