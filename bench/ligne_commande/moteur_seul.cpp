// The yardstick of the command-line benchmark: the least a program computing
// the theme of the worked example and printing its JSON does, with the
// engine's libraries alone and no option to read.
#include "cli/json.hpp"
#include "theme/calculer_theme.hpp"

#include <iostream>

int main() {
    const kalder::ThemeCalcule theme =
        kalder::calculer_theme(kalder::Theme{"Anne-Marie", "Dupont", 15, 7, 1975}, 2026);
    std::cout << kalder::cli::ecrire_json(theme, "2026", {});
    return std::cout.flush() ? 0 : 74;
}
