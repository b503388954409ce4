#pragma once
// One person line of the window ("Vous" or the partner) as the directory sees it.

#include "modele/etat_fenetre.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/personne.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kalder {

enum class LigneId { vous, partenaire };

struct LigneFenetre {
    LigneId id = LigneId::vous;
    // Trimmed UTF-8 texts, in the order of the file: nom, prénoms, jour, mois, année.
    std::array<std::string, champs_par_entree> textes;
    // The same in Windows-1252, filled by `encoder_ligne`.
    std::array<std::string, champs_par_entree> octets;

    const std::string& nom() const { return textes[0]; }
    const std::string& prenoms() const { return textes[1]; }
    // Saved only with both names.
    bool prend_part() const { return !nom().empty() && !prenoms().empty(); }
    std::array<std::string_view, champs_par_entree> champs() const;
    bool meme_personne(const EntreeBrute& entree) const;
};

LigneFenetre lire_ligne(const EtatFenetre& etat, LigneId id);

// A typed field as a save keeps it: trimmed, accents composed ("e" + U+0301 is "é").
std::string preparer_champ(std::string_view texte);
// A person typed elsewhere (the command line), made ready the same way.
Personne personne_saisie(std::string_view nom, std::string_view prenoms, std::string_view jour,
                         std::string_view mois, std::string_view annee);

// What keeps a text out of the file, said in French ("un guillemet (\")"), if anything.
std::optional<std::string> defaut_champ(std::string_view texte);

// Fills `octets`; refuses, naming the field and the person, a text the file
// could not give back as it was typed.
std::optional<Issue> encoder_ligne(LigneFenetre& ligne);

} // namespace kalder
