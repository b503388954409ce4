#include "noyau/sommes.hpp"
#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "interpretation/lecture.hpp"
#include "textes/textes.hpp"

namespace kalder {

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
        interprete2(doc, {p.libelle, slot.texte, " : ",
                          textes::entree(p.table, cle(avant_barre(slot.texte)))});
    }
}

} // namespace kalder
