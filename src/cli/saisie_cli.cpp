#include "cli/saisie_cli.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
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
    std::cerr << "kalder-theme\u00a0: " << pourquoi << "\n" << usage;
    return sortie_usage;
}

int erreur_saisie(const Issue& issue) {
    std::cerr << "Erreur\u00a0: " << issue.message->texte << "\n";
    return sortie_erreur_saisie;
}

bool sortie_ecrite() {
    errno = 0;
    std::cout.flush();
    const bool flux_bon = static_cast<bool>(std::cout);
    const bool vidage_bon = std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (flux_bon && vidage_bon)
        return true;
    const int numero = errno;
    std::cerr << "Erreur\u00a0: la sortie n'a pas pu être écrite en entier";
    if (numero == ENOSPC)
        std::cerr << " (le disque est plein)";
    else if (numero == EPIPE)
        std::cerr << " (le programme qui la lisait s'est arrêté)";
    else if (numero == EBADF)
        std::cerr << " (la sortie standard est fermée)";
    else if (numero != 0)
        std::cerr << " (erreur système " << numero << ")";
    std::cerr << ".\n";
    return false;
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
