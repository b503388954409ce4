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
#include "theme/parts_theme.hpp"

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
        return "aucune" + egal + "0";
    return joindre(l, ", ") + egal + nombre(static_cast<Nombre>(l.size()));
}

// "du prénom" for one first name, "des prénoms" for several.
bool plusieurs_prenoms(const Contexte& c) {
    const std::string_view p = c.theme.prenom;
    const auto debut = p.find_first_not_of(' ');
    const auto fin = p.find_last_not_of(' ');
    return debut != std::string_view::npos &&
           p.substr(debut, fin - debut + 1).find(' ') != std::string_view::npos;
}
std::string du_prenom(const Contexte& c) {
    return plusieurs_prenoms(c) ? "des prénoms" : "du prénom";
}
std::string des_prenoms_et_du_nom(const Contexte& c) {
    return du_prenom(c) + " et du nom";
}
std::string les_prenoms_et_le_nom(const Contexte& c) {
    return plusieurs_prenoms(c) ? "les prénoms et le nom" : "le prénom et le nom";
}

std::string voyelles(const Contexte& c) {
    return "Voyelles " + des_prenoms_et_du_nom(c) + note_accents(c.complet) + deux_points +
           termes_voyelles(c.complet) + egal + reduction(c.theme.elan_brut, Forme::maitre);
}
std::string consonnes(const Contexte& c) {
    return "Consonnes " + des_prenoms_et_du_nom(c) + note_accents(c.complet) + deux_points +
           termes_consonnes(c.complet) + egal + reduction(c.theme.moi_intime_brut, Forme::maitre);
}
std::string expression(const Contexte& c) {
    return "Toutes les lettres " + des_prenoms_et_du_nom(c) + deux_points +
           termes_lettres(c.complet) + egal + reduction(c.theme.expression_brut, Forme::maitre);
}

std::string mission(const Contexte& c) {
    return somme_ecrite(somme_mission(c.theme), Forme::maitre);
}

std::string premiere_voyelle_nom(const Contexte& c) {
    const auto p = premiere_voyelle(c.nom);
    if (!p)
        return {};
    return "1re voyelle (A, E, I, O, U, Y) du nom " + guillemets(c.theme.nom) + deux_points +
           lettre_affichee(*p);
}

std::string coefficient_dynamisme(const Contexte& c) {
    // The first word is read back from its slot, as the calculation does.
    const std::string& mot = c.etat.deco.front().texte;
    const Somme s = somme_dynamisme(somme_lettres(mot), c.theme.jour);
    const Nombre lettres = s.termes[0].valeur, jour = s.termes[1].valeur;
    const std::string du_mot =
        "du 1er mot " + guillemets(mot) + deux_points + termes_lettres(decoder_utf8(mot)) + egal;
    if (jour == 0)
        return std::string(date_absente) + point_virgule + "lettres " + du_mot +
               reduction(s.total(), Forme::maitre);
    return "Lettres " + du_mot + nombre(lettres) + point_virgule + nombre(lettres) + " + jour" +
           insecable + nombre(jour) + egal + reduction(s.total(), Forme::maitre);
}

std::string jour_de_naissance(const Contexte& c, int i) {
    const Nombre jour = c.theme.jour;
    const std::string t = nombre(jour);
    if (i == nomb::vibration_jour)
        return jour == 0 ? std::string(date_absente) + deux_points + "0"
                         : "Jour du mois de naissance, sans réduction" + egal + t;
    const JourNaissance j = jour_naissance(jour);
    if (j.deux_chiffres) {
        if (i == nomb::defi_jour)
            return "Écart des deux chiffres du jour " + t + deux_points + "|" + nombre(j.dizaine) +
                   " − " + nombre(j.unite) + "|" + egal + nombre(j.defi);
        return "9 − défi du jour " + nombre(j.defi) + egal + nombre(j.cadeau);
    }
    if (i == nomb::defi_jour)
        return {};
    if (jour == 0)
        return std::string(date_absente) + deux_points + "9 − 0" + egal + nombre(j.cadeau);
    return "9 − jour" + insecable + t + egal + nombre(j.cadeau);
}

