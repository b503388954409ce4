#include "annee/calculer_annee.hpp"

#include "annee/parts_annee.hpp"

#include "modele/ecriture.hpp"
#include "noyau/lettres.hpp"
#include "noyau/lettres_nom.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"
#include "saisie/valider_saisie.hpp"

#include <cstdlib>

namespace kalder {

namespace {

// The forecast's numbers: a sum reduced to one digit, or a value as it is.
NombreCalcule chiffre(const Somme& parts) {
    return nombre_reduit(parts, Ecriture::nombre);
}
NombreCalcule chiffre(Nombre brut) {
    return nombre_reduit(brut, Arret::chiffre, Ecriture::nombre);
}
// A pinnacle of the year or of a week: its sum reduced to 99, with its digit.
NombreCalcule apogee(Nombre brut) {
    return nombre_reduit(brut, Arret::jusqua99, Ecriture::barre);
}

// The forecast's slots keep the colour they have.
void poser(Slot& slot, const NombreCalcule& n) {
    ecrire(slot, n, slot.couleur);
}

template <std::size_t N> void vider_ligne(std::array<Slot, N>& ligne) {
    vider_tous(ligne);
}

void lettre_de_passage(ThemeCalcule& etat, Nombre annee) {
    const Theme& t = etat.theme;
    const auto passage = lettre_passage(decoder_utf8(t.prenom + t.nom), t.annee, annee);
    ecrire_texte(etat.lettre_passage,
                 passage ? std::string(1, static_cast<char>(passage->lettre)) : std::string(),
                 etat.lettre_passage.couleur);
}

void cycle_mensuel(ThemeCalcule& etat, Nombre annee, int depart) {
    const auto valeurs = cycle_mensuel(etat.theme, annee).valeurs();
    for (int m = 1; m <= nombre_mois; ++m)
        poser(etat.cym[m],
              nombre_entier(valeurs[static_cast<std::size_t>(tiers_du_cycle(m, depart))]));
}

void apogees_annee(ThemeCalcule& etat, Nombre annee) {
    const ApogeesAnnee a = apogees_annee(etat.theme, annee);
    for (int q = 1; q <= nombre_apogees; ++q)
        poser(etat.apog[q], apogee(a.bruts[static_cast<std::size_t>(q - 1)]));

    // The second and fourth lessons follow the first and the third.
    const NombreCalcule l1 = chiffre(a.ecart_lecon1);
    const NombreCalcule l3 = chiffre(a.ecart_lecon3);
    poser(etat.leco[1], l1);
    poser(etat.leco[2], l1);
    poser(etat.leco[3], l3);
    poser(etat.leco[4], l3);
}

// Months count 30 days; each period lasts 52 days from the birthday on.
void periodes(ThemeCalcule& etat) {
    for (const PeriodeMois& p : periodes_52(etat.theme))
        poser(etat.periode[p.mois], nombre_entier(p.periode));
}

void profections(ThemeCalcule& etat, Nombre annee, int depart) {
    const Profection p = profection(etat.theme.annee, annee);
    for (int m = 1; m <= nombre_mois; ++m)
        poser(etat.profec[m], nombre_entier(p.valeur(m, depart)));
}

void semaines(ThemeCalcule& etat, Nombre annee) {
    for (int m = 1; m <= nombre_mois; ++m) {
        const int s1 = indice_semaine(1, m), s2 = indice_semaine(2, m);
        const int s3 = indice_semaine(3, m), s4 = indice_semaine(4, m);
        const SemainesMois s = semaines_mois(etat.theme, annee, m);
        const auto semaine = [&](int indice, const NombreCalcule& sommet, Nombre defi) {
            poser(etat.semaine[indice], sommet);
            poser(etat.semdef[indice], chiffre(defi));
        };
        semaine(s1, apogee(s.apogee_brut(1, m)), s.defi_brut(1, m));
        semaine(s2, apogee(s.apogee_brut(2, m)), s.defi_brut(2, m));
        // The third week rests on the first two as they were written.
        const Semaine3 s3_lue = semaine3_lue(etat, m);
        semaine(s3, apogee(s3_lue.apogee_brut()), s3_lue.defi_brut());
        semaine(s4, apogee(s.apogee_brut(4, m)), s.defi_brut(4, m));
    }
}

} // namespace

int mois_depart(const Theme& t) {
    if (t.mois < 1 || t.mois > 12)
        return 0;
    const int mois = static_cast<int>(t.mois);
    return depart_au_mois_de_naissance(t) ? mois : mois_suivant(mois);
}

void calculer_grille_mensuelle(ThemeCalcule& etat, Nombre annee) {
    const Theme& t = etat.theme;
    const int depart = mois_depart(t);
    etat.origines.annee_grille = annee;
    // A row its guard skips is emptied: it would otherwise show the grid of an
    // earlier person or year.
    if (depart != 0)
        cycle_mensuel(etat, annee, depart);
    else
        vider_ligne(etat.cym);
    for (int m = 1; m <= nombre_mois; ++m)
        poser(etat.esse[m], nombre_reduit(somme_essence(etat.cym[m].valeur(), etat.Toi[m].valeur()),
                                          Ecriture::nombre));
    apogees_annee(etat, annee);
    if (t.date_complete())
        periodes(etat);
    else
        vider_ligne(etat.periode);
    if (t.annee != 0 && depart != 0)
        profections(etat, annee, depart);
    else
        vider_ligne(etat.profec);
    if (annee != 0 && t.date_complete()) {
        semaines(etat, annee);
    } else {
        vider_ligne(etat.semaine);
        vider_ligne(etat.semdef);
    }
}

void calculer_annee(ThemeCalcule& etat, Nombre annee) {
    const Theme& t = etat.theme;
    poser(etat.annee_personnelle, chiffre(somme_annee_personnelle(t, annee)));
    lettre_de_passage(etat, annee);
    const Nombre personnelle = etat.annee_personnelle.valeur();
    for (int m = 1; m <= nombre_mois; ++m)
        poser(etat.Toi[m], chiffre(somme_mois_personnel(personnelle, m)));
    calculer_grille_mensuelle(etat, annee);
}

} // namespace kalder
