#include "calendrier/ics.hpp"

#include "calendrier/sens.hpp"
#include "repertoire/fichier_choisi.hpp"

#include <cstdint>
#include <cstdio>

namespace kalder {

namespace {

using namespace std::chrono;

constexpr std::size_t octets_par_ligne = 75;

// FNV-1a: the same person gives the same UIDs in every export and on every
// system.
std::uint64_t empreinte(std::string_view texte) {
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : texte) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::string empreinte_personne(const Theme& t) {
    const std::string cle = t.prenom + '\x1f' + t.nom + '\x1f' + std::to_string(t.jour) + '/' +
                            std::to_string(t.mois) + '/' + std::to_string(t.annee);
    char tampon[20];
    std::snprintf(tampon, sizeof tampon, "%016llx",
                  static_cast<unsigned long long>(empreinte(cle)));
    return tampon;
}

std::string date_ics(const Date& d) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%04d%02u%02u", static_cast<int>(d.year()),
                  static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
    return tampon;
}

std::string horodatage_ics(sys_seconds instant) {
    const auto jour = floor<days>(instant);
    const year_month_day d{jour};
    const hh_mm_ss heure{instant - jour};
    char tampon[24];
    std::snprintf(tampon, sizeof tampon, "%sT%02ld%02ld%02ldZ", date_ics(d).c_str(),
                  static_cast<long>(heure.hours().count()),
                  static_cast<long>(heure.minutes().count()),
                  static_cast<long>(heure.seconds().count()));
    return tampon;
}

void ecrire_evenement(std::string& r, const EvenementIcs& e, const std::string& horodatage) {
    const Date lendemain{sys_days{e.au} + days{1}};
    r += "BEGIN:VEVENT\r\n";
    r += ligne_ics("UID:" + e.uid);
    r += "DTSTAMP:" + horodatage + "\r\n";
    r += "DTSTART;VALUE=DATE:" + date_ics(e.du) + "\r\n";
    // A date has four digits of year: an event that ends on 31/12/9999 says
    // how many days it lasts rather than the day after its end.
    if (lendemain.year() <= year{annee_calendrier_max})
        r += "DTEND;VALUE=DATE:" + date_ics(lendemain) + "\r\n";
    else
        r +=
            "DURATION:P" + std::to_string((sys_days{lendemain} - sys_days{e.du}).count()) + "D\r\n";
    r += ligne_ics("SUMMARY:" + texte_ics(e.resume));
    r += ligne_ics("DESCRIPTION:" + texte_ics(e.description));
    r += "TRANSP:TRANSPARENT\r\n";
    r += "END:VEVENT\r\n";
}

} // namespace

std::string texte_ics(std::string_view texte) {
    std::string r;
    r.reserve(texte.size() + 8);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        switch (c) {
        case '\\':
        case ';':
        case ',':
            r += '\\';
            r += c;
            break;
        case '\r':
            if (i + 1 < texte.size() && texte[i + 1] == '\n')
                ++i;
            r += "\\n";
            break;
        case '\n':
            r += "\\n";
            break;
        default:
            r += c;
        }
    }
    return r;
}

std::string ligne_ics(std::string_view ligne) {
    std::string r;
    r.reserve(ligne.size() + ligne.size() / 70 * 3 + 2);
    std::size_t debut = 0;
    std::size_t place = octets_par_ligne; // the first line has no leading blank
    while (ligne.size() - debut > place) {
        std::size_t coupe = debut + place;
        // Never inside a character: back to the first byte of the one cut.
        while (coupe > debut && (static_cast<unsigned char>(ligne[coupe]) & 0xC0) == 0x80)
            --coupe;
        r.append(ligne, debut, coupe - debut);
        r += "\r\n ";
        debut = coupe;
        place = octets_par_ligne - 1;
    }
    r.append(ligne, debut);
    r += "\r\n";
    return r;
}

std::string resume_ics(std::string_view genre, Echelle echelle, Nombre valeur) {
    std::string r(genre);
    r += ' ';
    r += std::to_string(valeur);
    const std::string_view sens = sens_personnel(echelle, valeur);
    if (!sens.empty()) {
        r += " — ";
        r += sens;
    }
    return r;
}

std::string uid_ics(std::string_view genre, const Date& date, const Theme& t) {
    return std::string(genre) + '-' + date_ics(date) + '-' + empreinte_personne(t) + "@kalder";
}

