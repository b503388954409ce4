#include "calendrier/trouver.hpp"

#include <array>
#include <cstdio>
#include <utility>

namespace kalder {

namespace {

using namespace std::chrono;

bool convient(const JourPersonnel& j, const JourCherche& c) {
    return j.jour_personnel == c.jour && (!c.mois || j.mois_personnel == *c.mois) &&
           (!c.annee || j.annee_personnelle == *c.annee);
}

} // namespace

std::optional<std::string> verifier_recherche(const Theme& t, const Theme* autre,
                                              const JourCherche& c, const Plage& plage) {
    const std::array<std::pair<std::string_view, std::optional<Nombre>>, 3> nombres = {
        {{"Le jour personnel cherché", c.jour},
         {"Le mois personnel cherché", c.mois},
         {"L'année personnelle cherchée", c.annee}}};
    for (const auto& [quoi, n] : nombres)
        if (n && (*n < 1 || *n > 9))
            return std::string(quoi) + " doit aller de 1 à 9.";
    if (autre && !autre->date_complete())
        return std::string("L'autre personne n'a pas de date de naissance complète.");
    if (auto refus = verifier_plage(t, plage))
        return refus;
    if (autre)
        return verifier_plage(*autre, plage);
    return std::nullopt;
}

std::vector<JourTrouve> trouver_jours(const Theme& t, const Theme* autre, const JourCherche& c,
                                      const Plage& plage) {
    std::vector<JourTrouve> r;
    const auto naissance = [](const Theme& x) {
        return sys_days{Date{year{static_cast<int>(x.annee)}, month{static_cast<unsigned>(x.mois)},
                             day{static_cast<unsigned>(x.jour)}}};
    };
    sys_days debut{plage.du};
    for (const Theme* x : {&t, autre})
        if (x && naissance(*x) > debut)
            debut = naissance(*x);
    for (sys_days d = debut; d <= sys_days{plage.au}; d += days{1}) {
        const Date date{d};
        const auto annee = static_cast<Nombre>(static_cast<int>(date.year()));
        const int mois = static_cast<int>(static_cast<unsigned>(date.month()));
        const int jour = static_cast<int>(static_cast<unsigned>(date.day()));
        const JourPersonnel premiere = jour_personnel(t, annee, mois, jour);
        if (!convient(premiere, c))
            continue;
        std::optional<JourPersonnel> seconde;
        if (autre) {
            seconde = jour_personnel(*autre, annee, mois, jour);
            if (!convient(*seconde, c))
                continue;
        }
        r.push_back({date, premiere, seconde});
    }
    return r;
}

std::string date_courte(const Date& d) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%02u/%02u/%04d", static_cast<unsigned>(d.day()),
                  static_cast<unsigned>(d.month()), static_cast<int>(d.year()));
    return tampon;
}

std::string note_jour_choisi(std::string_view objet, const Date& date, Nombre jour_personnel) {
    return "Jour choisi pour " + std::string(objet) + "\u00a0: " + date_courte(date) +
           ", jour personnel " + std::to_string(jour_personnel);
}

} // namespace kalder
