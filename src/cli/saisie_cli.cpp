#include "cli/saisie_cli.hpp"

#include <iostream>
#include <utility>

namespace kalder::cli {

namespace {

using Correspondance = std::pair<const char*, ChampId>;

constexpr Correspondance champs_personne[] = {{"prenom", ChampId::prenom},
                                              {"nom", ChampId::nom},
                                              {"jour", ChampId::jour},
                                              {"mois", ChampId::mois},
                                              {"annee", ChampId::annee}};

constexpr Correspondance champs_partenaire[] = {{"partenaire-prenom", ChampId::prenom_partenaire},
                                                {"partenaire-nom", ChampId::nom_partenaire},
                                                {"partenaire-jour", ChampId::jour_partenaire},
                                                {"partenaire-mois", ChampId::mois_partenaire},
                                                {"partenaire-annee", ChampId::annee_partenaire},
                                                {"rencontre-jour", ChampId::jour_rencontre},
                                                {"rencontre-mois", ChampId::mois_rencontre},
                                                {"rencontre-annee", ChampId::annee_rencontre}};

template <std::size_t N>
void remplir(EtatFenetre& etat, const Options& o, const Correspondance (&champs)[N]) {
    for (const auto& [option, champ] : champs)
        if (auto v = o.valeur(option))
            etat.saisir(champ, *v);
}

} // namespace

int erreur_usage(const std::string& pourquoi) {
    std::cerr << "kalder-theme: " << pourquoi << "\n" << usage;
    return sortie_usage;
}

int erreur_saisie(const Issue& issue) {
    std::cerr << "Erreur : " << issue.message->texte << "\n";
    return sortie_erreur_saisie;
}

void remplir_personne(EtatFenetre& etat, const Options& o) {
    remplir(etat, o, champs_personne);
}

void remplir_partenaire(EtatFenetre& etat, const Options& o) {
    remplir(etat, o, champs_partenaire);
}

bool compatibilite_demandee(const Options& o) {
    for (const auto& [option, champ] : champs_partenaire)
        if (o.a(option))
            return true;
    return false;
}

} // namespace kalder::cli