std::string ecrire_agenda(std::string_view nom, std::span<const EvenementIcs> evenements,
                          sys_seconds maintenant) {
    const std::string horodatage = horodatage_ics(maintenant);
    std::string r;
    r.reserve(evenements.size() * 420 + 300);
    r += "BEGIN:VCALENDAR\r\n";
    r += "VERSION:2.0\r\n";
    r += ligne_ics("PRODID:" + std::string(prodid_kalder));
    r += "CALSCALE:GREGORIAN\r\n";
    r += ligne_ics("X-WR-CALNAME:" + texte_ics(nom));
    for (const EvenementIcs& e : evenements)
        ecrire_evenement(r, e, horodatage);
    r += "END:VCALENDAR\r\n";
    return r;
}

std::vector<EvenementIcs> evenements_ics(const Theme& t, std::span<const JourCalendrier> jours) {
    const std::string signature = "\n" + nom_de_la_personne(t);
    std::vector<EvenementIcs> r;
    r.reserve(jours.size() + jours.size() / 28 + 4);
    for (std::size_t i = 0; i < jours.size(); ++i) {
        const JourCalendrier& j = jours[i];
        const int annee = static_cast<int>(j.date.year());
        const int mois = static_cast<int>(static_cast<unsigned>(j.date.month()));
        const bool nouvelle_annee = i == 0 || jours[i - 1].date.year() != j.date.year();
        const bool nouveau_mois = nouvelle_annee || jours[i - 1].date.month() != j.date.month();
        // The year and the month span their days within the range; their UIDs
        // name their first day, wherever the range starts.
        const auto dernier = [&](auto meme) {
            std::size_t k = i;
            while (k + 1 < jours.size() && meme(jours[k + 1]))
                ++k;
            return jours[k].date;
        };
        if (nouvelle_annee)
            r.push_back(
                {uid_ics("annee", plage_annee(annee).du, t), j.date,
                 dernier([&](const JourCalendrier& x) { return x.date.year() == j.date.year(); }),
                 resume_ics("Année personnelle", Echelle::annee, j.annee_personnelle),
                 expliquer_annee_du_calendrier(t, annee) + signature});
        if (nouveau_mois)
            r.push_back({uid_ics("mois", plage_mois(annee, mois).du, t), j.date,
                         dernier([&](const JourCalendrier& x) {
                             return x.date.year() == j.date.year() &&
                                    x.date.month() == j.date.month();
                         }),
                         resume_ics("Mois personnel", Echelle::mois, j.mois_personnel),
                         expliquer_mois_du_calendrier(t, annee, mois) + signature});
        r.push_back({uid_ics("jour", j.date, t), j.date, j.date,
                     resume_ics("Jour personnel", Echelle::jour, j.jour_personnel),
                     j.explication + signature});
    }
    return r;
}

std::string ecrire_ics(const Theme& t, std::span<const JourCalendrier> jours,
                       sys_seconds maintenant) {
    return ecrire_agenda("Jours personnels — " + nom_de_la_personne(t), evenements_ics(t, jours),
                         maintenant);
}

std::optional<std::string> exporter_ics(const std::filesystem::path& chemin, const Theme& t,
                                        const Plage& plage, sys_seconds maintenant,
                                        const Theme* autre) {
    if (auto refus = verifier_plage(t, plage))
        return refus;
    if (!autre)
        return ecrire_fichier_agenda(chemin, ecrire_ics(t, jours_personnels(t, plage), maintenant));
    if (auto refus = verifier_plage(*autre, plage))
        return refus;
    auto evenements = evenements_ics(t, jours_personnels(t, plage));
    const auto siens = evenements_ics(*autre, jours_personnels(*autre, plage));
    evenements.insert(evenements.end(), siens.begin(), siens.end());
    return ecrire_fichier_agenda(chemin,
                                 ecrire_agenda("Jours personnels — " + nom_de_la_personne(t) +
                                                   " et " + nom_de_la_personne(*autre),
                                               evenements, maintenant));
}

std::optional<std::string> ecrire_fichier_agenda(const std::filesystem::path& chemin,
                                                 const std::string& texte) {
    if (auto echec = ecrire_fichier_choisi(chemin, texte, EnPlace::accepte))
        return "Le fichier d'agenda n'a pas pu être écrit\u00a0: " +
               expliquer_echec_fichier_choisi(chemin, *echec) + ".";
    return std::nullopt;
}

} // namespace kalder
