#include "cli/repertoire_cli.hpp"

#include "cli/json.hpp"
#include "cli/saisie_cli.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "systeme/chemins.hpp"
#include "systeme/dossiers_systeme.hpp"

#include <iostream>

namespace kalder::cli {

std::filesystem::path dossier_choisi(const Options& o, std::string_view nom_lance,
                                     std::vector<Echec>* echecs) {
    if (auto d = o.valeur("dossier"))
        return chemin_utf8(*d);
    return dossier_donnees(donnees_application_utilisateur(), dossier_programme(nom_lance), echecs);
}

int dossier_impossible(const std::vector<Echec>& echecs) {
    const Message m = message_dossier_impossible(echecs);
    std::cerr << m.titre << "\u00a0: " << m.texte << "\n";
    return sortie_erreur_saisie;
}

int lister(const std::filesystem::path& dossier, bool json) {
    const ListePersonnes liste = lire_liste_personnes(dossier);
    if (liste.erreur) {
        std::cerr << liste.erreur->titre << "\u00a0: " << liste.erreur->texte << "\n";
        return sortie_erreur_saisie;
    }
    if (json) {
        ecrire_liste_json(std::cout, liste);
        return 0;
    }
    for (std::size_t i = 0; i < liste.taille(); ++i)
        std::cout << liste.ligne(i) << "\n";
    return 0;
}

} // namespace kalder::cli
