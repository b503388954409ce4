#include "repertoire/liste_personnes.hpp"

#include "repertoire/cle_tri.hpp"
#include "repertoire/contenu_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/temporaires.hpp"
#include "repertoire/verrou.hpp"

#include <new>

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

namespace {

ListePersonnes liste_en_erreur(Message message) {
    ListePersonnes liste;
    liste.erreur = std::move(message);
    liste.prises_actives = false;
    return liste;
}

ListePersonnes lire_liste(const fs::path& dossier) {
    // Leftovers of killed saves go at an opening too, when no save runs now.
    if (Verrou verrou; verrou.essayer(dossier))
        nettoyer_temporaires(dossier);
    const fs::path fichier = fichier_repertoire(dossier);
    ContenuRepertoire contenu;
    if (auto echec = lire_contenu(fichier, contenu, false))
        return liste_en_erreur(message_echec_lecture(*echec));
    if (!contenu.existe)
        return liste_en_erreur(message_pas_de_donnees());
    contenu.en_utf8 = {};
    return liste_depuis_octets(contenu.octets);
}

} // namespace

ListePersonnes lire_liste_personnes(const fs::path& dossier) {
    constexpr std::string_view debut = "Les personnes enregistrées n'ont pas pu être lues";
    try {
        return lire_liste(dossier);
    } catch (const std::bad_alloc&) {
        return liste_en_erreur(message_erreur_exception(debut, true));
    } catch (...) {
        return liste_en_erreur(message_erreur_exception(debut, false));
    }
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

Personne decouper_ligne(std::string_view ligne) {
    Personne p;
    std::string* textes[] = {&p.nom, &p.prenoms, &p.jour, &p.mois, &p.annee};
    std::size_t k = 0;
    for (char c : ligne) {
        if (c == ';')
            ++k;
        else if (k < std::size(textes))
            textes[k]->push_back(c);
    }
    return p;
}

} // namespace kalder
