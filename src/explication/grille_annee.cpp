// How the forecast grid of "Cycles" was reached, for the year it shows.
#include "explication/contexte.hpp"
#include "explication/redaction.hpp"

#include "annee/calculer_annee.hpp"
#include "annee/parts_annee.hpp"
#include "modele/theme_calcule.hpp"
#include "noyau/lettres_nom.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"

#include <cstdlib>

namespace kalder::explication {

namespace {

// "1re", "12e".
std::string rang(Nombre n) {
    return nombre(n) + (n == 1 ? "re" : "e");
}

// A theme without a birth date still fills some rows of the grid with 0.
bool sans_date(const Contexte& c) {
    return c.theme.jour == 0 && c.theme.mois == 0 && c.theme.annee == 0;
}

const std::string& base_semaines(const Contexte& c) {
    if (c.base_semaines.empty()) {
        const SemainesMois s = semaines_mois(c.theme, c.etat.origines.annee_grille, 1);
        c.base_semaines = "base (année + mois + jour) " + chaine(s.base_brute, Forme::apogee);
    }
    return c.base_semaines;
}

} // namespace

std::string expliquer_annee_personnelle(const Contexte& c) {
    return somme_ecrite(somme_annee_personnelle(c.theme, c.etat.origines.annee_grille),
                        Forme::chiffre);
}

std::string expliquer_lettre_passage(const Contexte& c) {
    const Theme& t = c.theme;
    const Nombre y = c.etat.origines.annee_grille;
    const auto p = lettre_passage(c.complet, t.annee, y);
    if (!p)
        return {};
    const auto nombre_lettres = static_cast<Nombre>(p->lettres.size());
    const bool un_prenom = t.prenom.find(' ') == std::string::npos;
    std::string r = "Année " + nombre(y) + " − naissance " + nombre(t.annee) + " + 1" + egal +
                    rang(p->rang) + " année" + point_virgule +
                    (un_prenom ? "lettres du prénom et du nom " : "lettres des prénoms et du nom ");
    if (p->lettres.size() <= 40)
        r += encoder_utf8(p->lettres) + " ";
    r += "(" + nombre(nombre_lettres) + ")" + point_virgule + "reste de la division de " +
         nombre(p->rang) + " par " + nombre(nombre_lettres) + egal + nombre(p->reste);
    r += p->reste == 0 ? ", 0 désigne la dernière lettre" + deux_points
                       : point_virgule + rang(p->reste) + " lettre" + deux_points;
    return r + encoder_utf8(std::u32string(1, p->lettre));
}

std::string expliquer_mois_personnel(const Contexte& c, int mois) {
    // The personal year as the grid holds it.
    return somme_ecrite(somme_mois_personnel(c.etat.annee_personnelle.valeur(), mois),
                        Forme::chiffre);
}

std::string expliquer_cycle_mensuel(const Contexte& c, int mois) {
    const Theme& t = c.theme;
    const int depart = mois_depart(t);
    if (depart == 0)
        return {};
    const Nombre y = c.etat.origines.annee_grille;
    const CycleMensuel cm = cycle_mensuel(t, y);
    const std::string jour = std::to_string(dernier_jour_depart_naissance);
    const std::string debut =
        "Cycle mensuel commencé en " + nom_mois_minuscule(depart) +
        (depart_au_mois_de_naissance(t)
             ? " (mois de naissance, pour une naissance le " + jour + " ou avant), "
             : " (mois qui suit la naissance, pour une naissance après le " + jour + "), ");
    switch (tiers_du_cycle(mois, depart)) {
    case 0:
        return debut + "4" + insecable + "premiers mois" + deux_points + "année de naissance " +
               reduction(t.annee, Forme::chiffre);
    case 1:
        return debut + "4" + insecable + "mois suivants" + deux_points + "chemin de vie " +
               chaine(cm.chemin_brut, Forme::chiffre) + point_virgule + "|" + nombre(y) + " − " +
               nombre(cm.chemin) + "|" + egal + reduction(cm.ecart, Forme::chiffre);
    case 2:
        return debut + "4 derniers mois" + deux_points + "valeur des 4 premiers " +
               nombre(cm.annee_reduite) + " + valeur des 4 suivants " + nombre(cm.ecart_reduit) +
               egal + reduction(cm.annee_reduite + cm.ecart_reduit, Forme::chiffre);
    }
    return {};
}

std::string expliquer_essence(const Contexte& c, int mois) {
    if (sans_date(c))
        return std::string(date_absente) + deux_points + "0";
    // Both values as the grid holds them.
    return somme_ecrite(somme_essence(c.etat.cym[mois].valeur(), c.etat.Toi[mois].valeur()),
                        Forme::maitre_nu);
}

std::string expliquer_apogee_annee(const Contexte& c, int trimestre) {
    if (sans_date(c))
        return std::string(date_absente) + deux_points + "0";
    const Nombre y = c.etat.origines.annee_grille;
    const ApogeesAnnee a = apogees_annee(c.theme, y);
    const auto brut = a.bruts[static_cast<std::size_t>(trimestre - 1)];
    switch (trimestre) {
    case 1:
        return "Année " + chaine(y, Forme::apogee) + ", (mois + jour) " +
               chaine(a.naissance, Forme::apogee) + deux_points + nombre(a.annee_99) + " + " +
               nombre(a.naissance_99) + egal + reduction(brut, Forme::apogee);
    case 2:
        return "(Année + mois + jour) " + chaine(a.annee_naissance, Forme::apogee) +
               ", (mois + jour) " + chaine(a.naissance, Forme::apogee) + deux_points +
               nombre(a.annee_naissance_99) + " + " + nombre(a.naissance_99) + egal +
               reduction(brut, Forme::apogee);
    case 3:
        return "Apogées 1 et 2" + deux_points + nombre(a.apogees[0]) + " + " +
               nombre(a.apogees[1]) + egal + reduction(brut, Forme::apogee);
    case 4:
        return "(Année + mois + jour) " + chaine(a.annee_naissance, Forme::apogee) + ", année " +
               chaine(y, Forme::apogee) + deux_points + nombre(a.annee_naissance_99) + " + " +
               nombre(a.annee_99) + egal + reduction(brut, Forme::apogee);
    }
    return {};
}

std::string expliquer_lecon(const Contexte& c, int trimestre) {
    if (sans_date(c))
        return std::string(date_absente) + deux_points + "0";
    const Theme& t = c.theme;
    const Nombre y = c.etat.origines.annee_grille;
    const ApogeesAnnee a = apogees_annee(t, y);
    // The second and fourth lessons follow the first and the third.
    if (trimestre == 1 || trimestre == 2)
        return "|Année " + nombre(y) + " − jour " + nombre(t.jour) + " − mois " + nombre(t.mois) +
               "|" + egal + reduction(a.ecart_lecon1, Forme::chiffre);
    return "(Année + mois + jour) " + chaine(a.annee_naissance, Forme::chiffre) + point_virgule +
           "|(mois + jour) " + nombre(a.naissance) + " − " + nombre(a.annee_naissance_reduite) +
           "|" + egal + reduction(a.ecart_lecon3, Forme::chiffre);
}

std::string expliquer_periode(const Contexte& c, int mois) {
    const Theme& t = c.theme;
    for (const PeriodeMois& p : periodes_52(t)) {
        if (p.mois != mois)
            continue;
        const Nombre premier = p.debut < 0 ? 1 : p.debut + 1;
        const Nombre debut_periode = 52 * (p.periode - 1) + 1, fin_periode = 52 * p.periode;
        // "surtout" only for a month that spills over its period.
        const bool dedans = premier >= debut_periode && p.fin <= fin_periode;
        std::string r = "Périodes de 52" + insecable + "jours depuis le ";
        r += nombre(t.jour) + "/" + nombre(t.mois);
        r += " (mois comptés à 30" + insecable + "jours)";
        r += deux_points;
        r += nom_mois_minuscule(mois) + " (jours " + nombre(premier) + " à " + nombre(p.fin);
        r += ") tombe ";
        r += dedans ? "" : "surtout ";
        r += "dans les jours " + nombre(debut_periode) + " à " + nombre(fin_periode);
        r += ", soit la période" + insecable + nombre(p.periode);
        return r;
    }
    return {};
}

std::string expliquer_profection(const Contexte& c, int mois) {
    const Theme& t = c.theme;
    const int depart = mois_depart(t);
    const Nombre y = c.etat.origines.annee_grille;
    const Profection p = profection(t.annee, y);
    std::string r = "|" + nombre(y) + " − " + nombre(t.annee) + "|" + egal + nombre(p.ecart) +
                    point_virgule + "reste de la division de " + nombre(p.ecart) + " par 12" +
                    egal + nombre(p.reste) + point_virgule;
    // "de mars à décembre", or "en décembre" for a single month.
    const auto mois_de = [](int premier, int dernier) {
        return premier == dernier ? "en " + nom_mois_minuscule(premier)
                                  : du_mois(premier) + " à " + nom_mois_minuscule(dernier);
    };
    if (mois >= depart)
        return r + mois_de(depart, 12) + deux_points + nombre(p.reste) + " + 1" + egal +
               nombre(p.valeur(mois, depart));
    r += mois_de(1, depart - 1) + deux_points;
    return p.reste == 0 ? r + "0 compte pour 12" : r + nombre(p.valeur(mois, depart));
}

namespace {

// "base + mois m = total", inside weeks 2 and 4 and their challenges.
std::string base_plus_mois(const SemainesMois& s, int m) {
    return nombre(s.base) + " + mois" + insecable + nombre(m) + egal +
           chaine(s.apogee_brut(1, m), Forme::apogee);
}

// What every explanation of the week grid starts from: the week row and month
// of a slot, their parts and the pieces of text the sentences share.
struct SemaineDuMois {
    int semaine;
    int m;
    SemainesMois s;
    Nombre b;                // the base
    const std::string& base; // how the base was reached
    std::string plus_mois;   // "base + mois m = total"
};

SemaineDuMois semaine_du_mois(const Contexte& c, int i) {
    const int m = (i - 1) % nombre_mois + 1;
    const SemainesMois s = semaines_mois(c.theme, c.etat.origines.annee_grille, m);
    return {(i - 1) / nombre_mois + 1, m, s, s.base, base_semaines(c), base_plus_mois(s, m)};
}

} // namespace

std::string expliquer_semaine(const Contexte& c, int i) {
    const auto& [semaine, m, s, b, base, plus_mois] = semaine_du_mois(c, i);
    switch (semaine) {
    case 1:
        return "Semaine 1, " + base + point_virgule + nombre(b) + " + mois" + insecable +
               nombre(m) + egal + reduction(s.apogee_brut(1, m), Forme::apogee);
    case 2:
        return "Semaine 2, " + base + point_virgule + nombre(b) + " + (" + plus_mois + ")" + egal +
               reduction(s.apogee_brut(2, m), Forme::apogee);
    case 3: {
        const Semaine3 lue = semaine3_lue(c.etat, m);
        return "Semaine 3, apogées des semaines 2 et 1" + deux_points + nombre(lue.semaine2) +
               " + " + nombre(lue.semaine1) + egal + reduction(lue.apogee_brut(), Forme::apogee);
    }
    case 4:
        return "Semaine 4, " + base + point_virgule + "mois" + insecable + nombre(m) + " + (" +
               plus_mois + ")" + egal + reduction(s.apogee_brut(4, m), Forme::apogee);
    }
    return {};
}

std::string expliquer_defi_semaine(const Contexte& c, int i) {
    const auto& [semaine, m, s, b, base, plus_mois] = semaine_du_mois(c, i);
    switch (semaine) {
    case 1:
        return "Défi de la semaine 1, " + base + point_virgule + "|mois" + insecable + nombre(m) +
               " − " + nombre(b) + "|" + egal + reduction(s.defi_brut(1, m), Forme::chiffre);
    case 2:
        return "Défi de la semaine 2, " + base + point_virgule + "|" + nombre(b) + " − (" +
               plus_mois + ")|" + egal + reduction(s.defi_brut(2, m), Forme::chiffre);
    case 3: {
        const Semaine3 lue = semaine3_lue(c.etat, m);
        return "Défi de la semaine 3, défis des semaines 1 et 2" + deux_points + "|" +
               nombre(lue.defi1) + " − " + nombre(lue.defi2) + "|" + egal +
               reduction(lue.defi_brut(), Forme::chiffre);
    }
    case 4:
        return "Défi de la semaine 4, " + base + point_virgule + "|mois" + insecable + nombre(m) +
               " − (" + plus_mois + ")|" + egal + reduction(s.defi_brut(4, m), Forme::chiffre);
    }
    return {};
}

} // namespace kalder::explication
