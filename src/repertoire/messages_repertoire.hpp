#pragma once
// The French texts of the directory: its questions and what went wrong.

#include "modele/etat_fenetre.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/personne.hpp"

#include <filesystem>
#include <string>
#include <string_view>

namespace kalder {

// A path as the user reads it, in UTF-8.
std::string texte_chemin(const std::filesystem::path& chemin);

// Why a file operation failed, as the end of a French sentence ("le disque … est plein").
std::string expliquer_echec(const Echec& echec);

// The end of a sentence for an exception caught at a command's edge.
std::string expliquer_exception(bool memoire);

// A name as a message shows it: a line break becomes a visible "↵".
std::string texte_visible(std::string_view texte);

// A saved person as the messages name it: "Zoé Dupont (1/2/1991)".
std::string personne_lisible(const Personne& personne);

// "Supprimer « Anne Dupont (15/7/1975) » du répertoire ?", titled "Attention".
Message question_supprimer(const Personne& personne);
// "Personne retirée de « …Kalderrep.txt » : Anne Dupont (15/7/1975)"
std::string message_personne_retiree(const Personne& personne,
                                     const std::filesystem::path& fichier);
Message message_echec_suppression(const Echec& echec);
// The person to remove is not in the file (any more).
Message message_absente(const Personne& personne);
// "<début> : la mémoire a manqué[ ; rien n'a été écrit].", titled "Erreur".
Message message_erreur_exception(std::string_view debut, bool memoire, bool ecriture);

// "<prénoms> <nom> a déjà été enregistré, modifier ?", titled "Attention".
Message question_modifier(std::string_view prenoms, std::string_view nom, Icone icone);

// "Les personnes n'ont pas pu être enregistrées : …", titled "Erreur".
Message message_sauvegarde_impossible(std::string_view raison);
Message message_echec_sauvegarde(const Echec& echec);
Message message_echec_secours(const Echec& echec);

// "2 personnes enregistrées dans « …Kalderrep.txt »."
std::string message_personnes_enregistrees(int nombre, const std::filesystem::path& fichier);

// The open-person list.
Message message_pas_de_donnees();
Message message_echec_lecture(const Echec& echec);

} // namespace kalder
