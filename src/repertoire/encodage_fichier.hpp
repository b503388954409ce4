#pragma once
// A directory file is Windows-1252, but another editor may have saved it, or
// some lines of it, as UTF-8, with or without a byte-order mark. Each line is
// read in its own encoding and written back as Windows-1252 at the next save.

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// Valid UTF-8 with at least one byte above 0x7F (a French name in
// Windows-1252 is never valid UTF-8: "é" alone is 0xE9).
bool ligne_en_utf8(std::string_view octets);

// The text with its UTF-8 lines in Windows-1252, accents composed, and the
// mark dropped; nothing when no line needs it. A UTF-8 line holding a
// character the code page lacks is kept byte for byte and told by `hors_code_page`.
std::optional<std::string> lignes_en_cp1252(std::string_view octets, bool& hors_code_page);

} // namespace kalder
