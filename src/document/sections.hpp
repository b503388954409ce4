#pragma once
// The parts of the consultation dossier, with the short name the command line
// chooses them by and the title the dossier and the export dialog show.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalder::document {

enum class Section {
    nombres,
    variantes,
    frise,
    synthese,
    details,
    cycles,
    calendrier,
    entente,
    explications
};

struct DescriptionSection {
    Section section;
    std::string_view id;    // "nombres"
    std::string_view titre; // "Les nombres"
};

// Every section, in the order of the dossier.
std::span<const DescriptionSection> sections_dossier();
std::vector<Section> toutes_les_sections();
const DescriptionSection& description(Section s);

// "nombres,entente" (blanks around the names allowed) as its sections in the
// dossier's order; nullopt, with the unknown name in `inconnu`, when a name
// is not one of them (an empty name included).
std::optional<std::vector<Section>> lire_sections(std::string_view liste,
                                                  std::string* inconnu = nullptr);

// The sections that read the birth date (the timeline, the year, the
// calendar): left out for a person without one.
bool demande_une_date(Section s);

// "nombres, frise, synthese, …" for a usage text.
std::string noms_des_sections();

} // namespace kalder::document
