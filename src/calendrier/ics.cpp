#include "calendrier/ics.hpp"

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

struct Evenement {
    std::string uid;
    Date date;
    std::string resume;
    std::string description;
};

void ecrire_evenement(std::string& r, const Evenement& e, const std::string& horodatage) {
    const std::string debut = date_ics(e.date);
    const Date lendemain{sys_days{e.date} + days{1}};
    r += "BEGIN:VEVENT\r\n";
    r += ligne_ics("UID:" + e.uid);
    r += "DTSTAMP:" + horodatage + "\r\n";
    r += "DTSTART;VALUE=DATE:" + debut + "\r\n";
    // A date has four digits of year: the event of 31/12/9999 goes without
    // its end, which for a date means that one day all the same.
    if (lendemain.year() <= year{annee_calendrier_max})
        r += "DTEND;VALUE=DATE:" + date_ics(lendemain) + "\r\n";
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

std::string ecrire_ics(const Theme& t, std::span<const JourCalendrier> jours,
                       sys_seconds maintenant) {
    const std::string personne = nom_de_la_personne(t);
    const std::string cle = empreinte_personne(t);
    const std::string horodatage = horodatage_ics(maintenant);
    std::string r;
    r.reserve(jours.size() * 420 + 300);
    r += "BEGIN:VCALENDAR\r\n";
    r += "VERSION:2.0\r\n";
    r += ligne_ics("PRODID:" + std::string(prodid_kalder));
    r += "CALSCALE:GREGORIAN\r\n";
    r += ligne_ics("X-WR-CALNAME:" + texte_ics("Jours personnels — " + personne));
    for (const JourCalendrier& j : jours) {
        const std::string date = date_ics(j.date);
        // "jour-20270101-…@kalder": the same person and day give the same UID.
        const auto uid = [&](std::string genre) {
            genre += '-';
            genre += date;
            genre += '-';
            genre += cle;
            genre += "@kalder";
            return genre;
        };
        if (static_cast<unsigned>(j.date.day()) == 1) {
            const int annee = static_cast<int>(j.date.year());
            const int mois = static_cast<int>(static_cast<unsigned>(j.date.month()));
            ecrire_evenement(
                r,
                {uid("mois"), j.date,
                 "Mois personnel " + std::to_string(j.mois_personnel) + " — " + personne,
                 expliquer_mois_du_calendrier(t, annee, mois)},
                horodatage);
        }
        ecrire_evenement(r,
                         {uid("jour"), j.date,
                          "Jour personnel " + std::to_string(j.jour_personnel) + " — " + personne,
                          j.explication},
                         horodatage);
    }
    r += "END:VCALENDAR\r\n";
    return r;
}

std::optional<std::string> exporter_ics(const std::filesystem::path& chemin, const Theme& t,
                                        const Plage& plage, sys_seconds maintenant) {
    if (auto refus = verifier_plage(t, plage))
        return refus;
    const auto jours = jours_personnels(t, plage);
    if (auto echec =
            ecrire_fichier_choisi(chemin, ecrire_ics(t, jours, maintenant), EnPlace::accepte))
        return "Le fichier d'agenda n'a pas pu être écrit\u00a0: " +
               expliquer_echec_fichier_choisi(chemin, *echec) + ".";
    return std::nullopt;
}

} // namespace kalder
