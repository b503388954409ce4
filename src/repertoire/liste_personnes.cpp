#include "repertoire/liste_personnes.hpp"

#include "repertoire/cle_tri.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/messages_repertoire.hpp"

#include <cstdint>

namespace kalder {

namespace fs = std::filesystem;

ListePersonnes liste_depuis_octets(std::string_view octets) {
    const std::vector<EntreeBrute> entrees = decouper_repertoire(octets);
    const std::vector<std::uint32_t> ordre = ordre_alphabetique(entrees);

    ListePersonnes liste;
    liste.personnes.reserve(entrees.size());
    liste.lignes.reserve(entrees.size());
    for (std::uint32_t i : ordre) {
        liste.personnes.push_back(personne_utf8(entrees[i]));
        liste.lignes.push_back(ligne_liste(liste.personnes.back()));
    }
    return liste;
}

ListePersonnes lire_liste_personnes(const fs::path& dossier) {
    const fs::path fichier = fichier_repertoire(dossier);
    std::error_code ec;
    if (!fs::exists(fichier, ec) && !ec) {
        ListePersonnes liste;
        liste.erreur = message_pas_de_donnees();
        liste.prises_actives = false;
        return liste;
    }
    std::string octets;
    std::optional<Echec> echec;
    if (ec)
        echec = Echec{Operation::lire, fichier, ec};
    else
        echec = lire_fichier(fichier, octets);
    if (echec) {
        ListePersonnes liste;
        liste.erreur = message_echec_lecture(*echec);
        liste.prises_actives = false;
        return liste;
    }
    return liste_depuis_octets(octets);
}

std::string ligne_liste(const Personne& p) {
    std::string ligne;
    ligne.reserve(p.nom.size() + p.prenoms.size() + p.jour.size() + p.mois.size() + p.annee.size() +
                  4);
    ligne += p.nom;
    ligne += ';';
    ligne += p.prenoms;
    ligne += ';';
    ligne += p.jour;
    ligne += ';';
    ligne += p.mois;
    ligne += ';';
    ligne += p.annee;
    return ligne;
}

} // namespace kalder
