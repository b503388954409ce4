// kalder-theme: the theme of one person (and a partner) from the command
// line, computed by the same engine and validated exactly as the window does.

#include "cli/json.hpp"
#include "cli/options.hpp"
#include "cli/resume.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "core/saisie.hpp"
#include "theme/calculer_theme.hpp"
#include "year/calculer_annee.hpp"

#include <chrono>
#include <iostream>

namespace {

using namespace kalder;

constexpr int sortie_erreur_saisie = 2;
constexpr int sortie_usage = 64;

int erreur_usage(const std::string& pourquoi) {
    std::cerr << "kalder-theme: " << pourquoi << "\n" << cli::usage;
    return sortie_usage;
}

int erreur_saisie(const Issue& issue) {
    std::cerr << "Erreur : " << issue.message->texte << "\n";
    return sortie_erreur_saisie;
}

int annee_du_calendrier() {
    const auto maintenant = std::chrono::system_clock::now();
    const std::chrono::year_month_day jour{std::chrono::floor<std::chrono::days>(maintenant)};
    return static_cast<int>(jour.year());
}

void remplir(EtatFenetre& etat, const cli::Options& o,
             std::initializer_list<std::pair<const char*, ChampId>> champs) {
    for (const auto& [option, champ] : champs)
        if (auto v = o.valeur(option))
            etat.saisir(champ, *v);
}

bool compatibilite_demandee(const cli::Options& o) {
    for (const char* option : {"partenaire-prenom", "partenaire-nom", "partenaire-jour",
                               "partenaire-mois", "partenaire-annee", "rencontre-jour",
                               "rencontre-mois", "rencontre-annee"})
        if (o.a(option))
            return true;
    return false;
}

int executer(const cli::Options& o) {
    if (!o.a("prenom") || !o.a("nom"))
        return erreur_usage("--prenom et --nom sont obligatoires");
    int annee_courante = annee_du_calendrier();
    if (auto texte = o.valeur("annee-courante")) {
        const auto v = lire_nombre_saisi(*texte);
        if (!v || *v < 1 || *v > 32767 || *v != static_cast<int>(*v))
            return erreur_usage("--annee-courante attend une année entière de 1 à 32767");
        annee_courante = static_cast<int>(*v);
    }

    EtatFenetre etat;
    remplir(etat, o,
            {{"prenom", ChampId::prenom},
             {"nom", ChampId::nom},
             {"jour", ChampId::jour},
             {"mois", ChampId::mois},
             {"annee", ChampId::annee}});
    if (Issue i = calculer_theme(etat, annee_courante); i.message)
        return erreur_saisie(i);
    if (auto annee = o.valeur("annee-calcul")) {
        etat.saisir(ChampId::annee_calcul, *annee);
        if (Issue i = calculer_pour_annee(etat); i.message)
            return erreur_saisie(i);
    }
    if (compatibilite_demandee(o)) {
        remplir(etat, o,
                {{"partenaire-prenom", ChampId::prenom_partenaire},
                 {"partenaire-nom", ChampId::nom_partenaire},
                 {"partenaire-jour", ChampId::jour_partenaire},
                 {"partenaire-mois", ChampId::mois_partenaire},
                 {"partenaire-annee", ChampId::annee_partenaire},
                 {"rencontre-jour", ChampId::jour_rencontre},
                 {"rencontre-mois", ChampId::mois_rencontre},
                 {"rencontre-annee", ChampId::annee_rencontre}});
        if (Issue i = calculer_compatibilite(etat); i.message)
            return erreur_saisie(i);
    }
    if (o.json)
        std::cout << cli::ecrire_json(etat, {});
    else
        std::cout << cli::ecrire_resume(etat);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::Analyse analyse = cli::analyser(arguments);
    if (!analyse.options)
        return erreur_usage(analyse.erreur);
    return executer(*analyse.options);
}
