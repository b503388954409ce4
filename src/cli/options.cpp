#include "cli/options.hpp"

#include <array>
#include <string_view>

namespace kalder::cli {

namespace {

constexpr std::array<std::string_view, 29> options_a_valeur = {"prenom",
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
                                                               "ics",
                                                               "du",
                                                               "au",
                                                               "calendrier",
                                                               "note",
                                                               "chercher",
                                                               "exporter-clients",
                                                               "importer-clients"};

struct Drapeau {
    std::string_view nom;
    bool Options::*membre;
};
constexpr Drapeau drapeaux[] = {{"json", &Options::json},
                                {"liste", &Options::liste},
                                {"sauvegarder", &Options::sauvegarder},
                                {"supprimer", &Options::supprimer},
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

} // namespace

const char* const usage =
    "Utilisation :\n"
    "       kalder-theme --prenom P --nom N [--jour D --mois M --annee Y]\n"
    "                    [--annee-courante C] [--annee-calcul Y2]\n"
    "                    [--partenaire-prenom P2 --partenaire-nom N2\n"
    "                     [--partenaire-jour D2 --partenaire-mois M2 --partenaire-annee Y2]]\n"
    "                    [--rencontre-jour D3 --rencontre-mois M3 --rencontre-annee Y3]\n"
    "                    [--synthese] [--details] [--cycles [--mois-choisi 1..12]]\n"
    "                    [--entente] [--rapport] [--json] [--explications]\n"
    "                    [--variante \"PRÉNOMS;NOM\" ...]\n"
    "                    [--pdf FICHIER [--sections S1,S2,...] [--prepare-par TEXTE]]\n"
    "                    [--ics FICHIER [--du AAAA-MM-JJ] [--au AAAA-MM-JJ]]\n"
    "                    [--calendrier AAAA[-MM] [--json [--explications]]]\n"
    "       (--ics : agenda des jours personnels, par défaut l'année de calcul ;\n"
    "        sans --au, jusqu'au 31 décembre de l'année de --du)\n"
    "       (sections du dossier PDF : nombres, variantes, frise, synthese, details,\n"
    "        cycles, calendrier, entente, explications ; toutes par défaut ; variantes reprend\n"
    "        les --variante)\n"
    "       kalder-theme [--dossier DIR] --liste\n"
    "       kalder-theme [--dossier DIR] --sauvegarder [--remplacer oui|non]\n"
    "                    --prenom P --nom N [...] [--partenaire-prenom P2 ...]\n"
    "       kalder-theme [--dossier DIR] --supprimer --nom N --prenom P\n"
    "                    [--jour D --mois M --annee Y]\n"
    "       kalder-theme [--dossier DIR] --fiche [--json] --prenom P --nom N\n"
    "                    [--jour D --mois M --annee Y]\n"
    "       kalder-theme [--dossier DIR] --note TEXTE --prenom P --nom N [...]\n"
    "       kalder-theme [--dossier DIR] --clients [--chercher MOTS]\n"
    "       kalder-theme [--dossier DIR] --exporter-clients FICHIER.json\n"
    "       kalder-theme [--dossier DIR] --importer-clients FICHIER.json\n"
#if !defined(KALDER_CLIENTS)
    "       (cette version n'a pas de fichier des clients\u00a0: ces cinq commandes\n"
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