std::string initiales_ecrites(const Contexte& c) {
    const std::u32string lettres = initiales_nom(c.prenom, c.nom);
    const Nombre somme = somme_lettres(lettres);
    if (somme == 0 && !lettres.empty()) {
        std::vector<std::string> l;
        for (char32_t ch : lettres)
            l.push_back(lettre_comptee(ch));
        return "Initiales" + deux_points + joindre(l, " + ") + egal + "0";
    }
    return "Initiales" + deux_points + termes_lettres(lettres) + egal +
           reduction(somme, Forme::chiffre);
}

} // namespace

std::string expliquer_grille(const Contexte& c, int chiffre) {
    const auto vaut = [chiffre](char32_t ch) { return valeur_caractere(ch) == chiffre; };
    const std::string r =
        "Lettres valant " + nombre(chiffre) + " (" + alphabet(vaut) + ")" + deux_points;
    // A red cell: say why.
    if (c.etat.Grille[chiffre].texte == "0")
        return r + "aucune dans " + les_prenoms_et_le_nom(c) + ", chiffre absent" + egal + "0";
    return r + compte(c.complet, vaut);
}

std::string expliquer_mode(const Contexte& c, int mode) {
    const auto du_mode = [mode](char32_t ch) { return dans_le_mode(ch, mode); };
    return "Mode " + std::string(noms_modes[mode]) + " (" + alphabet(du_mode) + ")" + deux_points +
           compte(c.complet, du_mode);
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
    case synth::mission:
        return mission(c);
    }
    return {};
}

std::string expliquer_nomb(const Contexte& c, int i) {
    const Theme& t = c.theme;
    switch (i) {
    case nomb::elan:
        return voyelles(c);
    case nomb::actif:
        return "Lettres " + du_prenom(c) + deux_points + termes_lettres(c.prenom) + egal +
               reduction(t.actif_brut, Forme::maitre);
    case nomb::hereditaire:
        return "Lettres du nom" + deux_points + termes_lettres(c.nom) + egal +
               reduction(t.hereditaire_brut, Forme::maitre);
    case nomb::expression:
        return expression(c);
    case nomb::moi_intime:
        return consonnes(c);
    case nomb::equilibre:
        return initiales_ecrites(c);
    case nomb::premiere_voyelle:
        return premiere_voyelle_nom(c);
    case nomb::personnalite:
        return somme_ecrite(somme_personnalite(t), Forme::chiffre);
    case nomb::initiation:
        return somme_ecrite(somme_initiation(t), Forme::maitre);
    case nomb::vie:
        return somme_ecrite(somme_vie(t), Forme::maitre);
    case nomb::cosmique:
        return somme_ecrite(somme_cosmique(t), Forme::maitre);
    case nomb::dynamisme:
        return coefficient_dynamisme(c);
    case nomb::vibration_jour:
    case nomb::cadeau_jour:
    case nomb::defi_jour:
        return jour_de_naissance(c, i);
    }
    return {};
}

std::string expliquer_pierre(const Contexte& c, int pierre) {
    // A bare caption (a fresh or cleared window) holds no number.
    const Slot& slot = pierre == 1 ? c.etat.tri1 : pierre == 2 ? c.etat.tri2 : c.etat.tri3;
    if (slot.legende.empty())
        return {};
    const LettresPierres p = lire_pierres(c.prenom);
    if (pierre == 2)
        return "Lettres " + du_prenom(c) + deux_points + termes_lettres(c.prenom) + egal +
               reduction(p.somme, Forme::chiffre);
    if (!p.trouvees)
        return "Aucun caractère " + du_prenom(c) + egal + "0";
    const char32_t lettre = pierre == 1 ? p.premiere : p.derniere;
    // A digit or a sign is no letter.
    const std::string quoi = est_lettre(lettre) ? "lettre " : "caractère ";
    const std::string quelle = (pierre == 1 ? (est_lettre(lettre) ? "1re " : "1er ")
                                            : (est_lettre(lettre) ? "Dernière " : "Dernier ")) +
                               quoi + du_prenom(c) + deux_points;
    return quelle + lettre_comptee(lettre);
}

