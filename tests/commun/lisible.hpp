#pragma once
// A text with its no-break spaces written as ordinary ones: the examples
// compare wording, and the spacing is checked on its own.

#include <string>
#include <string_view>

namespace essai {

inline std::string lisible(std::string texte) {
    for (std::string_view insecable : {"\u202F", "\u00A0"})
        for (auto p = texte.find(insecable); p != std::string::npos; p = texte.find(insecable, p))
            texte.replace(p, insecable.size(), " ");
    return texte;
}

} // namespace essai
