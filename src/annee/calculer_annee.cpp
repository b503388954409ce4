#include "annee/calculer_annee.hpp"

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

int mois_suivant(int m) {
    return m % 12 + 1;
}

void ecrire(Slot& slot, Nombre valeur) {
    slot.texte = std::to_string(valeur);
}

template <std::size_t N> void vider_ligne(std::array<Slot, N>& ligne) {
    for (Slot& s : ligne)
        s.texte.clear();
}

void lettre_de_passage(EtatFenetre& etat, Nombre annee) {
    const Theme& t = etat.theme;
    const std::u32string lettres = lettres_pliees(decoder_utf8(t.prenom + t.nom));
    etat.lettre_passage.texte.clear();
    const Nombre age = annee - t.annee + 1;
    const auto nombre = static_cast<Nombre>(lettres.size());
    if (age <= 0 || nombre == 0)
        return;
    const Nombre k = age % nombre;
    const char32_t lettre = k == 0 ? lettres.back() : lettres[k - 1];
    etat.lettre_passage.texte = std::string(1, static_cast<char>(lettre));
}

void cycle_mensuel(EtatFenetre& etat, Nombre annee, int depart) {
    const Theme& t = etat.theme;
    const Nombre a = reduire(t.annee);
    const Nombre b = reduire(std::llabs(annee - reduire(t.jour + t.mois + t.annee)));
    const Nombre c = reduire(a + b);
    const Nombre valeurs[3] = {a, b, c};
    int mois = depart;
    for (int i = 0; i < nombre_mois; ++i, mois = mois_suivant(mois))
        ecrire(etat.cym[mois], valeurs[i / 4]);
}

void apogees_annee(EtatFenetre& etat, Nombre annee) {
    const Theme& t = etat.theme;
    const Nombre naissance = t.mois + t.jour;
    const Nombre a1 = reduire_99(reduire_99(annee) + reduire_99(naissance));
    const Nombre a2 = reduire_99(reduire_99(annee + naissance) + reduire_99(naissance));
    const Nombre a3 = reduire_99(a1 + a2);
    const Nombre a4 = reduire_99(reduire_99(annee + naissance) + reduire_99(annee));
    const Nombre apogees[] = {a1, a2, a3, a4};
    for (int q = 1; q <= nombre_apogees; ++q)
        etat.apog[q].texte = texte_apogee(apogees[q - 1]);

    // The second and fourth lessons follow the first and the third.
    const Nombre l1 = reduire(std::llabs(annee - t.jour - t.mois));
    const Nombre l3 = reduire(std::llabs(naissance - reduire(annee + naissance)));
    ecrire(etat.leco[1], l1);
    ecrire(etat.leco[2], l1);
    ecrire(etat.leco[3], l3);
    ecrire(etat.leco[4], l3);
}

// Months count 30 days; each period lasts 52 days from the birthday on.
void periodes(EtatFenetre& etat) {
    const Theme& t = etat.theme;
    int mois = static_cast<int>(t.mois);
    Nombre reste = 52;
    if (t.jour >= 16) {
        mois = mois_suivant(mois);
        reste = 22;
    }
    reste -= 30 - t.jour;
    Nombre periode = 1;
    ecrire(etat.periode[mois], periode);
    for (int i = 0; i < 11; ++i) {
        mois = mois_suivant(mois);
        if (reste >= 16) {
            ecrire(etat.periode[mois], periode);
            reste -= 30;
        } else {
            ecrire(etat.periode[mois], ++periode);
            reste += 22;
        }
    }
}

void profections(EtatFenetre& etat, Nombre annee, int depart) {
    const Nombre k = std::llabs(annee - etat.theme.annee) % 12;
    for (int m = 1; m <= nombre_mois; ++m)
        ecrire(etat.profec[m], m >= depart ? k + 1 : (k == 0 ? 12 : k));
}

void semaines(EtatFenetre& etat, Nombre annee) {
    const Theme& t = etat.theme;
    const Nombre b = reduire_99(annee + t.mois + t.jour);
    for (int m = 1; m <= nombre_mois; ++m) {
        const int s1 = indice_semaine(1, m), s2 = indice_semaine(2, m);
        const int s3 = indice_semaine(3, m), s4 = indice_semaine(4, m);
        const Nombre tm = reduire_99(b + m);
        etat.semaine[s1].texte = texte_apogee(reduire_99(b + m));
        ecrire(etat.semdef[s1], reduire(std::llabs(m - b)));
        etat.semaine[s2].texte = texte_apogee(reduire_99(b + tm));
        ecrire(etat.semdef[s2], reduire(std::llabs(b - tm)));
        // The third week is read back from the first two, as shown.
        etat.semaine[s3].texte = texte_apogee(
            reduire_99(avant_barre(etat.semaine[s2].texte) + avant_barre(etat.semaine[s1].texte)));
        ecrire(etat.semdef[s3], reduire(std::llabs(lire_debut_nombre(etat.semdef[s1].texte) -
                                                   lire_debut_nombre(etat.semdef[s2].texte))));
        etat.semaine[s4].texte = texte_apogee(reduire_99(m + tm));
        ecrire(etat.semdef[s4], reduire(std::llabs(m - tm)));
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
    const bool date_complete = t.jour != 0 && t.mois != 0 && t.annee != 0;
    etat.origines.annee_grille = annee;
    // A row its guard skips is emptied: it would otherwise show the grid of an
    // earlier person or year.
    if (depart != 0)
        cycle_mensuel(etat, annee, depart);
    else
        vider_ligne(etat.cym);
    for (int m = 1; m <= nombre_mois; ++m)
        ecrire(etat.esse[m], reduire_maitre(lire_debut_nombre(etat.cym[m].texte) +
                                            lire_debut_nombre(etat.Toi[m].texte)));
    apogees_annee(etat, annee);
    if (date_complete)
        periodes(etat);
    else
        vider_ligne(etat.periode);
    if (t.annee != 0 && depart != 0)
        profections(etat, annee, depart);
    else
        vider_ligne(etat.profec);
    if (annee != 0 && date_complete) {
        semaines(etat, annee);
    } else {
        vider_ligne(etat.semaine);
        vider_ligne(etat.semdef);
    }
}

void calculer_annee(EtatFenetre& etat, Nombre annee) {
    const Theme& t = etat.theme;
    ecrire(etat.annee_personnelle, reduire(annee + t.mois + t.jour));
    lettre_de_passage(etat, annee);
    const Nombre personnelle = lire_debut_nombre(etat.annee_personnelle.texte);
    for (int m = 1; m <= nombre_mois; ++m)
        ecrire(etat.Toi[m], reduire(personnelle + m));
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
