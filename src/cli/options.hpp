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
    bool effacer_fiche = false; // --supprimer: the client record erased too
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

// What the tool is asked to do; one of --liste, --sauvegarder and --supprimer at most.
enum class Commande { theme, dossier, liste, sauvegarder, supprimer };
Commande commande_choisie(const Options& o);

// Whether one of the client file's options was given (--fiche, --note,
// --clients, --exporter-clients, --importer-clients).
bool commande_clients(const Options& o);

// "--json ne sert pas avec --sauvegarder": the first option given that the
// command does not use, as a usage error; nothing when all serve.
std::optional<std::string> option_sans_emploi(const Options& o, Commande commande);

// "--prenom contient un caractère illisible […]": the first value that is
// not UTF-8 (paths excepted: they are bytes).
std::optional<std::string> valeur_illisible(const Options& o);
extern const char* const usage;

} // namespace kalder::cli
