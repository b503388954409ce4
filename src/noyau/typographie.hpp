#pragma once
// French spacing, written where a text is made: a line never breaks before
// ; : ! ? nor inside « », nor between a number and its unit, nor after "=".

#include <string>
#include <string_view>

namespace kalder::typo {

// The narrow no-break space: before ; : ! ? and inside « ».
inline constexpr std::string_view fine = "\u202F";
// The no-break space: between a number and its unit, after "=", between a
// letter and its value.
inline constexpr std::string_view insecable = "\u00A0";

inline constexpr std::string_view deux_points = "\u202F: ";
inline constexpr std::string_view point_virgule = "\u202F; ";
inline constexpr std::string_view egal = " =\u00A0";

// « texte »
inline std::string guillemets(std::string_view texte) {
    std::string r = "«\u202F";
    r += texte;
    r += "\u202F»";
    return r;
}

// "57 ans", "1 an".
inline std::string ans(long long n) {
    return std::to_string(n) + (n == 1 || n == -1 ? "\u00A0an" : "\u00A0ans");
}

} // namespace kalder::typo
