#include "document/sections.hpp"

#include <algorithm>

namespace kalder::document {

namespace {

constexpr DescriptionSection table[] = {
    {Section::nombres, "nombres", "Les nombres"},
    {Section::variantes, "variantes", "Variantes du nom"},
    {Section::frise, "frise", "Frise de vie"},
    {Section::synthese, "synthese", "Synthèse"},
    {Section::details, "details", "Détails"},
    {Section::cycles, "cycles", "Cycles et année"},
    {Section::calendrier, "calendrier", "Calendrier de l'année"},
    {Section::entente, "entente", "Entente"},
    {Section::explications, "explications", "Comment les nombres ont été obtenus"},
};

} // namespace

std::span<const DescriptionSection> sections_dossier() {
    return table;
}

std::vector<Section> toutes_les_sections() {
    std::vector<Section> r;
    for (const auto& d : table)
        r.push_back(d.section);
    return r;
}

const DescriptionSection& description(Section s) {
    return *std::find_if(std::begin(table), std::end(table),
                         [s](const DescriptionSection& d) { return d.section == s; });
}

std::optional<std::vector<Section>> lire_sections(std::string_view liste, std::string* inconnu) {
    std::vector<bool> choisie(std::size(table), false);
    while (!liste.empty()) {
        const auto virgule = liste.find(',');
        std::string_view nom = liste.substr(0, virgule);
        liste = virgule == std::string_view::npos ? std::string_view() : liste.substr(virgule + 1);
        // "nombres, frise": blanks around a name are not part of it.
        while (!nom.empty() && (nom.front() == ' ' || nom.front() == '\t'))
            nom.remove_prefix(1);
        while (!nom.empty() && (nom.back() == ' ' || nom.back() == '\t'))
            nom.remove_suffix(1);
        const auto it = std::find_if(std::begin(table), std::end(table),
                                     [nom](const DescriptionSection& d) { return d.id == nom; });
        if (it == std::end(table)) {
            if (inconnu)
                *inconnu = std::string(nom);
            return std::nullopt;
        }
        choisie[static_cast<std::size_t>(it - std::begin(table))] = true;
    }
    std::vector<Section> r;
    for (std::size_t i = 0; i < std::size(table); ++i)
        if (choisie[i])
            r.push_back(table[i].section);
    return r;
}

std::string noms_des_sections() {
    std::string r;
    for (const auto& d : table)
        r += (r.empty() ? "" : ", ") + std::string(d.id);
    return r;
}

bool demande_une_date(Section s) {
    return s == Section::frise || s == Section::cycles || s == Section::calendrier;
}

} // namespace kalder::document