std::string expliquer_defi(const Contexte& c, int i) {
    const Theme& t = c.theme;
    if (i == defi::global) {
        const Ecart e = ecart_reduit(t.elan_brut, t.moi_intime_brut);
        return "Voyelles " + chaine(e.x, Forme::chiffre) + ", consonnes " +
               chaine(e.y, Forme::chiffre) + deux_points + "|" + nombre(e.x_reduit) + " − " +
               nombre(e.y_reduit) + "|" + egal + nombre(e.brut());
    }
    const auto e = ecart_extremes(c.complet, i);
    if (!e)
        return {};
    const std::string quoi =
        i == defi::voyelles ? "1re voyelle " : "1er caractère qui n'est pas une voyelle ";
    return quoi + lettre_comptee(e->lettres.premier_ecrit) +
           (i == defi::voyelles ? ", dernière " : ", dernier ") +
           lettre_comptee(e->lettres.dernier_ecrit) + deux_points + "|" + nombre(e->premier) +
           " − " + nombre(e->dernier) + "|" + egal + nombre(e->brut());
}

std::string expliquer_mot(const Contexte& c, int k) {
    return std::string(k == 0 ? "1er" : nombre(k + 1) + "e") + " mot " + des_prenoms_et_du_nom(c) +
           ", coupés aux blancs et aux signes" + deux_points + c.etat.deco[k].texte;
}

std::string expliquer_voyelles_mot(const Contexte& c, int k) {
    const std::string& mot = c.etat.deco[k].texte;
    const std::u32string lettres = decoder_utf8(mot);
    return "Voyelles du mot " + guillemets(mot) + note_accents(lettres) + deux_points +
           termes_voyelles(lettres) + egal + reduction(somme_voyelles(mot), Forme::karmique);
}

std::string expliquer_consonnes_mot(const Contexte& c, int k) {
    const std::string& mot = c.etat.deco[k].texte;
    const std::u32string lettres = decoder_utf8(mot);
    return "Consonnes du mot " + guillemets(mot) + note_accents(lettres) + deux_points +
           termes_consonnes(lettres) + egal + reduction(somme_consonnes(mot), Forme::karmique);
}

std::string expliquer_chemin(const Contexte& c) {
    return somme_ecrite(somme_chemin(c.theme), Forme::maitre);
}

std::string expliquer_cycle(const Contexte& c, int cycle) {
    const Theme& t = c.theme;
    switch (cycle) {
    case 1:
        return "Mois de naissance" + insecable + reduction(t.mois, Forme::maitre);
    case 2:
        return "Jour de naissance" + insecable + reduction(t.jour, Forme::maitre);
    case 3:
        return "Année de naissance" + insecable + reduction(t.annee, Forme::maitre);
    }
    return {};
}

std::string expliquer_apogee(const Contexte& c, int apogee) {
    if (apogee == 3) {
        const Apogee3 p = apogee3(c.theme);
        return "(Jour + année) " + chaine(p.jour_annee, Forme::apogee) + ", (jour + mois) " +
               chaine(p.jour_mois, Forme::apogee) + deux_points + nombre(p.premier) + " + " +
               nombre(p.second) + egal + reduction(p.brut(), Forme::apogee);
    }
    return somme_ecrite(somme_apogee(c.theme, apogee), Forme::apogee);
}

std::string expliquer_fin_apogee(const Contexte& c, int apogee) {
    const Nombre chemin = reduire(somme_chemin(c.theme).total());
    return nombre(depart_fin_apogee(apogee)) + " − chemin de vie réduit " + nombre(chemin) + egal +
           typo::ans(fin_apogee(chemin, apogee));
}

std::string expliquer_defi_apogee(const Contexte& c, int apogee) {
    const auto ecart = [&c, apogee](std::string_view premier, std::string_view second) {
        const Ecart e = ecart_defi_apogee(c.theme, apogee);
        return std::string(premier) + insecable + chaine(e.x, Forme::chiffre) + ", " +
               std::string(second) + insecable + chaine(e.y, Forme::chiffre) + deux_points + "|" +
               nombre(e.x_reduit) + " − " + nombre(e.y_reduit) + "|" + egal +
               reduction(e.brut(), Forme::chiffre);
    };
    switch (apogee) {
    case 1:
        return ecart("Jour", "mois");
    case 2:
        return ecart("Jour", "année");
    case 3: {
        const Ecart e = ecart_defis_lus(c.etat);
        return "Défis des apogées 1 et 2" + deux_points + "|" + nombre(e.x) + " − " + nombre(e.y) +
               "|" + egal + reduction(e.brut(), Forme::chiffre);
    }
    case 4:
        return ecart("Mois", "année");
    }
    return {};
}

} // namespace kalder::explication
