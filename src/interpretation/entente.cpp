#include "interpretation/ecrivains.hpp"
#include "interpretation/generateurs.hpp"
#include "interpretation/lecture.hpp"
#include "noyau/sommes.hpp"
#include "textes/tables.hpp"

namespace kalder {

void calcul_entente(const ThemeCalcule& etat, Interpretation& doc) {
    vider_interpretation(doc);

    struct Paragraphe {
        std::string_view libelle;
        int indice;
        textes::NomTable table;
    };
    static constexpr Paragraphe paragraphes[] = {
        {"Expression ", ent::expression_commune, textes::tables::entente_expression},
        {"Chemin de vie ", ent::chemin_vie_commun, textes::tables::entente_chemin},
        {"Essence ", ent::essence_rencontre, textes::tables::entente_climat},
    };
    for (const Paragraphe& p : paragraphes) {
        const Slot& slot = etat.ent[p.indice];
        if (!present(slot))
            continue;
        element(doc, {p.libelle, slot.texte, " : ", textes::entree(p.table, cle(slot.valeur()))});
    }
}

} // namespace kalder
