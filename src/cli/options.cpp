#include "cli/options.hpp"

#include "noyau/utf8.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace kalder::cli {

namespace {

constexpr std::array<std::string_view, 35> options_a_valeur = {"prenom",
                                                               "nom",
                                                               "jour",
                                                               "mois",
                                                               "annee",
                                                               "annee-courante",
                                                               "annee-calcul",
                                                               "partenaire-prenom",
                                                               "partenaire-nom",
                                                               "partenaire-jour",
                                                               "partenaire-mois",
                                                               "partenaire-annee",
                                                               "rencontre-jour",
                                                               "rencontre-mois",
                                                               "rencontre-annee",
                                                               "mois-choisi",
                                                               "dossier",
                                                               "remplacer",
                                                               "pdf",
                                                               "sections",
                                                               "prepare-par",
                                                               "message",
                                                               "ics",
                                                               "du",
                                                               "au",
                                                               "calendrier",
                                                               "trouver-jour",
                                                               "mois-personnel",
                                                               "annee-personnelle",
                                                               "avec",
                                                               "note",
                                                               "chercher",
                                                               "exporter-clients",
                                                               "exporter-csv",
                                                               "importer-clients"};

struct Drapeau {
    std::string_view nom;
    bool Options::*membre;
};
constexpr Drapeau drapeaux[] = {{"json", &Options::json},
                                {"liste", &Options::liste},
                                {"sauvegarder", &Options::sauvegarder},
                                {"supprimer", &Options::supprimer},
                                {"effacer-fiche", &Options::effacer_fiche},
                                {"synthese", &Options::synthese},
                                {"details", &Options::details},
                                {"cycles", &Options::cycles},
                                {"entente", &Options::entente},
                                {"rapport", &Options::rapport},
                                {"explications", &Options::explications},
                                {"fiche", &Options::fiche},
                                {"clients", &Options::clients},
                                {"aide", &Options::aide},
                                {"help", &Options::aide}};

bool* drapeau(Options& o, std::string_view nom) {
    for (const Drapeau& d : drapeaux)
        if (d.nom == nom)
            return &(o.*d.membre);
    return nullptr;
}

bool prend_une_valeur(std::string_view nom) {
    for (auto o : options_a_valeur)
        if (o == nom)
            return true;
    return false;
}

// The commands using each option; one not listed serves them all.
constexpr unsigned theme = 1u << static_cast<unsigned>(Commande::theme);
constexpr unsigned dossier = 1u << static_cast<unsigned>(Commande::dossier);
constexpr unsigned liste = 1u << static_cast<unsigned>(Commande::liste);
constexpr unsigned sauvegarde = 1u << static_cast<unsigned>(Commande::sauvegarder);
constexpr unsigned suppression = 1u << static_cast<unsigned>(Commande::supprimer);
constexpr unsigned calculs = theme | dossier;
constexpr unsigned personne = calculs | sauvegarde | suppression;

// The client file's commands, named as they are typed.
constexpr std::string_view commandes_clients =
    "--fiche, --note, --clients, --exporter-clients, --importer-clients";

struct Emploi {
    std::string_view option;
    unsigned commandes;
    std::string_view clients = {}; // commandes_clients when it serves them too
};
constexpr Emploi emplois[] = {{"prenom", personne},
                              {"nom", personne},
                              {"jour", personne},
                              {"mois", personne},
                              {"annee", personne},
                              {"partenaire-prenom", calculs | sauvegarde},
                              {"partenaire-nom", calculs | sauvegarde},
                              {"partenaire-jour", calculs | sauvegarde},
                              {"partenaire-mois", calculs | sauvegarde},
                              {"partenaire-annee", calculs | sauvegarde},
                              {"rencontre-jour", calculs},
                              {"rencontre-mois", calculs},
                              {"rencontre-annee", calculs},
                              {"annee-courante", calculs},
                              {"annee-calcul", calculs},
                              {"mois-choisi", calculs},
                              {"variante", calculs},
                              {"pdf", dossier},
                              {"sections", dossier},
                              {"prepare-par", dossier},
                              {"message", dossier},
                              {"json", theme | liste},
                              {"synthese", theme},
                              {"details", theme},
                              {"cycles", theme},
                              {"entente", theme},
                              {"rapport", theme},
                              {"explications", theme},
                              {"calendrier", theme},
                              {"ics", theme},
                              {"du", theme},
                              {"au", theme},
                              {"trouver-jour", theme},
                              {"mois-personnel", theme},
                              {"annee-personnelle", theme},
                              {"avec", theme},
                              {"dossier", liste | sauvegarde | suppression, commandes_clients},
                              {"remplacer", sauvegarde},
                              {"effacer-fiche", suppression}};

// The option naming each command; the theme has none.
constexpr std::string_view noms_commandes[] = {"", "--pdf", "--liste", "--sauvegarder",
                                               "--supprimer"};

// The options given, in the order of the table above.
std::vector<std::string_view> options_donnees(const Options& o) {
    std::vector<std::string_view> donnees;
    for (const Emploi& e : emplois) {
        const bool* d = nullptr;
        for (const Drapeau& f : drapeaux)
            if (f.nom == e.option)
                d = &(o.*f.membre);
        if ((d && *d) || o.a(std::string(e.option)) ||
            (e.option == "variante" && !o.variantes.empty()))
            donnees.push_back(e.option);
    }
    return donnees;
}

std::string servantes(unsigned commandes, std::string_view clients) {
    std::vector<std::string_view> noms;
    for (std::size_t i = 1; i < std::size(noms_commandes); ++i)
        if (commandes & (1u << i))
            noms.push_back(noms_commandes[i]);
    for (std::size_t debut = 0; debut < clients.size();) {
        const std::size_t fin = std::min(clients.find(", ", debut), clients.size());
        noms.push_back(clients.substr(debut, fin - debut));
        debut = fin + 2;
    }
    std::string texte;
    for (std::size_t i = 0; i < noms.size(); ++i) {
        if (i)
            texte += i + 1 == noms.size() ? " ou " : ", ";
        texte += noms[i];
    }
    return texte;
}

} // namespace

