#pragma once
// The spellings compared for each person during the session: a spelling
// belongs to the person it was added for (first names, name and birth date),
// so that another client starts from their own name alone and the earlier
// rows come back when the earlier person is calculated again.

#include "variantes/comparer_noms.hpp"

#include <map>
#include <tuple>
#include <vector>

namespace kalder {

class VariantesParPersonne {
  public:
    // The spellings of `personne`, in the order they were left; none for a
    // person not compared yet.
    const std::vector<NomVariante>& de(const Theme& personne) const;
    void retenir(const Theme& personne, std::vector<NomVariante> noms);
    void oublier(const Theme& personne);

  private:
    using Cle = std::tuple<std::string, std::string, Nombre, Nombre, Nombre>;
    static Cle cle(const Theme& personne);
    std::map<Cle, std::vector<NomVariante>> noms_;
};

} // namespace kalder
