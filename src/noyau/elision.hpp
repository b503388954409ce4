#pragma once
// "de", "le", "que" before a word of the user's or of the program's: elided
// before a vowel or a mute h ("d'Anne-Marie", "d'Hélène", "l'Écuyer"),
// written whole otherwise ("de Paul", "le Breton"). Y counts as a vowel
// ("d'Yves"); an h followed by a vowel is taken as mute ("d'Hugo").

#include <string>
#include <string_view>

namespace kalder {

// The word that elides: "de" gives "d'", "le" "l'", "que" "qu'" (and their
// capitalised forms "De", "Le", "Que").
std::string elider(std::string_view mot, std::string_view suite);

// "de Paul", "d'Anne-Marie": the most frequent case.
inline std::string de(std::string_view suite) {
    return elider("de", suite);
}

// "de" before a group that starts with an article, joined to it as French
// joins them: "du nom", "des étiquettes", "de la note", "d'une orthographe".
// Only a lower-case article joins: "de Le Breton" is a name.
std::string de_article(std::string_view groupe);

} // namespace kalder
