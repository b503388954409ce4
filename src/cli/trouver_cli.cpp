#include "cli/trouver_cli.hpp"

#include "calendrier/sens.hpp"
#include "calendrier/trouver.hpp"
#include "cli/saisie_cli.hpp"
#include "noyau/elision.hpp"
#include "noyau/nombre_saisi.hpp"

#include <nlohmann/json.hpp>

#include <iostream>

namespace kalder::cli {

namespace {

using namespace std::chrono;

// A whole number; nullopt when the text is not one.
std::optional<Nombre> nombre_entier(const std::string& texte) {
    const auto v = lire_nombre_saisi(texte);
    if (!v || *v != static_cast<double>(static_cast<Nombre>(*v)) || *v < -1e9 || *v > 1e9)
        return std::nullopt;
    return static_cast<Nombre>(*v);
}

// "jour 1, mois 3, année 6".
std::string nombres(const JourPersonnel& j) {
    return "jour " + std::to_string(j.jour_personnel) + ", mois " +
           std::to_string(j.mois_personnel) + ", année " + std::to_string(j.annee_personnelle);
}

nlohmann::ordered_json json_nombres(const JourPersonnel& j) {
    return {{"jour_personnel", j.jour_personnel},
            {"mois_personnel", j.mois_personnel},
            {"annee_personnelle", j.annee_personnelle}};
}

std::string texte_trouve(const Theme& t, const Theme* autre, const JourCherche& c,
                         const Plage& plage, const std::vector<JourTrouve>& jours) {
    std::string r = "Jours personnels " + std::to_string(c.jour) + " " + de(nom_de_la_personne(t));
    if (autre)
        r += " et " + de(nom_de_la_personne(*autre));
    if (c.mois)
        r += ", mois personnel " + std::to_string(*c.mois);
    if (c.annee)
        r += ", année personnelle " + std::to_string(*c.annee);
    r += ", du " + date_courte(plage.du) + " au " + date_courte(plage.au) + "\n";
    r += "Sens du jour personnel " + std::to_string(c.jour) +
         "\u00a0: " + std::string(sens_jour_personnel(c.jour)) + "\n\n";
    for (const JourTrouve& j : jours) {
        r += date_courte(j.date) + "  " + nom_de_la_personne(t) + "\u00a0: " + nombres(j.premiere);
        if (j.seconde)
            r += "\u00a0; " + nom_de_la_personne(*autre) + "\u00a0: " + nombres(*j.seconde);
        r += "\n";
    }
    r += jours.empty() ? std::string("Aucun jour ne convient.\n")
                       : (jours.size() == 1 ? std::string("1 jour trouvé.\n")
                                            : std::to_string(jours.size()) + " jours trouvés.\n");
    return r;
}

std::string json_trouve(const Theme& t, const Theme* autre, const JourCherche& c,
                        const Plage& plage, const std::vector<JourTrouve>& jours) {
    nlohmann::ordered_json personnes = nlohmann::ordered_json::array({nom_de_la_personne(t)});
    if (autre)
        personnes.push_back(nom_de_la_personne(*autre));
    nlohmann::ordered_json cherche = {{"jour_personnel", c.jour}};
    if (c.mois)
        cherche["mois_personnel"] = *c.mois;
    if (c.annee)
        cherche["annee_personnelle"] = *c.annee;
    nlohmann::ordered_json liste = nlohmann::ordered_json::array();
    for (const JourTrouve& j : jours) {
        nlohmann::ordered_json nombres_du_jour =
            nlohmann::ordered_json::array({json_nombres(j.premiere)});
        if (j.seconde)
            nombres_du_jour.push_back(json_nombres(*j.seconde));
        liste.push_back({{"date", texte_date(j.date)}, {"personnes", std::move(nombres_du_jour)}});
    }
    const nlohmann::ordered_json r = {
        {"personnes", std::move(personnes)},   {"cherche", std::move(cherche)},
        {"sens", sens_jour_personnel(c.jour)}, {"du", texte_date(plage.du)},
        {"au", texte_date(plage.au)},          {"jours", std::move(liste)}};
    return r.dump(2) + "\n";
}

} // namespace

std::optional<Theme> personne_avec(const std::string& texte) {
    const auto premier = texte.find(';');
    if (premier == std::string::npos)
        return std::nullopt;
    const auto second = texte.find(';', premier + 1);
    Theme t;
    t.prenom = texte.substr(0, premier);
    t.nom = texte.substr(premier + 1,
                         second == std::string::npos ? std::string::npos : second - premier - 1);
    if (second == std::string::npos || second + 1 == texte.size())
        return t;
    const std::string date = texte.substr(second + 1);
    if (date.size() != 10 || date[2] != '/' || date[5] != '/')
        return std::nullopt;
    const auto iso =
        lire_date(date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2));
    if (!iso)
        return std::nullopt;
    t.jour = static_cast<unsigned>(iso->day());
    t.mois = static_cast<unsigned>(iso->month());
    t.annee = static_cast<int>(iso->year());
    return t;
}

int trouver_jour(const Theme& t, const Options& o, const Plage& plage) {
    JourCherche c;
    const std::pair<const char*, std::optional<Nombre>*> lus[] = {{"mois-personnel", &c.mois},
                                                                  {"annee-personnelle", &c.annee}};
    const auto jour = nombre_entier(*o.valeur("trouver-jour"));
    if (!jour)
        return erreur_usage("--trouver-jour attend un nombre de 1 à 9\u202f: «\u202f" +
                            *o.valeur("trouver-jour") + "\u202f»");
    c.jour = *jour;
    for (const auto& [nom, cible] : lus) {
        const auto texte = o.valeur(nom);
        if (!texte)
            continue;
        *cible = nombre_entier(*texte);
        if (!*cible)
            return erreur_usage("--" + std::string(nom) +
                                " attend un nombre de 1 à 9\u202f: «\u202f" + *texte + "\u202f»");
    }
    std::optional<Theme> autre;
    if (const auto avec = o.valeur("avec")) {
        autre = personne_avec(*avec);
        if (!autre)
            return erreur_usage("--avec attend «\u202fPRÉNOMS;NOM;JJ/MM/AAAA\u202f» avec une date "
                                "qui existe\u202f: «\u202f" +
                                *avec + "\u202f»");
    }
    const Theme* seconde = autre ? &*autre : nullptr;
    if (auto refus = verifier_recherche(t, seconde, c, plage)) {
        std::cerr << "Erreur\u00a0: " << *refus << '\n';
        return sortie_erreur_saisie;
    }
    const auto jours = trouver_jours(t, seconde, c, plage);
    std::cout << (o.json ? json_trouve(t, seconde, c, plage, jours)
                         : texte_trouve(t, seconde, c, plage, jours));
    return 0;
}

} // namespace kalder::cli