Commande commande_choisie(const Options& o) {
    if (o.liste)
        return Commande::liste;
    if (o.sauvegarder)
        return Commande::sauvegarder;
    if (o.supprimer)
        return Commande::supprimer;
    return o.a("pdf") ? Commande::dossier : Commande::theme;
}

bool commande_clients(const Options& o) {
    return o.fiche || o.clients || o.a("note") || o.a("exporter-clients") ||
           o.a("importer-clients") || o.a("exporter-csv");
}

std::optional<std::string> option_sans_emploi(const Options& o, Commande commande) {
    const unsigned bit = 1u << static_cast<unsigned>(commande);
    for (std::string_view option : options_donnees(o)) {
        for (const Emploi& e : emplois) {
            if (e.option != option || (e.commandes & bit))
                continue;
            const std::string nom = "--" + std::string(option);
            if (commande == Commande::theme)
                return nom + " ne sert qu'avec " + servantes(e.commandes, e.clients);
            return nom + " ne sert pas avec " +
                   std::string(noms_commandes[static_cast<std::size_t>(commande)]);
        }
    }
    return std::nullopt;
}

std::optional<std::string> valeur_illisible(const Options& o) {
    const auto illisible = [](std::string_view option) {
        return "--" + std::string(option) +
               " contient un caractère illisible (ce texte n'est pas de l'UTF-8 valide, "
               "l'encodage que Kalder attend du terminal)";
    };
    // Paths are bytes, as the system names files.
    constexpr std::string_view chemins[] = {"pdf", "dossier", "ics", "exporter-clients",
                                            "importer-clients"};
    for (const auto& [option, valeur] : o.valeurs)
        if (std::find(std::begin(chemins), std::end(chemins), option) == std::end(chemins) &&
            !utf8_valide(valeur))
            return illisible(option);
    for (const std::string& v : o.variantes)
        if (!utf8_valide(v))
            return illisible("variante");
    return std::nullopt;
}

