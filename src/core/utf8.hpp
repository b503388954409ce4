#pragma once
// Names arrive as UTF-8. The numerology works on characters, so the text is
// decoded once; malformed bytes become U+FFFD and count as non-letters.

#include <string>
#include <string_view>

namespace kalder {

std::u32string decoder_utf8(std::string_view texte);
void ajouter_utf8(std::string& sortie, char32_t c);
std::string encoder_utf8(std::u32string_view texte);
// The first character of a text, U+FFFD for a malformed start, 0 for an empty text.
char32_t premier_caractere(std::string_view texte);
std::size_t nombre_caracteres(std::string_view texte);

} // namespace kalder
