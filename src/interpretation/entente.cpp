#include "core/saisie.hpp"
#include "core/sommes.hpp"
#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "texts/textes.hpp"

namespace kalder {

namespace {

bool present(const Slot& slot) {
    const std::string_view t = rogner(slot.texte);
    return !t.empty() && t != "0";
}

} // namespace

void calcul_entente(EtatFenetre& etat) {
    Interpretation& doc = etat.interpretation;
    vider_interpretation(doc);

    struct Paragraphe {
        std::string_view libelle;
        int indice;
        std::string_view table;
    };
    static constexpr Paragraphe paragraphes[] = {
        {"Expression ", 5, "entente_expression"},
        {"Chemin de vie ", 6, "entente_chemin"},
        {"Essence ", 7, "entente_climat"},
    };
    for (const Paragraphe& p : paragraphes) {
        const Slot& slot = etat.ent[p.indice];
        if (!present(slot))
            continue;
        const auto cle = static_cast<int>(avant_barre(slot.texte));
        interprete2(doc, {p.libelle, slot.texte, " : ", textes::entree(p.table, cle)});
    }
}

} // namespace kalder
