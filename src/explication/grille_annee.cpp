// How the forecast grid of "Cycles" was reached, for the year it shows.
#include "explication/contexte.hpp"
#include "explication/redaction.hpp"

#include "annee/calculer_annee.hpp"
#include "modele/etat_fenetre.hpp"
#include "noyau/lettres_nom.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"

#include <cstdlib>

namespace kalder::explication {

namespace {

std::string nom_mois(int m) {
    return std::string(noms_mois[static_cast<std::size_t>(m - 1)]);
}

const std::string& base_semaines(const Contexte& c) {
    if (c.base_semaines.empty()) {
        const Theme& t = c.theme;
        c.base_semaines = "base année + mois + jour " +
                          chaine(c.etat.origines.annee_grille + t.mois + t.jour, Forme::apogee);
    }
    return c.base_semaines;
}

} // namespace

std::string expliquer_annee_personnelle(const Contexte& c) {
    const Theme& t = c.theme;
    const Nombre y = c.etat.origines.annee_grille;
    return "Année " + nombre(y) + " + mois " + nombre(t.mois) + " + jour " + nombre(t.jour) +
           " = " + reduction(y + t.mois + t.jour, Forme::chiffre);
}

std::string expliquer_lettre_passage(const Contexte& c) {
    const Theme& t = c.theme;
    const Nombre y = c.etat.origines.annee_grille;
    const std::u32string lettres = lettres_pliees(c.complet);
    const Nombre rang = y - t.annee + 1;
    const auto nombre_lettres = static_cast<Nombre>(lettres.size());
    if (rang <= 0 || nombre_lettres == 0)
        return {};
    const Nombre k = rang % nombre_lettres;
    std::string r = "Année " + nombre(y) + " − naissance " + nombre(t.annee) +
                    " + 1 = " + nombre(rang) + "e année ; lettres du nom ";
    if (lettres.size() <= 40)
        r += encoder_utf8(lettres) + " ";
    r += "(" + nombre(nombre_lettres) + ") : " + nombre(rang) + " mod " + nombre(nombre_lettres) +
         " = " + nombre(k);
    const char32_t lettre = k == 0 ? lettres.back() : lettres[static_cast<std::size_t>(k - 1)];
    r += k == 0 ? " → dernière lettre : " : " → " + nombre(k) + "e lettre : ";
    return r + encoder_utf8(std::u32string(1, lettre));
}

std::string expliquer_mois_personnel(const Contexte& c, int mois) {
    // The personal year is read back from its slot, as the grid does.
    const Nombre annee = lire_debut_nombre(c.etat.annee_personnelle.texte);
    return "Année personnelle " + nombre(annee) + " + mois " + nombre(mois) + " = " +
           reduction(annee + mois, Forme::chiffre);
}

std::string expliquer_cycle_mensuel(const Contexte& c, int mois) {
    const Theme& t = c.theme;
    const int depart = mois_depart(t);
    if (depart == 0)
        return {};
    const Nombre y = c.etat.origines.annee_grille;
    const Nombre a = reduire(t.annee);
    const Nombre chemin = reduire(t.jour + t.mois + t.annee);
    const Nombre b = reduire(std::llabs(y - chemin));
    const int rang = (mois - depart + 12) % 12;
    const std::string debut = "Cycle mensuel commencé en " + nom_mois(depart) + ", ";
    switch (rang / 4) {
    case 0:
        return debut + "4 premiers mois : année de naissance " + reduction(t.annee, Forme::chiffre);
    case 1:
        return debut + "4 mois suivants : chemin de vie " +
               chaine(t.jour + t.mois + t.annee, Forme::chiffre) + " ; |" + nombre(y) + " − " +
               nombre(chemin) + "| = " + reduction(std::llabs(y - chemin), Forme::chiffre);
    default:
        return debut + "4 derniers mois : " + nombre(a) + " + " + nombre(b) + " = " +
               reduction(a + b, Forme::chiffre);
    }
}

std::string expliquer_essence(const Contexte& c, int mois) {
    // Both values are read back from their slots, as the grid does.
    const Nombre cycle = lire_debut_nombre(c.etat.cym[mois].texte);
    const Nombre personnel = lire_debut_nombre(c.etat.Toi[mois].texte);
    return "Cycle mensuel " + nombre(cycle) + " + mois personnel " + nombre(personnel) + " = " +
           reduction(cycle + personnel, Forme::maitre_nu);
}

std::string expliquer_apogee_annee(const Contexte& c, int trimestre) {
    const Theme& t = c.theme;
    const Nombre y = c.etat.origines.annee_grille;
    const Nombre naissance = t.mois + t.jour;
    const Nombre y99 = reduire_99(y), n99 = reduire_99(naissance), yn99 = reduire_99(y + naissance);
    switch (trimestre) {
    case 1:
        return "Année " + chaine(y, Forme::apogee) + ", mois + jour " +
               chaine(naissance, Forme::apogee) + " : " + nombre(y99) + " + " + nombre(n99) +
               " = " + reduction(y99 + n99, Forme::apogee);
    case 2:
        return "Année + mois + jour " + chaine(y + naissance, Forme::apogee) + ", mois + jour " +
               chaine(naissance, Forme::apogee) + " : " + nombre(yn99) + " + " + nombre(n99) +
               " = " + reduction(yn99 + n99, Forme::apogee);
    case 3: {
        const Nombre a1 = reduire_99(y99 + n99), a2 = reduire_99(yn99 + n99);
        return "Apogées 1 et 2 : " + nombre(a1) + " + " + nombre(a2) + " = " +
               reduction(a1 + a2, Forme::apogee);
    }
    default:
        return "Année + mois + jour " + chaine(y + naissance, Forme::apogee) + ", année " +
               chaine(y, Forme::apogee) + " : " + nombre(yn99) + " + " + nombre(y99) + " = " +
               reduction(yn99 + y99, Forme::apogee);
    }
}

std::string expliquer_lecon(const Contexte& c, int trimestre) {
    const Theme& t = c.theme;
    const Nombre y = c.etat.origines.annee_grille;
    const Nombre naissance = t.mois + t.jour;
    // The second and fourth lessons follow the first and the third.
    if (trimestre == 1 || trimestre == 2)
        return "|Année " + nombre(y) + " − jour " + nombre(t.jour) + " − mois " + nombre(t.mois) +
               "| = " + reduction(std::llabs(y - t.jour - t.mois), Forme::chiffre);
    const Nombre r = reduire(y + naissance);
    return "Année + mois + jour " + chaine(y + naissance, Forme::chiffre) + " ; |mois + jour " +
           nombre(naissance) + " − " + nombre(r) +
           "| = " + reduction(std::llabs(naissance - r), Forme::chiffre);
}

std::string expliquer_periode(const Contexte& c, int mois) {
    const Theme& t = c.theme;
    return "Périodes de 52 jours depuis le " + nombre(t.jour) + "/" + nombre(t.mois) +
           " (mois comptés à 30 jours) : " + nom_mois(mois) + " tombe surtout dans la période " +
           c.etat.periode[mois].texte;
}

std::string expliquer_profection(const Contexte& c, int mois) {
    const Theme& t = c.theme;
    const int depart = mois_depart(t);
    const Nombre y = c.etat.origines.annee_grille;
    const Nombre ecart = std::llabs(y - t.annee);
    const Nombre k = ecart % 12;
    std::string r = "|" + nombre(y) + " − " + nombre(t.annee) + "| = " + nombre(ecart) + " ; " +
                    nombre(ecart) + " mod 12 = " + nombre(k) + " ; ";
    if (mois >= depart)
        return r + "de " + nom_mois(depart) + " à Décembre : " + nombre(k) +
               " + 1 = " + nombre(k + 1);
    r += "de Janvier à " + nom_mois(depart - 1) + " : ";
    return k == 0 ? r + "0 compté 12" : r + nombre(k);
}

namespace {

// The week row and month of a slot of the week grid, with the base of the
// year (year + month + day) and that base plus the month, both reduced.
struct SemaineDuMois {
    int semaine;
    int m;
    Nombre b;
    Nombre tm;
};

SemaineDuMois semaine_du_mois(const Contexte& c, int i) {
    const Theme& t = c.theme;
    const int m = (i - 1) % nombre_mois + 1;
    const Nombre b = reduire_99(c.etat.origines.annee_grille + t.mois + t.jour);
    return {(i - 1) / nombre_mois + 1, m, b, reduire_99(b + m)};
}

} // namespace

std::string expliquer_semaine(const Contexte& c, int i) {
    const auto [semaine, m, b, tm] = semaine_du_mois(c, i);
    const std::string& base = base_semaines(c);
    switch (semaine) {
    case 1:
        return "Semaine 1, " + base + " ; " + nombre(b) + " + mois " + nombre(m) + " = " +
               reduction(b + m, Forme::apogee);
    case 2:
        return "Semaine 2, " + base + " ; " + nombre(b) + " + (" + nombre(b) + " + mois " +
               nombre(m) + " → " + nombre(tm) + ") = " + reduction(b + tm, Forme::apogee);
    case 3: {
        // Read back from the first two weeks, as shown.
        const Nombre x = avant_barre(c.etat.semaine[indice_semaine(2, m)].texte);
        const Nombre y = avant_barre(c.etat.semaine[indice_semaine(1, m)].texte);
        return "Semaine 3 : semaines 2 et 1 lues dans leurs cases : " + nombre(x) + " + " +
               nombre(y) + " = " + reduction(x + y, Forme::apogee);
    }
    default:
        return "Semaine 4, " + base + " ; mois " + nombre(m) + " + (" + nombre(b) + " + mois " +
               nombre(m) + " → " + nombre(tm) + ") = " + reduction(m + tm, Forme::apogee);
    }
}

std::string expliquer_defi_semaine(const Contexte& c, int i) {
    const auto [semaine, m, b, tm] = semaine_du_mois(c, i);
    const std::string& base = base_semaines(c);
    switch (semaine) {
    case 1:
        return "Défi de la semaine 1, " + base + " ; |mois " + nombre(m) + " − " + nombre(b) +
               "| = " + reduction(std::llabs(m - b), Forme::chiffre);
    case 2:
        return "Défi de la semaine 2, " + base + " ; |" + nombre(b) + " − (" + nombre(b) +
               " + mois " + nombre(m) + " → " + nombre(tm) +
               ")| = " + reduction(std::llabs(b - tm), Forme::chiffre);
    case 3: {
        const Nombre x = lire_debut_nombre(c.etat.semdef[indice_semaine(1, m)].texte);
        const Nombre y = lire_debut_nombre(c.etat.semdef[indice_semaine(2, m)].texte);
        return "Défi de la semaine 3 : défis 1 et 2 lus dans leurs cases : |" + nombre(x) + " − " +
               nombre(y) + "| = " + reduction(std::llabs(x - y), Forme::chiffre);
    }
    default:
        return "Défi de la semaine 4, " + base + " ; |mois " + nombre(m) + " − (" + nombre(b) +
               " + mois " + nombre(m) + " → " + nombre(tm) +
               ")| = " + reduction(std::llabs(m - tm), Forme::chiffre);
    }
}

} // namespace kalder::explication
