#include "modele/slots.hpp"

namespace kalder {

namespace {

template <std::size_t N>
void ajouter_tableau(std::vector<std::pair<std::string, Slot*>>& liste, std::string_view nom,
                     std::array<Slot, N>& tableau, int premier, int dernier) {
    for (int i = premier; i <= dernier; ++i)
        liste.emplace_back(std::string(nom) + "(" + std::to_string(i) + ")", &tableau[i]);
}

} // namespace

std::vector<std::pair<std::string, Slot*>> slots_nommes(EtatFenetre& e) {
    std::vector<std::pair<std::string, Slot*>> l;
    l.reserve(320);
    ajouter_tableau(l, "Grille", e.Grille, 1, 9);
    ajouter_tableau(l, "lettre", e.lettre, 0, 6);
    ajouter_tableau(l, "synth", e.synth, 0, 4);
    l.emplace_back("tri1", &e.tri1);
    l.emplace_back("tri2", &e.tri2);
    l.emplace_back("tri3", &e.tri3);
    ajouter_tableau(l, "Nomb", e.Nomb, 0, 14);
    ajouter_tableau(l, "defi", e.defi, 0, 2);
    ajouter_tableau(l, "deco", e.deco, 0, 4);
    ajouter_tableau(l, "des", e.des, 0, 4);
    ajouter_tableau(l, "dei", e.dei, 0, 4);
    ajouter_tableau(l, "vie", e.vie, 0, 0);
    l.emplace_back("cycle1", &e.cycle1);
    l.emplace_back("cycle2", &e.cycle2);
    l.emplace_back("cycle3", &e.cycle3);
    Slot* apogees[] = {&e.apogee1, &e.apogee2, &e.apogee3, &e.apogee4};
    Slot* fins[] = {&e.fin_apogee1, &e.fin_apogee2, &e.fin_apogee3};
    Slot* defis[] = {&e.defi_apogee1, &e.defi_apogee2, &e.defi_apogee3, &e.defi_apogee4};
    for (int i = 0; i < 4; ++i)
        l.emplace_back("apogee" + std::to_string(i + 1), apogees[i]);
    for (int i = 0; i < 3; ++i)
        l.emplace_back("fin_apogee" + std::to_string(i + 1), fins[i]);
    for (int i = 0; i < 4; ++i)
        l.emplace_back("defi_apogee" + std::to_string(i + 1), defis[i]);
    l.emplace_back("annee_personnelle", &e.annee_personnelle);
    l.emplace_back("lettre_passage", &e.lettre_passage);
    ajouter_tableau(l, "Toi", e.Toi, 1, 12);
    ajouter_tableau(l, "cym", e.cym, 1, 12);
    ajouter_tableau(l, "esse", e.esse, 1, 12);
    ajouter_tableau(l, "apog", e.apog, 1, 4);
    ajouter_tableau(l, "leco", e.leco, 1, 4);
    ajouter_tableau(l, "periode", e.periode, 1, 12);
    ajouter_tableau(l, "profec", e.profec, 1, 12);
    ajouter_tableau(l, "semaine", e.semaine, 1, 48);
    ajouter_tableau(l, "semdef", e.semdef, 1, 48);
    ajouter_tableau(l, "ent", e.ent, 1, 7);
    return l;
}

std::vector<std::pair<std::string, const Slot*>> slots_nommes(const EtatFenetre& e) {
    auto modifiables = slots_nommes(const_cast<EtatFenetre&>(e));
    std::vector<std::pair<std::string, const Slot*>> l;
    l.reserve(modifiables.size());
    for (auto& [nom, slot] : modifiables)
        l.emplace_back(std::move(nom), slot);
    return l;
}

Slot* trouver_slot(EtatFenetre& e, std::string_view nom) {
    for (auto& [n, slot] : slots_nommes(e))
        if (n == nom)
            return slot;
    return nullptr;
}

} // namespace kalder
