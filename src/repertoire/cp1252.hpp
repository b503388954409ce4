#pragma once
// The directory file is 8-bit Windows-1252; the program works in UTF-8.
// Every byte has a character (the five holes of the code page read as the C1
// controls of the same value), so any file decodes and re-encodes to itself.

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// The byte of a character, nothing when the code page cannot hold it.
std::optional<unsigned char> octet_cp1252(char32_t c);

std::string cp1252_vers_utf8(std::string_view octets);
void ajouter_cp1252_en_utf8(std::string& sortie, std::string_view octets);
// Writes at `sortie`, which has room for taille_cp1252_en_utf8(octets); gives the end.
char* ecrire_cp1252_en_utf8(char* sortie, std::string_view octets);
// The length in UTF-8 of Windows-1252 bytes.
std::size_t taille_cp1252_en_utf8(std::string_view octets);

// Nothing when the text holds malformed UTF-8 or a character outside the code page.
std::optional<std::string> utf8_vers_cp1252(std::string_view texte);

} // namespace kalder
