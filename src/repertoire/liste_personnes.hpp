#pragma once
// The list of the open-person dialog, built from the directory file.

#include "modele/etat_fenetre.hpp"
#include "repertoire/personne.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

struct ListePersonnes {
    // In the order of the list; `lignes`[i] shows `personnes`[i].
    std::vector<Personne> personnes;
    std::vector<std::string> lignes;
    // To show before the dialog opens.
    std::optional<Message> erreur;
    // "-> Vous" and "-> Partenaire".
    bool prises_actives = true;
};

// Every opening reads the file again; a missing file gives "Pas de données enregistrées".
ListePersonnes lire_liste_personnes(const std::filesystem::path& dossier);

// The sorted list of the entries of a directory file's bytes.
ListePersonnes liste_depuis_octets(std::string_view octets);

// "nom;prénoms;jour;mois;année".
std::string ligne_liste(const Personne& personne);

} // namespace kalder
