#include "textes/textes.hpp"

#include "textes/donnees.hpp"

#include <algorithm>
#include <charconv>

namespace kalder::textes {
namespace {

const donnees::Table* trouver_table(std::string_view nom) {
    const auto tables = donnees::tables();
    const auto it =
        std::lower_bound(tables.begin(), tables.end(), nom,
                         [](const donnees::Table& t, std::string_view n) { return t.nom < n; });
    return it != tables.end() && it->nom == nom ? &*it : nullptr;
}

const donnees::Entree* trouver(std::string_view table, std::string_view cle) {
    const donnees::Table* t = trouver_table(table);
    if (t == nullptr) {
        return nullptr;
    }
    const auto it =
        std::lower_bound(t->entrees.begin(), t->entrees.end(), cle,
                         [](const donnees::Entree& e, std::string_view c) { return e.cle < c; });
    return it != t->entrees.end() && it->cle == cle ? &*it : nullptr;
}

} // namespace

std::string_view entree(std::string_view table, std::string_view cle) {
    const donnees::Entree* e = trouver(table, cle);
    return e != nullptr ? e->texte : std::string_view();
}

std::string_view entree(std::string_view table, int cle) {
    char tampon[16];
    const auto [fin, code] = std::to_chars(tampon, tampon + sizeof tampon, cle);
    if (code != std::errc()) {
        return {};
    }
    return entree(table, std::string_view(tampon, static_cast<std::size_t>(fin - tampon)));
}

std::string_view entree(NomTable table, std::string_view cle) {
    return entree(table.nom, cle);
}

std::string_view entree(NomTable table, int cle) {
    return entree(table.nom, cle);
}

bool existe(std::string_view table, std::string_view cle) {
    return trouver(table, cle) != nullptr;
}

std::vector<std::string_view> cles(std::string_view table) {
    const donnees::Table* t = trouver_table(table);
    if (t == nullptr) {
        return {};
    }
    return std::vector<std::string_view>(t->cles.begin(), t->cles.end());
}

} // namespace kalder::textes
