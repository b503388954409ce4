// kalder-theme: the theme of one person (and a partner) from the command
// line, computed by the same engine and validated exactly as the window does.

#include "cli/calendrier_cli.hpp"
#include "cli/clients_cli.hpp"
#include "cli/dossier_cli.hpp"
#include "cli/json.hpp"
#include "cli/options.hpp"
#include "cli/relais.hpp"
#include "cli/repertoire_cli.hpp"
#include "cli/resume.hpp"
#include "cli/saisie_cli.hpp"
#include "identite/identite.hpp"
#include "interpretation/commandes.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/typographie.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "saisie/valider_saisie.hpp"
#include "systeme/console.hpp"
#include "systeme/ligne_commande.hpp"
#include "variantes/comparer_noms.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>

namespace {

using namespace kalder;
using namespace kalder::cli;

int annee_du_calendrier() {
    const auto maintenant = std::chrono::system_clock::now();
    const std::chrono::year_month_day jour{std::chrono::floor<std::chrono::days>(maintenant)};
    return static_cast<int>(jour.year());
}

// The terminal gets LF line ends; the JSON keeps the CR LF of the texts.
std::string fins_de_ligne_terminal(std::string texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (!(texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n'))
            r += texte[i];
    return r;
}

struct Texte {
    bool Options::*drapeau;
    const char* cle;
    Issue (*commande)(EtatFenetre&);
};

constexpr Texte textes_demandes[] = {{&Options::synthese, "synthese", interpreter_synthese},
                                     {&Options::details, "details", interpreter_details},
                                     {&Options::cycles, "cycles", interpreter_annee},
                                     {&Options::entente, "entente", interpreter_entente}};

// A whole number option within bounds; nullopt when it is malformed.
std::optional<int> entier(const std::string& texte, int minimum, int maximum) {
    const auto v = lire_nombre_saisi(texte);
    if (!v || *v < minimum || *v > maximum || *v != static_cast<int>(*v))
        return std::nullopt;
    return static_cast<int>(*v);
}

// "PRÉNOMS;NOM" split at its first semicolon; nullopt without one.
std::optional<NomVariante> variante(const std::string& texte) {
    const auto point_virgule = texte.find(';');
    if (point_virgule == std::string::npos)
        return std::nullopt;
    return NomVariante{texte.substr(0, point_virgule), texte.substr(point_virgule + 1)};
}

int executer(const Options& o) {
    if (!o.a("prenom") || !o.a("nom"))
        return erreur_usage("--prenom et --nom sont obligatoires");
    int annee_courante = annee_du_calendrier();
    if (auto texte = o.valeur("annee-courante")) {
        const auto v = entier(*texte, 1, static_cast<int>(annee_maximale));
        if (!v)
            return erreur_usage("--annee-courante attend une année entière de 1 à 32767");
        annee_courante = *v;
    }
    if (o.a("pdf"))
        if (const int statut = verifier_dossier(o))
            return statut;
    EtatFenetre etat;
    if (auto texte = o.valeur("mois-choisi")) {
        const auto v = entier(*texte, 1, 12);
        if (!v)
            return erreur_usage("--mois-choisi attend un mois de 1 à 12");
        etat.mois_choisi = *v;
    }

    remplir_personne(etat, o);
    CalculsDemandes demandes;
    demandes.annee_calcul = o.valeur("annee-calcul");
    demandes.compatibilite = compatibilite_demandee(o);
    if (demandes.compatibilite)
        remplir_partenaire(etat, o);
    if (Issue i = calculer_saisie(etat, annee_courante, demandes); i.message)
        return erreur_saisie(i);

    std::vector<NomVariante> noms;
    std::vector<LigneVariante> variantes;
    for (const std::string& texte : o.variantes) {
        auto v = variante(texte);
        if (!v)
            return erreur_usage("--variante attend «\u202fPRÉNOMS;NOM\u202f»");
        noms.push_back(std::move(*v));
    }
    if (!noms.empty()) {
        variantes = comparer_noms(etat.origines.theme, noms, etat.annee_calcul(annee_courante));
        for (const LigneVariante& l : variantes) {
            if (!l.erreur)
                continue;
            // Which spelling, as typed: "variante « ;Martin » : le prénom doit être saisi".
            std::string pourquoi = *l.erreur;
            if (!pourquoi.empty() && pourquoi[0] >= 'A' && pourquoi[0] <= 'Z')
                pourquoi[0] = static_cast<char>(pourquoi[0] - 'A' + 'a');
            Issue refus;
            refus.message = Message{"Erreur",
                                    "variante " + typo::guillemets(l.nom.prenom + ";" + l.nom.nom) +
                                        std::string(typo::deux_points) + pourquoi,
                                    Icone::avertissement};
            return erreur_saisie(refus);
        }
    }

    if (calendrier_demande(o))
        return calendrier(
            etat, o, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    if (o.a("pdf"))
        return ecrire_dossier(etat, o, annee_courante, noms);

    std::vector<std::pair<std::string, std::string>> textes;
    for (const Texte& t : textes_demandes) {
        if (!(o.*t.drapeau))
            continue;
        if (Issue i = t.commande(etat); i.message)
            return erreur_saisie(i);
        textes.emplace_back(t.cle, etat.interpretation.texte);
    }
    if (o.rapport)
        textes.emplace_back("rapport", composer_rapport(etat));

    if (o.json) {
        std::cout << ecrire_json(etat, etat.texte(ChampId::annee_calcul), textes, o.explications,
                                 variantes);
    } else if (textes.empty()) {
        std::cout << ecrire_resume(etat, o.explications);
    } else {
        for (std::size_t i = 0; i < textes.size(); ++i)
            std::cout << (i ? "\n" : "") << fins_de_ligne_terminal(textes[i].second);
    }
    if (!o.json && !variantes.empty())
        std::cout << ecrire_variantes(variantes);
    return 0;
}

#ifdef KALDER_CLIENTS_SEPARE
// Whether the data folder has a client file; a doubt counts as one.
bool fichier_clients_possible(const std::filesystem::path& dossier) {
    std::error_code ec;
    return std::filesystem::exists(fichier_clients(dossier), ec) || ec;
}
#endif

int commande(int argc, char** argv) {
    std::vector<std::string> arguments = arguments_utf8(argc, argv);
    const std::string nom_lance = arguments.empty() ? "kalder-theme" : arguments.front();
    if (!arguments.empty())
        arguments.erase(arguments.begin());
    const Analyse analyse = analyser(arguments);
    if (!analyse.options)
        return erreur_usage(analyse.erreur);
    const Options& o = *analyse.options;
    if (o.aide) {
        std::cout << usage;
        return 0;
    }
    if (o.liste + o.sauvegarder + o.supprimer + commande_clients(o) > 1)
        return erreur_usage("--liste, --sauvegarder, --supprimer et les commandes des fiches "
                            "clients s'excluent");
    // The client records' commands check their own options.
    if (!commande_clients(o))
        if (const auto pourquoi = option_sans_emploi(o, commande_choisie(o)))
            return erreur_usage(*pourquoi);
    if (const auto pourquoi = valeur_illisible(o)) {
        std::cerr << "Erreur\u00a0: " << *pourquoi << ".\n";
        return sortie_erreur_saisie;
    }
    if (commande_clients(o) || o.liste || o.sauvegarder || o.supprimer) {
        if (const auto d = o.valeur("dossier");
            d && d->find_first_not_of(" \t") == std::string::npos)
            return erreur_usage("--dossier attend le chemin d'un dossier");
        std::vector<Echec> echecs;
        const auto dossier = dossier_choisi(o, nom_lance, &echecs);
        std::error_code ec;
        if (!echecs.empty() && !std::filesystem::is_directory(dossier, ec))
            return dossier_impossible(echecs);
#ifdef KALDER_CLIENTS_SEPARE
        // SQLite is loaded only for the client file: its commands, and a save
        // or a removal that may take a client record along.
        if (commande_clients(o) ||
            ((o.sauvegarder || o.supprimer) && fichier_clients_possible(dossier)))
            return confier_clients(argv, dossier);
#else
        if (commande_clients(o))
            return executer_clients(o, dossier);
#endif
        if (o.liste)
            return lister(dossier, o.json);
        return o.sauvegarder ? sauvegarder(o, dossier) : supprimer(o, dossier);
    }
#ifdef KALDER_DOSSIER_SEPARE
    if (o.a("pdf"))
        return confier_dossier(argv);
#endif
    return executer(o);
}

// std::terminate without an exception in flight: one could not be thrown, for
// want of memory to hold it. Said in French, as the other failures are.
[[noreturn]] void arret_sans_memoire() {
    const char* message = "Erreur\u00a0: la mémoire a manqué.\n";
    if (const std::exception_ptr e = std::current_exception()) {
        try {
            std::rethrow_exception(e);
        } catch (const std::bad_alloc&) {
        } catch (...) {
            message = "Erreur\u00a0: une erreur inattendue est survenue.\n";
        }
    }
    std::fputs(message, stderr);
    std::_Exit(sortie_erreur_saisie);
}

} // namespace

int main(int argc, char** argv) {
    std::set_terminate(arret_sans_memoire);
    console_utf8();
    survivre_tube_ferme();
    int statut;
    try {
        statut = commande(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "Erreur\u00a0: la mémoire a manqué.\n";
        return sortie_erreur_saisie;
    } catch (...) {
        std::cerr << "Erreur\u00a0: une erreur inattendue est survenue.\n";
        return sortie_erreur_saisie;
    }
    // A full disk or a closed pipe must not pass for success.
    if (!sortie_ecrite())
        return sortie_ecriture;
    return statut;
}
