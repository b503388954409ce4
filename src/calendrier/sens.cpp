#include "calendrier/sens.hpp"

#include "textes/tables.hpp"
#include "textes/textes.hpp"

namespace kalder {

std::string_view sens_personnel(Echelle echelle, Nombre valeur) {
    return textes::entree(echelle == Echelle::annee ? textes::tables::cycles_annee
                                                    : textes::tables::cycles_mois,
                          static_cast<int>(valeur));
}

} // namespace kalder
