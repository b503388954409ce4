#pragma once
// Paths from UTF-8 texts and back. Every name in the program is UTF-8; on
// Windows a path built from a narrow std::string would go through the ANSI
// code page and lose what it cannot hold, so the bytes are read as char8_t
// and reach the file system as the wide path they mean.

#include <filesystem>
#include <string>
#include <string_view>

namespace kalder {

std::filesystem::path chemin_utf8(std::string_view texte);

// The path as UTF-8, whatever the platform's own form.
std::string utf8_du_chemin(const std::filesystem::path& chemin);

} // namespace kalder
