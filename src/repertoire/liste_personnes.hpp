#pragma once
// The list of the open-person dialog, built from the directory file.

#include "modele/etat_fenetre.hpp"
#include "repertoire/personne.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

// The lines in UTF-8, all in one text in the order of the file, and the
// order of the list beside them: a directory of a million persons takes
// about the size of its file, and is written straight through once sorted.
class ListePersonnes {
  public:
    // To show before the dialog opens.
    std::optional<Message> erreur;
    // "-> Vous" and "-> Partenaire".
    bool prises_actives = true;

    std::size_t taille() const { return ordre_.size(); }
    bool vide() const { return ordre_.empty(); }
    // "nom;prénoms;jour;mois;année".
    std::string_view ligne(std::size_t i) const;
    // The entry of line i, its five fields whole (a name may hold ";").
    Personne personne(std::size_t i) const;
    std::vector<std::string> lignes() const;

    ListePersonnes() = default;
    // The entries in the order of the file, `reperes` giving where each of
    // their fields starts in `texte`, their fields joined by ";", and
    // `ordre` the entry of each line of the list.
    ListePersonnes(std::unique_ptr<char[]> texte, std::size_t taille_texte,
                   std::vector<std::uint32_t> reperes, std::vector<std::uint32_t> ordre)
        : texte_(std::move(texte)), taille_texte_(taille_texte), reperes_(std::move(reperes)),
          ordre_(std::move(ordre)) {}

    static constexpr std::size_t champs_ligne = 5;

  private:
    std::unique_ptr<char[]> texte_;
    std::size_t taille_texte_ = 0;
    // Where each field of each entry starts in `texte_`, five per entry.
    std::vector<std::uint32_t> reperes_;
    std::vector<std::uint32_t> ordre_;

    std::size_t fin_entree(std::size_t entree) const;
    std::string_view texte() const { return {texte_.get(), taille_texte_}; }
};

// Every opening reads the file again; a missing file gives "Pas de données enregistrées".
ListePersonnes lire_liste_personnes(const std::filesystem::path& dossier);

// Every entry of the directory in the order of the list; none when it cannot be read.
std::vector<Personne> personnes_du_repertoire(const std::filesystem::path& dossier);

// The sorted list of the entries of a directory file's bytes.
ListePersonnes liste_depuis_octets(std::string_view octets);

// "nom;prénoms;jour;mois;année".
std::string ligne_liste(const Personne& personne);

} // namespace kalder
