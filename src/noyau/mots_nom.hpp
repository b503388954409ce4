#pragma once
// Cutting the spaced name ("prénom nom ") into at most five words.

#include <string>
#include <string_view>
#include <vector>

namespace kalder {

// Blank, "-", "_", ",", ";" and ":"; an apostrophe or a full stop belongs to
// the word.
bool est_separateur(char32_t c);

// A one-character word, or the empty word between two separators, is not cut
// off: it joins the following word with its separator ("J Pierre").
std::vector<std::u32string_view> couper_mots(std::u32string_view nom_espace);

} // namespace kalder
