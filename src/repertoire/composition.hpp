#pragma once
// A letter followed by a combining accent (as some keyboards and editors
// send "é") is the same letter as the precomposed one the code page holds.

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// The precomposed letter of `base` + `marque`, when Windows-1252 holds it.
std::optional<char32_t> composer_paire(char32_t base, char32_t marque);

// Every pair that composer_paire knows is replaced by its letter.
std::u32string composer(std::u32string_view texte);

// UTF-8 in, UTF-8 out.
std::string composer_utf8(std::string_view texte);

} // namespace kalder
