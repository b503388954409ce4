#include "modele/slots.hpp"

#include "modele/catalogue.hpp"

namespace kalder {

std::vector<std::pair<std::string, Slot*>> slots_nommes(ThemeCalcule& e) {
    std::vector<std::pair<std::string, Slot*>> l;
    l.reserve(nombre_slots());
    for (const SlotCatalogue& entree : catalogue_slots())
        for (int i = entree.premier; i <= entree.dernier; ++i)
            l.emplace_back(entree.nom_complet(i), &entree.slot(e, i));
    return l;
}

std::vector<std::pair<std::string, const Slot*>> slots_nommes(const ThemeCalcule& e) {
    auto modifiables = slots_nommes(const_cast<ThemeCalcule&>(e));
    std::vector<std::pair<std::string, const Slot*>> l;
    l.reserve(modifiables.size());
    for (auto& [nom, slot] : modifiables)
        l.emplace_back(std::move(nom), slot);
    return l;
}

} // namespace kalder
