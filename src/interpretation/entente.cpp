#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "interpretation/lecture.hpp"
#include "noyau/sommes.hpp"
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
        {"Expression ", ent::expression_commune, "entente_expression"},
        {"Chemin de vie ", ent::chemin_vie_commun, "entente_chemin"},
        {"Essence ", ent::essence_rencontre, "entente_climat"},
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
