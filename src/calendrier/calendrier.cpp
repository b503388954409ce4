#include "calendrier/calendrier.hpp"

#include "annee/parts_annee.hpp"
#include "explication/redaction.hpp"

#include <charconv>
#include <cstdio>

namespace kalder {

namespace {

using namespace std::chrono;

std::optional<int> entier(std::string_view texte) {
    if (texte.empty())
        return std::nullopt;
    for (char c : texte)
        if (c < '0' || c > '9')
            return std::nullopt;
    int v = 0;
    const auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
    if (ec != std::errc{} || fin != texte.data() + texte.size())
        return std::nullopt;
    return v;
}

bool annee_permise(const Date& d) {
    const int a = static_cast<int>(d.year());
    return a >= annee_calendrier_min && a <= annee_calendrier_max;
}

Date naissance(const Theme& t) {
    return Date{year{static_cast<int>(t.annee)}, month{static_cast<unsigned>(t.mois)},
                day{static_cast<unsigned>(t.jour)}};
}

std::string date_lisible(const Date& d) {
    const auto jour = static_cast<unsigned>(d.day());
    return (jour == 1 ? std::string("1er") : std::to_string(jour)) + " " +
           nom_mois_minuscule(static_cast<int>(static_cast<unsigned>(d.month()))) + " " +
           std::to_string(static_cast<int>(d.year()));
}

} // namespace

Plage plage_annee(int annee) {
    return {year{annee} / January / 1, year{annee} / December / 31};
}

Plage plage_mois(int annee, int mois) {
    const auto m = month{static_cast<unsigned>(mois)};
    return {year{annee} / m / 1, Date{year{annee} / m / last}};
}

std::optional<Date> lire_date(std::string_view texte) {
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-')
        return std::nullopt;
    const auto a = entier(texte.substr(0, 4));
    const auto m = entier(texte.substr(5, 2));
    const auto j = entier(texte.substr(8, 2));
    if (!a || !m || !j)
        return std::nullopt;
    const Date d{year{*a}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*j)}};
    if (!d.ok())
        return std::nullopt;
    return d;
}

std::string texte_date(const Date& d) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%04d-%02u-%02u", static_cast<int>(d.year()),
                  static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
    return tampon;
}

std::optional<std::string> verifier_plage(const Theme& t, const Plage& p) {
    if (!t.date_complete())
        return std::string(message_sans_date);
    for (const Date* d : {&p.du, &p.au})
        if (!d->ok())
            return std::string("Cette date n'existe pas.");
    if (!annee_permise(p.du) || !annee_permise(p.au))
        return "L'année du calendrier doit aller de " + std::to_string(annee_calendrier_min) +
               " à " + std::to_string(annee_calendrier_max) + ".";
    if (sys_days{p.au} < sys_days{p.du})
        return "La fin de la période, le " + date_lisible(p.au) + ", précède son début, le " +
               date_lisible(p.du) + ".";
    if ((sys_days{p.au} - sys_days{p.du}).count() >= jours_au_plus)
        return std::string("La période demandée dépasse vingt ans.");
    const Date ne = naissance(t);
    if (sys_days{p.au} < sys_days{ne})
        return "La période demandée s'achève avant la naissance, le " + date_lisible(ne) + ".";
    return std::nullopt;
}

std::string expliquer_jour_personnel(Nombre mois_personnel, int mois, int jour) {
    const Somme s = somme_jour_personnel(mois_personnel, jour);
    return "Mois personnel " + du_mois(mois) + explication::insecable +
           explication::nombre(mois_personnel) + " + jour" + explication::insecable +
           explication::nombre(jour) + explication::egal +
           explication::reduction(s.total(), explication::Forme::chiffre);
}

std::string expliquer_mois_du_calendrier(const Theme& t, int annee, int mois) {
    const JourPersonnel j = jour_personnel(t, annee, mois, 1);
    return explication::somme_ecrite(somme_mois_personnel(j.annee_personnelle, mois),
                                     explication::Forme::chiffre);
}

std::string expliquer_annee_du_calendrier(const Theme& t, int annee) {
    return explication::somme_ecrite(somme_annee_personnelle(t, annee),
                                     explication::Forme::chiffre);
}

std::vector<JourCalendrier> jours_personnels(const Theme& t, const Plage& p,
                                             bool avec_explications) {
    std::vector<JourCalendrier> jours;
    sys_days debut{p.du};
    const sys_days ne{naissance(t)};
    if (debut < ne)
        debut = ne;
    const sys_days fin{p.au};
    if (fin < debut)
        return jours;
    jours.reserve(static_cast<std::size_t>((fin - debut).count() + 1));
    for (sys_days d = debut; d <= fin; d += days{1}) {
        const Date date{d};
        const int m = static_cast<int>(static_cast<unsigned>(date.month()));
        const int j = static_cast<int>(static_cast<unsigned>(date.day()));
        const JourPersonnel jp = jour_personnel(t, static_cast<int>(date.year()), m, j);
        jours.push_back({date, jp.jour_personnel, jp.mois_personnel, jp.annee_personnelle,
                         avec_explications ? expliquer_jour_personnel(jp.mois_personnel, m, j)
                                           : std::string()});
    }
    return jours;
}

std::string nom_de_la_personne(const Theme& t) {
    if (t.prenom.empty())
        return t.nom;
    if (t.nom.empty())
        return t.prenom;
    return t.prenom + " " + t.nom;
}

} // namespace kalder
