// How the numbers of the tabs "Synthèse", "Détails" and the whole-life panel
// of "Cycles" were reached.
#include "explication/contexte.hpp"
#include "explication/redaction.hpp"

#include "modele/catalogue.hpp"
#include "noyau/lettres.hpp"
#include "noyau/lettres_nom.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"
#include "theme/modes_lettres.hpp"

#include <array>
#include <cstdlib>

namespace kalder::explication {

namespace {

// The letters A..Z that `garder` keeps: "A, J, S".
template <typename Garder> std::string alphabet(Garder garder) {
    std::vector<std::string> l;
    for (char32_t c = U'A'; c <= U'Z'; ++c)
        if (garder(c))
            l.emplace_back(1, static_cast<char>(c));
    return joindre(l, ", ");
}

// "A, N, N = 3", or "aucune = 0".
template <typename Garder> std::string compte(std::u32string_view texte, Garder garder) {
    std::vector<std::string> l;
    for (char32_t c : texte)
        if (garder(c))
            l.push_back(lettre_affichee(c));
    if (l.empty())
        return "aucune = 0";
    return joindre(l, ", ") + " = " + nombre(static_cast<Nombre>(l.size()));
}

std::string voyelles(const Contexte& c) {
    return "Voyelles : " + termes_voyelles(c.complet) + " = " +
           reduction(c.theme.elan_brut, Forme::maitre);
}
std::string consonnes(const Contexte& c) {
    return "Consonnes : " + termes_consonnes(c.complet) + " = " +
           reduction(c.theme.moi_intime_brut, Forme::maitre);
}
std::string expression(const Contexte& c) {
    return "Toutes les lettres : " + termes_lettres(c.complet) + " = " +
           reduction(c.theme.expression_brut, Forme::maitre);
}

std::string mission(const Contexte& c) {
    const Theme& t = c.theme;
    return "Mois " + nombre(t.mois) + " + jour " + nombre(t.jour) + " = " +
           reduction(t.mois + t.jour, Forme::maitre);
}

std::string premiere_voyelle(const Contexte& c) {
    for (char32_t ch : c.nom) {
        const char32_t p = plier(ch);
        if (est_voyelle_pliee(p))
            return "1ère voyelle (A, E, I, O, U, Y) du nom " + guillemets(c.theme.nom) + " : " +
                   lettre_affichee(p);
    }
    return {};
}

std::string coefficient_dynamisme(const Contexte& c) {
    // The first word is read back from its slot, as the calculation does.
    const std::string& mot = c.etat.deco.front().texte;
    const Nombre somme = somme_lettres(mot);
    const Nombre jour = c.theme.jour;
    std::string r = "Lettres du 1er mot " + guillemets(mot) + " : " +
                    termes_lettres(decoder_utf8(mot)) + " = " + nombre(somme);
    if (jour == 0)
        return r + " → " + reduction(somme, Forme::maitre);
    return r + " ; " + nombre(somme) + " + jour " + nombre(jour) + " = " +
           reduction(somme + jour, Forme::maitre);
}

std::string jour_de_naissance(const Contexte& c, int i) {
    const Nombre jour = c.theme.jour;
    const std::string t = nombre(jour);
    if (i == nomb::vibration_jour)
        return jour == 0 ? "Jour de naissance absent : 0" : "Jour de naissance : " + t;
    if (t.size() == 2) {
        const Nombre defi = std::llabs((t[0] - '0') - (t[1] - '0'));
        if (i == nomb::defi_jour)
            return "Jour " + t + " : |" + t.substr(0, 1) + " − " + t.substr(1) +
                   "| = " + nombre(defi);
        return "9 − défi du jour " + nombre(defi) + " = " + nombre(9 - defi);
    }
    if (i == nomb::defi_jour)
        return {};
    return "9 − jour " + t + " = " + nombre(9 - reduire(jour));
}

std::string initiales_nom(const Contexte& c) {
    const std::u32string lettres = initiales(c.prenom) + initiales(c.nom);
    return "Initiales : " + termes_lettres(lettres) + " = " +
           reduction(somme_lettres(lettres), Forme::chiffre);
}

} // namespace

std::string expliquer_grille(const Contexte& c, int chiffre) {
    const auto vaut = [chiffre](char32_t ch) { return valeur_caractere(ch) == chiffre; };
    return "Lettres valant " + nombre(chiffre) + " (" + alphabet(vaut) +
           ") : " + compte(c.complet, vaut);
}

std::string expliquer_mode(const Contexte& c, int mode) {
    const auto dans_le_mode = [mode](char32_t ch) {
        const char32_t p = plier(ch);
        if (p < U'A' || p > U'Z')
            return false;
        const ModeLettre& m = modes_lettres[p - U'A'];
        return m.ligne == mode || m.colonne == mode;
    };
    return "Mode " + std::string(noms_modes[mode]) + " (" + alphabet(dans_le_mode) +
           ") : " + compte(c.complet, dans_le_mode);
}

std::string expliquer_synth(const Contexte& c, int i) {
    switch (i) {
    case synth::elan:
        return voyelles(c);
    case synth::moi_intime:
        return consonnes(c);
    case synth::expression:
        return expression(c);
    case synth::chemin_vie:
        return expliquer_chemin(c);
    default:
        return mission(c);
    }
}

std::string expliquer_nomb(const Contexte& c, int i) {
    const Theme& t = c.theme;
    switch (i) {
    case nomb::elan:
        return voyelles(c);
    case nomb::actif:
        return "Lettres du prénom : " + termes_lettres(c.prenom) + " = " +
               reduction(t.actif_brut, Forme::maitre);
    case nomb::hereditaire:
        return "Lettres du nom : " + termes_lettres(c.nom) + " = " +
               reduction(t.hereditaire_brut, Forme::maitre);
    case nomb::expression:
        return expression(c);
    case nomb::moi_intime:
        return consonnes(c);
    case nomb::equilibre:
        return initiales_nom(c);
    case nomb::premiere_voyelle:
        return premiere_voyelle(c);
    case nomb::personnalite:
        return "Consonnes " + nombre(t.moi_intime_brut) + " + lettres du nom " +
               nombre(t.hereditaire_brut) + " = " +
               reduction(t.moi_intime_brut + t.hereditaire_brut, Forme::chiffre);
    case nomb::initiation:
        return "Mois " + nombre(t.mois) + " + jour " + nombre(t.jour) + " + année " +
               nombre(t.annee) + " + jour " + nombre(t.jour) + " + voyelles " +
               nombre(t.elan_brut) + " + toutes les lettres " + nombre(t.expression_brut) + " = " +
               reduction(t.mois + t.jour + t.annee + t.jour + t.elan_brut + t.expression_brut,
                         Forme::maitre);
    case nomb::vie:
        return "Mois " + nombre(t.mois) + " + jour " + nombre(t.jour) + " + année " +
               nombre(t.annee) + " + toutes les lettres " + nombre(t.expression_brut) + " = " +
               reduction(t.mois + t.jour + t.annee + t.expression_brut, Forme::maitre);
    case nomb::cosmique:
        return "Mois " + nombre(t.mois) + " + jour " + nombre(t.jour) + " + année " +
               nombre(t.annee) + " + toutes les lettres " + nombre(t.expression_brut) +
               " + lettres du nom " + nombre(t.hereditaire_brut) + " = " +
               reduction(t.mois + t.jour + t.annee + t.expression_brut + t.hereditaire_brut,
                         Forme::maitre);
    case nomb::dynamisme:
        return coefficient_dynamisme(c);
    default:
        return jour_de_naissance(c, i);
    }
}

std::string expliquer_pierre(const Contexte& c, int pierre) {
    const LettresPierres p = lire_pierres(c.prenom);
    if (pierre == 2)
        return "Lettres du prénom : " + termes_lettres(c.prenom) + " = " +
               reduction(p.somme, Forme::chiffre);
    if (!p.trouvees)
        return "Aucun caractère dans le prénom = 0";
    const char32_t lettre = pierre == 1 ? p.premiere : p.derniere;
    const std::string quelle =
        pierre == 1 ? "1ère lettre du prénom : " : "Dernière lettre du prénom : ";
    const int valeur = valeur_caractere(lettre);
    if (valeur == 0)
        return quelle + guillemets(encoder_utf8(std::u32string(1, lettre))) + " sans valeur = 0";
    return quelle + lettre_affichee(lettre) + " = " + nombre(valeur);
}

std::string expliquer_defi(const Contexte& c, int i) {
    const Theme& t = c.theme;
    if (i == defi::global) {
        const Nombre v = reduire(t.elan_brut);
        const Nombre k = reduire(t.moi_intime_brut);
        return "Voyelles " + chaine(t.elan_brut, Forme::chiffre) + ", consonnes " +
               chaine(t.moi_intime_brut, Forme::chiffre) + " : |" + nombre(v) + " − " + nombre(k) +
               "| = " + nombre(std::llabs(v - k));
    }
    const auto e =
        i == defi::voyelles ? extremes_voyelles(c.complet) : extremes_non_voyelles(c.complet);
    if (!e)
        return {};
    const int premier = valeur_caractere(e->premier);
    const int dernier = valeur_caractere(e->dernier);
    const std::string quoi = i == defi::voyelles ? "1ère voyelle " : "1er caractère hors voyelles ";
    return quoi + lettre_affichee(e->premier) + " " + nombre(premier) +
           (i == defi::voyelles ? ", dernière " : ", dernier ") + lettre_affichee(e->dernier) +
           " " + nombre(dernier) + " : |" + nombre(premier) + " − " + nombre(dernier) +
           "| = " + nombre(std::abs(premier - dernier));
}

std::string expliquer_mot(const Contexte& c, int k) {
    return "Mot " + nombre(k + 1) + " du nom : " + c.etat.deco[k].texte;
}

std::string expliquer_voyelles_mot(const Contexte& c, int k) {
    const std::string& mot = c.etat.deco[k].texte;
    return "Voyelles du mot " + guillemets(mot) + " : " + termes_voyelles(decoder_utf8(mot)) +
           " = " + reduction(somme_voyelles(mot), Forme::karmique);
}

std::string expliquer_consonnes_mot(const Contexte& c, int k) {
    const std::string& mot = c.etat.deco[k].texte;
    return "Consonnes du mot " + guillemets(mot) + " : " + termes_consonnes(decoder_utf8(mot)) +
           " = " + reduction(somme_consonnes(mot), Forme::karmique);
}

std::string expliquer_chemin(const Contexte& c) {
    const Theme& t = c.theme;
    return "Jour " + nombre(t.jour) + " + mois " + nombre(t.mois) + " + année " + nombre(t.annee) +
           " = " + reduction(t.jour + t.mois + t.annee, Forme::maitre);
}

std::string expliquer_cycle(const Contexte& c, int cycle) {
    const Theme& t = c.theme;
    switch (cycle) {
    case 1:
        return "Mois de naissance : " + reduction(t.mois, Forme::maitre);
    case 2:
        return "Jour de naissance : " + reduction(t.jour, Forme::maitre);
    default:
        return "Année de naissance : " + reduction(t.annee, Forme::maitre);
    }
}

std::string expliquer_apogee(const Contexte& c, int apogee) {
    const Nombre d = c.theme.jour, m = c.theme.mois, a = c.theme.annee;
    switch (apogee) {
    case 1:
        return "Mois " + nombre(m) + " + jour " + nombre(d) + " = " +
               reduction(m + d, Forme::apogee);
    case 2:
        return "Jour " + nombre(d) + " + année " + nombre(a) + " = " +
               reduction(d + a, Forme::apogee);
    case 3: {
        const Nombre x = reduire_99(d + a), y = reduire_99(d + m);
        return "Jour + année " + chaine(d + a, Forme::apogee) + ", jour + mois " +
               chaine(d + m, Forme::apogee) + " : " + nombre(x) + " + " + nombre(y) + " = " +
               reduction(x + y, Forme::apogee);
    }
    default:
        return "Mois " + nombre(m) + " + année " + nombre(a) + " = " +
               reduction(m + a, Forme::apogee);
    }
}

std::string expliquer_fin_apogee(const Contexte& c, int apogee) {
    const Theme& t = c.theme;
    const Nombre chemin = reduire(t.jour + t.mois + t.annee);
    const Nombre depart = 27 + 9 * apogee;
    return nombre(depart) + " − chemin de vie réduit " + nombre(chemin) + " = " +
           nombre(depart - chemin) + " ans";
}

std::string expliquer_defi_apogee(const Contexte& c, int apogee) {
    const Nombre d = c.theme.jour, m = c.theme.mois, a = c.theme.annee;
    const auto ecart = [](const std::string& premier, Nombre x, const std::string& second,
                          Nombre y) {
        const Nombre rx = reduire(x), ry = reduire(y);
        return premier + " " + chaine(x, Forme::chiffre) + ", " + second + " " +
               chaine(y, Forme::chiffre) + " : |" + nombre(rx) + " − " + nombre(ry) +
               "| = " + reduction(std::llabs(rx - ry), Forme::chiffre);
    };
    switch (apogee) {
    case 1:
        return ecart("Jour", d, "mois", m);
    case 2:
        return ecart("Jour", d, "année", a);
    case 3: {
        // Read back from the first two challenges, as shown.
        const Nombre x = lire_debut_nombre(c.etat.defi_apogee1.texte);
        const Nombre y = lire_debut_nombre(c.etat.defi_apogee2.texte);
        return "Défis 1 et 2 lus dans leurs cases : |" + nombre(x) + " − " + nombre(y) +
               "| = " + reduction(std::llabs(x - y), Forme::chiffre);
    }
    default:
        return ecart("Mois", m, "année", a);
    }
}

} // namespace kalder::explication
