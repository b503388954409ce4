// The yardstick of the command-line benchmark: the least a program computing
// the theme of the worked example and printing its JSON does, with the
// engine's libraries alone and no option to read.
#include "cli/json.hpp"
#include "theme/calculer_theme.hpp"

#include <iostream>

int main() {
    kalder::EtatFenetre etat;
    etat.saisir(kalder::ChampId::prenom, "Anne-Marie");
    etat.saisir(kalder::ChampId::nom, "Dupont");
    etat.saisir(kalder::ChampId::jour, "15");
    etat.saisir(kalder::ChampId::mois, "7");
    etat.saisir(kalder::ChampId::annee, "1975");
    if (kalder::calculer_theme(etat, 2026).message)
        return 2;
    std::cout << kalder::cli::ecrire_json(etat, {});
    return std::cout.flush() ? 0 : 74;
}
