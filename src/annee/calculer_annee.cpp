#include "annee/calculer_annee.hpp"

#include "annee/parts_annee.hpp"

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

void ecrire(Slot& slot, Nombre valeur) {
    slot.texte = std::to_string(valeur);
}

template <std::size_t N> void vider_ligne(std::array<Slot, N>& ligne) {
    for (Slot& s : ligne)
        s.texte.clear();
}

void lettre_de_passage(EtatFenetre& etat, Nombre annee) {
    const Theme& t = etat.theme;
    const auto passage = lettre_passage(decoder_utf8(t.prenom + t.nom), t.annee, annee);
    etat.lettre_passage.texte =
        passage ? std::string(1, static_cast<char>(passage->lettre)) : std::string();
}

void cycle_mensuel(EtatFenetre& etat, Nombre annee, int depart) {
    const auto valeurs = cycle_mensuel(etat.theme, annee).valeurs();
    for (int m = 1; m <= nombre_mois; ++m)
        ecrire(etat.cym[m], valeurs[static_cast<std::size_t>(tiers_du_cycle(m, depart))]);
}

void apogees_annee(EtatFenetre& etat, Nombre annee) {
    const ApogeesAnnee a = apogees_annee(etat.theme, annee);
    for (int q = 1; q <= nombre_apogees; ++q)
        etat.apog[q].texte = texte_apogee(a.apogees[static_cast<std::size_t>(q - 1)]);

    // The second and fourth lessons follow the first and the third.
    const Nombre l1 = reduire(a.ecart_lecon1);
    const Nombre l3 = reduire(a.ecart_lecon3);
    ecrire(etat.leco[1], l1);
    ecrire(etat.leco[2], l1);
    ecrire(etat.leco[3], l3);
    ecrire(etat.leco[4], l3);
}

// Months count 30 days; each period lasts 52 days from the birthday on.
void periodes(EtatFenetre& etat) {
    for (const PeriodeMois& p : periodes_52(etat.theme))
        ecrire(etat.periode[p.mois], p.periode);
}

void profections(EtatFenetre& etat, Nombre annee, int depart) {
    const Profection p = profection(etat.theme.annee, annee);
    for (int m = 1; m <= nombre_mois; ++m)
        ecrire(etat.profec[m], p.valeur(m, depart));
}

void semaines(EtatFenetre& etat, Nombre annee) {
    for (int m = 1; m <= nombre_mois; ++m) {
        const int s1 = indice_semaine(1, m), s2 = indice_semaine(2, m);
        const int s3 = indice_semaine(3, m), s4 = indice_semaine(4, m);
        const SemainesMois s = semaines_mois(etat.theme, annee, m);
        etat.semaine[s1].texte = texte_apogee(reduire_99(s.apogee_brut(1, m)));
        ecrire(etat.semdef[s1], reduire(s.defi_brut(1, m)));
        etat.semaine[s2].texte = texte_apogee(reduire_99(s.apogee_brut(2, m)));
        ecrire(etat.semdef[s2], reduire(s.defi_brut(2, m)));
        // The third week is read back from the first two, as shown.
        const Semaine3 s3_lue = semaine3_lue(etat, m);
        etat.semaine[s3].texte = texte_apogee(reduire_99(s3_lue.apogee_brut()));
        ecrire(etat.semdef[s3], reduire(s3_lue.defi_brut()));
        etat.semaine[s4].texte = texte_apogee(reduire_99(s.apogee_brut(4, m)));
        ecrire(etat.semdef[s4], reduire(s.defi_brut(4, m)));
    }
}

} // namespace

int mois_depart(const Theme& t) {
    if (t.mois < 1 || t.mois > 12)
        return 0;
    const int mois = static_cast<int>(t.mois);
    return t.jour <= 15 ? mois : mois_suivant(mois);
}

void calculer_grille_mensuelle(EtatFenetre& etat, Nombre annee) {
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
        ecrire(etat.esse[m], reduire_maitre(somme_essence(lire_debut_nombre(etat.cym[m].texte),
                                                          lire_debut_nombre(etat.Toi[m].texte))
                                                .total()));
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

void calculer_annee(EtatFenetre& etat, Nombre annee) {
    const Theme& t = etat.theme;
    ecrire(etat.annee_personnelle, reduire(somme_annee_personnelle(t, annee).total()));
    lettre_de_passage(etat, annee);
    const Nombre personnelle = lire_debut_nombre(etat.annee_personnelle.texte);
    for (int m = 1; m <= nombre_mois; ++m)
        ecrire(etat.Toi[m], reduire(somme_mois_personnel(personnelle, m).total()));
    calculer_grille_mensuelle(etat, annee);
}

Issue calculer_pour_annee(EtatFenetre& etat) {
    if (!etat.actif(BoutonId::calculer_annee))
        return {};
    const auto valeur = lire_nombre_saisi(etat.texte(ChampId::annee_calcul));
    if (!valeur || !(*valeur >= static_cast<double>(etat.theme.annee)) ||
        !(*valeur <= static_cast<double>(annee_maximale)))
        return erreur_saisie("Année incorrecte", ChampId::annee_calcul);
    calculer_annee(etat, arrondir_pair(*valeur));
    return {};
}

} // namespace kalder