const char* const usage =
    "Utilisation\u202f:\n"
    "       kalder-theme --prenom P --nom N [--jour J --mois M --annee A]\n"
    "                    [--annee-courante EN_COURS] [--annee-calcul CALCUL]\n"
    "                    [--partenaire-prenom P2 --partenaire-nom N2\n"
    "                     [--partenaire-jour J2 --partenaire-mois M2 --partenaire-annee A2]]\n"
    "                    [--rencontre-jour J3 --rencontre-mois M3 --rencontre-annee A3]\n"
    "                    [--synthese] [--details] [--cycles [--mois-choisi 1..12]]\n"
    "                    [--entente] [--rapport] [--json] [--explications]\n"
    "                    [--variante \"PRÉNOMS;NOM\" ...]\n"
    "                    [--pdf FICHIER [--sections S1,S2,...] [--prepare-par TEXTE]\n"
    "                     [--message TEXTE]]\n"
    "                    [--ics FICHIER [--du AAAA-MM-JJ] [--au AAAA-MM-JJ]]\n"
    "                    [--calendrier AAAA[-MM] [--json [--explications]]]\n"
    "                    [--trouver-jour 1..9 [--mois-personnel 1..9]\n"
    "                     [--annee-personnelle 1..9] [--du AAAA-MM-JJ] [--au AAAA-MM-JJ]\n"
    "                     [--avec \"PRÉNOMS;NOM;JJ/MM/AAAA\"] [--json]]\n"
    "       (EN_COURS\u202f: l'année en cours, pour les essais\u202f; CALCUL\u202f: l'année de\n"
    "        calcul de la prévision, par défaut l'année en cours)\n"
    "       (--ics\u202f: agenda des jours personnels, par défaut l'année de calcul\u202f;\n"
    "        sans --au, jusqu'au 31 décembre de l'année de --du)\n"
    "       (--trouver-jour\u202f: les jours de ce jour personnel, pour la personne et,\n"
    "        avec --avec, pour l'autre aussi\u202f; la période comme pour --ics, vingt ans\n"
    "        au plus)\n"
    "       (sections du dossier PDF\u202f: nombres, variantes, frise, synthese, details,\n"
    "        cycles, calendrier, entente, explications\u202f; toutes par défaut\u202f; variantes\n"
    "        reprend les --variante)\n"
    "       (--message\u202f: une page de message personnel, après la couverture)\n"
    "       kalder-theme [--dossier DOSSIER] --liste\n"
    "       kalder-theme [--dossier DOSSIER] --sauvegarder [--remplacer oui|non]\n"
    "                    --prenom P --nom N [...] [--partenaire-prenom P2 ...]\n"
    "       kalder-theme [--dossier DOSSIER] --supprimer --nom N --prenom P\n"
    "                    [--jour J --mois M --annee A] [--effacer-fiche]\n"
    "       (--effacer-fiche\u202f: la fiche client est effacée aussi, sinon gardée)\n"
    "       kalder-theme [--dossier DOSSIER] --fiche [--json] --prenom P --nom N\n"
    "                    [--jour J --mois M --annee A]\n"
    "       kalder-theme [--dossier DOSSIER] --note TEXTE --prenom P --nom N [...]\n"
    "       kalder-theme [--dossier DOSSIER] --clients [--chercher MOTS]\n"
    "       kalder-theme [--dossier DOSSIER] --exporter-clients FICHIER.json\n"
    "       kalder-theme [--dossier DOSSIER] --importer-clients FICHIER.json\n"
    "       kalder-theme [--dossier DOSSIER] --exporter-csv FICHIER.csv\n"
    "       (--exporter-clients\u202f: le répertoire et les fiches, que --importer-clients\n"
    "        ajoute à ceux d'un autre dossier\u202f; --exporter-csv\u202f: la liste des\n"
    "        clients pour un tableur)\n"
#if !defined(KALDER_FICHIER_CLIENTS)
    "       (cette version n'a pas de fichier des clients\u00a0: ces six commandes\n"
    "        répondent par une erreur)\n"
#endif
    "       kalder-theme --aide | --help\n";

std::optional<std::string> Options::valeur(const std::string& nom) const {
    const auto it = valeurs.find(nom);
    if (it == valeurs.end())
        return std::nullopt;
    return it->second;
}

Analyse analyser(const std::vector<std::string>& arguments) {
    Options o;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a.size() < 3 || a.compare(0, 2, "--") != 0)
            return {std::nullopt, "argument inattendu\u00a0: " + a};
        std::string nom = a.substr(2);
        std::optional<std::string> valeur;
        if (const auto egal = nom.find('='); egal != std::string::npos) {
            valeur = nom.substr(egal + 1);
            nom.resize(egal);
        }
        if (bool* d = drapeau(o, nom)) {
            if (valeur)
                return {std::nullopt, "--" + nom + " ne prend pas de valeur"};
            *d = true;
            continue;
        }
        const bool repetable = nom == "variante";
        if (!repetable && !prend_une_valeur(nom))
            return {std::nullopt, "option inconnue\u00a0: " + a};
        if (!valeur) {
            if (i + 1 >= arguments.size())
                return {std::nullopt, "valeur manquante après " + a};
            valeur = arguments[++i];
        }
        if (repetable)
            o.variantes.push_back(*valeur);
        else
            o.valeurs[nom] = *valeur;
    }
    return {o, {}};
}

} // namespace kalder::cli
