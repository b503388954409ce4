#pragma once
// Command-line options of kalder-theme.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kalder::cli {

struct Options {
    // Field texts, keyed by the option name without its dashes ("prenom").
    std::map<std::string, std::string> valeurs;
    bool json = false;
    bool liste = false;
    bool sauvegarder = false;
    bool supprimer = false;
    bool synthese = false;
    bool details = false;
    bool cycles = false;
    bool entente = false;
    bool rapport = false;
    bool fiche = false;                 // the client record of the person
    bool clients = false;               // every client, or those --chercher finds
    bool explications = false;          // how each number was reached
    std::vector<std::string> variantes; // "PRÉNOMS;NOM" of each --variante, in order
    bool aide = false;                  // --aide or --help: the usage, and nothing else

    bool a(const std::string& nom) const { return valeurs.count(nom) != 0; }
    std::optional<std::string> valeur(const std::string& nom) const;
};

struct Analyse {
    std::optional<Options> options;
    std::string erreur; // set when options is empty
};

Analyse analyser(const std::vector<std::string>& arguments);
extern const char* const usage;

} // namespace kalder::cli
