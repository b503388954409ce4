#pragma once
// A directory file is Windows-1252, but another editor may have saved it as
// UTF-8, with or without a byte-order mark. Such a file is read as UTF-8 and
// written back as Windows-1252 at the next save.

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// A byte-order mark, or valid UTF-8 with at least one byte above 0x7F (a
// French name in Windows-1252 is never valid UTF-8: "é" alone is 0xE9).
bool fichier_en_utf8(std::string_view octets);

// The same text in Windows-1252, the mark dropped and accents composed;
// nothing when a character has no place in the code page.
std::optional<std::string> utf8_fichier_vers_cp1252(std::string_view octets);

} // namespace kalder
