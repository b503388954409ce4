#pragma once
// A written text as blocks: what each line is, not how it looks. The
// interpretations and the theme report are written this way; the window,
// the command line and printing show them as plain text, the dossier as its
// own headings and paragraphs.

#include <string>
#include <vector>

namespace kalder {

enum class Genre {
    titre,      // heads what follows it; `niveau` 1 a part, 2 a heading of its own,
                // 3 a heading run into the lines under it
    paragraphe, // running text; an empty one is a blank line
    element,    // one of a series of parallel items
    trait,      // a rule between parts; its text is the line drawn in plain text
};

struct Bloc {
    Genre genre = Genre::paragraphe;
    int niveau = 0; // for a heading only
    std::string texte;

    friend bool operator==(const Bloc&, const Bloc&) = default;
};

using Blocs = std::vector<Bloc>;

// The plain text: every block on a line of its own, ending in CR LF.
void ajouter_texte_brut(std::string& texte, const Bloc& bloc);
std::string texte_brut(const Blocs& blocs);

// Which command wrote the interpretation, so that a new theme can write it again.
enum class SorteInterpretation { aucune, synthese, details, annee, entente };

// The interpretation window's content; it exists only once something wrote to it.
struct Interpretation {
    bool existe = false;
    std::string titre;
    Blocs blocs;
    std::string texte; // the blocks as plain text, kept with them by the writers
    SorteInterpretation sorte = SorteInterpretation::aucune;
    std::string personne; // "Anne-Marie Dupont": whose numbers the text reads
};

} // namespace kalder
