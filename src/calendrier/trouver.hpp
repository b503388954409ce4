#pragma once
// Finding a day: the days of a range whose personal day is the number wanted
// (and, when asked, the personal month or year), for one person or for two
// together, the days that suit both.

#include "annee/parts_annee.hpp"
#include "calendrier/calendrier.hpp"

#include <optional>
#include <string>
#include <vector>

namespace kalder {

struct JourCherche {
    Nombre jour = 1;
    std::optional<Nombre> mois;  // the personal month too
    std::optional<Nombre> annee; // the personal year too
};

struct JourTrouve {
    Date date;
    JourPersonnel premiere;
    std::optional<JourPersonnel> seconde; // with a second person
};

// Nothing when the search can be made; otherwise why not, in French: a
// number out of 1 to 9, a person without a birth date, a range refused by
// verifier_plage.
std::optional<std::string> verifier_recherche(const Theme& t, const Theme* autre,
                                              const JourCherche& cherche, const Plage& plage);

// The days of a checked range, in order, from the later birth date on.
std::vector<JourTrouve> trouver_jours(const Theme& t, const Theme* autre,
                                      const JourCherche& cherche, const Plage& plage);

// "12/03/2027".
std::string date_courte(const Date& date);

// The client's note for a day chosen with them: "Jour choisi pour la
// signature : 12/03/2027, jour personnel 1".
std::string note_jour_choisi(std::string_view objet, const Date& date, Nombre jour_personnel);

} // namespace kalder
