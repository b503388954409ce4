#include "cli/calendrier_cli.hpp"

#include "calendrier/calendrier.hpp"
#include "calendrier/ics.hpp"
#include "calendrier/sens.hpp"
#include "cli/resume.hpp"
#include "cli/saisie_cli.hpp"
#include "cli/trouver_cli.hpp"
#include "noyau/elision.hpp"
#include "noyau/utf8.hpp"

#include <iostream>
#include <variant>

namespace kalder::cli {

namespace {

using namespace std::chrono;

constexpr std::string_view entetes_semaine = "  lun.   mar.   mer.   jeu.   ven.   sam.   dim.";

int refus(const std::string& message) {
    std::cerr << "Erreur\u00a0: " << message << '\n';
    return sortie_erreur_saisie;
}

// "2027" or "2027-03"; nullopt when malformed or out of 1 to 9999.
std::optional<Plage> plage_demandee(const std::string& texte) {
    if (texte.size() == 4) {
        if (const auto d = lire_date(texte + "-01-01"); d && static_cast<int>(d->year()) >= 1)
            return plage_annee(static_cast<int>(d->year()));
    } else if (texte.size() == 7) {
        if (const auto d = lire_date(texte + "-01"); d && static_cast<int>(d->year()) >= 1)
            return plage_mois(static_cast<int>(d->year()),
                              static_cast<int>(static_cast<unsigned>(d->month())));
    }
    return std::nullopt;
}

std::string_view chiffre(Nombre n) {
    static constexpr std::string_view chiffres[] = {"0", "1", "2", "3", "4",
                                                    "5", "6", "7", "8", "9"};
    return n >= 0 && n <= 9 ? chiffres[n] : "?";
}

// One month of `jours` (all of the same month) as a grid, Monday first:
// each day "14·4", the date and its personal day; a day before the birth
// keeps its date alone.
void grille_mois(std::string& r, std::span<const JourCalendrier> jours) {
    const Date premier = jours.front().date;
    const int mois = static_cast<int>(static_cast<unsigned>(premier.month()));
    r += std::string(noms_mois[static_cast<std::size_t>(mois - 1)]) + " " +
         std::to_string(static_cast<int>(premier.year()));
    r += " — année personnelle " + std::string(chiffre(jours.front().annee_personnelle)) +
         ", mois personnel " + std::string(chiffre(jours.front().mois_personnel)) + "\n";
    r += entetes_semaine;
    r += "\n";
    const Date debut{premier.year() / premier.month() / 1};
    const auto dernier = static_cast<unsigned>(Date{premier.year() / premier.month() / last}.day());
    unsigned colonne = (weekday{sys_days{debut}}.iso_encoding() + 6) % 7;
    for (unsigned c = 0; c < colonne; ++c)
        r += c == 0 ? "      " : "       ";
    std::size_t i = 0;
    for (unsigned jour = 1; jour <= dernier; ++jour) {
        r += colonne == 0 ? "  " : "   ";
        r += (jour < 10 ? " " : "") + std::to_string(jour);
        if (i < jours.size() && static_cast<unsigned>(jours[i].date.day()) == jour) {
            r += "·";
            r += chiffre(jours[i++].jour_personnel);
        } else {
            r += "  ";
        }
        if (++colonne == 7) {
            r += "\n";
            colonne = 0;
        }
    }
    if (colonne != 0)
        r += "\n";
}

// "Mois personnel 2 : Associations créées ou se terminant."
std::string ligne_sens(std::string_view genre, Echelle echelle, Nombre valeur) {
    return std::string(genre) + " " + std::to_string(valeur) +
           "\u00a0: " + std::string(sens_personnel(echelle, valeur)) + "\n";
}

std::string texte_calendrier(const Theme& t, const std::vector<JourCalendrier>& jours) {
    std::string r =
        "Jours personnels " + de(nom_de_la_personne(t)) + " (jour du mois·jour personnel)\n";
    std::size_t debut = 0;
    while (debut < jours.size()) {
        std::size_t fin = debut;
        while (fin < jours.size() && jours[fin].date.month() == jours[debut].date.month())
            ++fin;
        r += "\n";
        grille_mois(r, std::span(jours).subspan(debut, fin - debut));
        const JourCalendrier& premier = jours[debut];
        if (debut == 0 || jours[debut - 1].date.year() != premier.date.year())
            r += ligne_sens("Année personnelle", Echelle::annee, premier.annee_personnelle);
        r += ligne_sens("Mois personnel", Echelle::mois, premier.mois_personnel);
        debut = fin;
    }
    if (!jours.empty()) {
        r += "\nSens des jours personnels\u00a0:\n";
        for (Nombre n = 1; n <= 9; ++n)
            r += "  " + std::to_string(n) + " " + std::string(sens_jour_personnel(n)) + "\n";
    }
    return r;
}

void chaine_json(std::string& out, std::string_view texte) {
    out += '"';
    for (char32_t c : decoder_utf8(texte)) {
        if (c == U'"' || c == U'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += ' ';
        } else {
            ajouter_utf8(out, c);
        }
    }
    out += '"';
}

std::string json_calendrier(const std::vector<JourCalendrier>& jours, bool explications) {
    std::string r = "{\"jours\": [";
    for (std::size_t i = 0; i < jours.size(); ++i) {
        const JourCalendrier& j = jours[i];
        r += i ? ",\n  " : "\n  ";
        r += "{\"date\": \"" + texte_date(j.date) + "\", \"jour_personnel\": \"";
        r += chiffre(j.jour_personnel);
        r += "\", \"mois_personnel\": \"";
        r += chiffre(j.mois_personnel);
        r += "\", \"sens\": ";
        chaine_json(r, sens_jour_personnel(j.jour_personnel));
        if (explications) {
            r += ", \"explication\": ";
            chaine_json(r, j.explication);
        }
        r += '}';
    }
    r += jours.empty() ? "]}\n" : "\n]}\n";
    return r;
}

// --du and --au: a missing end is the last day of the start's year, a missing
// start the first day of the end's year; neither: the year of calculation.
// The exit status of a usage error when one is malformed.
std::variant<Plage, int> plage_du_au(const ThemeCalcule& etat, const Options& o) {
    std::optional<Date> du;
    std::optional<Date> au;
    for (const auto& [nom, date] : {std::pair{"du", &du}, std::pair{"au", &au}}) {
        const auto texte = o.valeur(nom);
        if (!texte)
            continue;
        *date = lire_date(*texte);
        if (!*date)
            return erreur_usage("--" + std::string(nom) +
                                " attend une date AAAA-MM-JJ qui existe\u202f: «\u202f" + *texte +
                                "\u202f»");
    }
    Plage plage = plage_annee(static_cast<int>(etat.origines.annee_grille));
    if (du)
        plage = {*du, Date{du->year() / December / 31}};
    if (au)
        plage = {du ? *du : Date{au->year() / January / 1}, *au};
    return plage;
}

int ecrire_ics(const ThemeCalcule& etat, const Plage& plage, const Options& o,
               sys_seconds maintenant) {
    const Theme& t = etat.origines.theme;
    if (!t.date_complete())
        return refus(std::string(message_sans_date));
    if (auto erreur = exporter_ics(std::filesystem::u8path(*o.valeur("ics")), t, plage, maintenant))
        return refus(*erreur);
    return 0;
}

} // namespace

bool calendrier_demande(const Options& o) {
    return o.a("ics") || o.a("calendrier") || o.a("trouver-jour");
}

int calendrier(const ThemeCalcule& etat, const Options& o, sys_seconds maintenant) {
    if (o.a("ics") + o.a("calendrier") + o.a("trouver-jour") > 1)
        return erreur_usage(o.a("trouver-jour") ? "--ics, --calendrier et --trouver-jour s'excluent"
                                                : "--ics et --calendrier s'excluent");
    if ((o.a("du") || o.a("au")) && !o.a("ics") && !o.a("trouver-jour"))
        return erreur_usage("--du et --au vont avec --ics ou --trouver-jour");
    for (const char* option : {"mois-personnel", "annee-personnelle", "avec"})
        if (o.a(option) && !o.a("trouver-jour"))
            return erreur_usage("--" + std::string(option) + " va avec --trouver-jour");
    if (o.a("ics") || o.a("trouver-jour")) {
        const auto plage = plage_du_au(etat, o);
        if (const int* statut = std::get_if<int>(&plage))
            return *statut;
        const Plage& p = std::get<Plage>(plage);
        return o.a("ics") ? ecrire_ics(etat, p, o, maintenant)
                          : trouver_jour(etat.origines.theme, o, p);
    }
    const std::string texte = *o.valeur("calendrier");
    const auto plage = plage_demandee(texte);
    if (!plage)
        return erreur_usage("--calendrier attend une année AAAA ou un mois AAAA-MM, l'année sur "
                            "quatre chiffres, de 0001 à 9999\u202f: «\u202f" +
                            texte + "\u202f»");
    const Theme& t = etat.origines.theme;
    if (auto erreur = verifier_plage(t, *plage))
        return refus(*erreur);
    const auto jours = jours_personnels(t, *plage, o.explications);
    std::cout << (o.json ? json_calendrier(jours, o.explications) : texte_calendrier(t, jours));
    return 0;
}

} // namespace kalder::cli
