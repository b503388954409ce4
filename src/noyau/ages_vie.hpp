#pragma once
// The ages of a whole life: its three cycles and its nine nodes, written once
// for the calculation, the tabs, the report, the summary and the timeline.

#include <array>
#include <string>
#include <string_view>

namespace kalder {

struct CycleDeVie {
    int debut;              // the first age of the cycle
    int fin;                // its last age, included; -1 for the rest of the life
    std::string_view titre; // "Cycle de 0 à 28 ans"
    std::string_view ages;  // "0-28 ans", as the "Cycles" tab writes them
};

inline constexpr std::array<CycleDeVie, 3> cycles_de_vie = {{
    {0, 28, "Cycle de 0 à 28\u00A0ans", "0-28 ans"},
    {29, 57, "Cycle de 29 à 57\u00A0ans", "29-57 ans"},
    {58, -1, "Cycle après 57\u00A0ans", ">57 ans"},
}};

// The nodes fall every nine years, numbered 1 to 9.
inline constexpr int nombre_noeuds = 9;
inline constexpr int ecart_noeuds = 9;
constexpr int age_noeud(int noeud) {
    return ecart_noeuds * noeud;
}

// "1 / 9 ans / 2 / 18 ans / … / 9 / 81 ans".
inline std::string liste_noeuds() {
    std::string r;
    for (int k = 1; k <= nombre_noeuds; ++k)
        r += (k > 1 ? " / " : "") + std::to_string(k) + " / " + std::to_string(age_noeud(k)) +
             " ans";
    return r;
}

} // namespace kalder
