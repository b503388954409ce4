#include "theme/nombres_date.hpp"

#include "annee/calculer_annee.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "theme/presence.hpp"

#include <cstdlib>

namespace kalder {

namespace {

void chemin_de_vie(EtatFenetre& etat, Nombre chemin) {
    if (chemin == 0) {
        // No date, no life path: an earlier person's must not stay beside this one.
        ecrire(etat.synth[synth::chemin_vie], "", Couleur::vert);
        ecrire(etat.ent[ent::chemin_vie], "");
        ecrire(etat.vie[indice_vie_entiere], "");
        return;
    }
    const std::string texte = texte_maitre(chemin);
    const bool manquant = chiffre_manquant(etat, reduire(chemin));
    ecrire(etat.synth[synth::chemin_vie], texte, manquant ? Couleur::rouge_fonce : Couleur::vert);
    ecrire(etat.ent[ent::chemin_vie], texte);
    ecrire(etat.vie[indice_vie_entiere], "Chemin de vie : " + texte);
}

void apogees(EtatFenetre& etat) {
    const Theme& t = etat.theme;
    Slot* slots[] = {&etat.apogee1,      &etat.apogee2,      &etat.apogee3,     &etat.apogee4,
                     &etat.fin_apogee1,  &etat.fin_apogee2,  &etat.fin_apogee3, &etat.defi_apogee1,
                     &etat.defi_apogee2, &etat.defi_apogee3, &etat.defi_apogee4};
    if (t.jour == 0 || t.mois == 0 || t.annee == 0) {
        for (Slot* s : slots)
            s->texte.clear();
        return;
    }
    const Nombre d = t.jour, m = t.mois, a = t.annee;
    const Nombre chemin = reduire(d + m + a);
    const auto apogee = [&](Slot& slot, Nombre somme) {
        ecrire(slot, texte_apogee(reduire_99(somme)), couleur_presence(etat, somme));
    };
    const auto age = [](Slot& slot, Nombre valeur) {
        ecrire(slot, std::to_string(valeur) + " ans");
    };
    const auto defi = [](Slot& slot, Nombre x, Nombre y) {
        ecrire(slot, std::to_string(reduire(std::llabs(x - y))));
    };

    apogee(etat.apogee1, m + d);
    defi(etat.defi_apogee1, reduire(d), reduire(m));
    age(etat.fin_apogee1, 36 - chemin);
    apogee(etat.apogee2, d + a);
    defi(etat.defi_apogee2, reduire(d), reduire(a));
    age(etat.fin_apogee2, 45 - chemin);
    apogee(etat.apogee3, reduire_99(d + a) + reduire_99(d + m));
    // The third challenge is read back from the first two, as shown.
    defi(etat.defi_apogee3, lire_debut_nombre(etat.defi_apogee1.texte),
         lire_debut_nombre(etat.defi_apogee2.texte));
    age(etat.fin_apogee3, 54 - chemin);
    apogee(etat.apogee4, m + a);
    defi(etat.defi_apogee4, reduire(m), reduire(a));
}

void onglet_annee(EtatFenetre& etat, Nombre chemin, Nombre annee_courante) {
    if (chemin != 0) {
        etat.saisir(ChampId::annee_calcul, std::to_string(annee_courante));
        etat.champ(ChampId::annee_calcul).actif = true;
        etat.activer(BoutonId::calculer_annee, true);
        calculer_annee(etat, annee_courante);
        return;
    }
    etat.saisir(ChampId::annee_calcul, "");
    etat.champ(ChampId::annee_calcul).actif = false;
    etat.activer(BoutonId::calculer_annee, false);
    etat.annee_personnelle.texte.clear();
    etat.lettre_passage.texte.clear();
    for (int m = 1; m <= nombre_mois; ++m)
        etat.Toi[m].texte.clear();
    calculer_grille_mensuelle(etat, 0);
}

} // namespace

void calculer_nombres_mixtes(EtatFenetre& etat) {
    const Theme& t = etat.theme;
    const Nombre date = t.mois + t.jour + t.annee;
    ecrire(etat.Nomb[nomb::initiation],
           texte_maitre(date + t.jour + t.elan_brut + t.expression_brut));
    ecrire(etat.Nomb[nomb::vie], texte_maitre(date + t.expression_brut));
    ecrire(etat.Nomb[nomb::cosmique], texte_maitre(date + t.expression_brut + t.hereditaire_brut));

    const std::string jour = std::to_string(t.jour);
    ecrire(etat.Nomb[nomb::vibration_jour], jour);
    if (jour.size() == 2) {
        const Nombre defi = std::llabs((jour[0] - '0') - (jour[1] - '0'));
        ecrire(etat.Nomb[nomb::defi_jour], std::to_string(defi));
        ecrire(etat.Nomb[nomb::cadeau_jour], std::to_string(9 - defi));
    } else {
        ecrire(etat.Nomb[nomb::defi_jour], "");
        ecrire(etat.Nomb[nomb::cadeau_jour], std::to_string(9 - reduire(t.jour)));
    }
}

void calculer_nombres_date(EtatFenetre& etat, Nombre annee_courante) {
    const Theme& t = etat.theme;
    const Nombre chemin = t.jour + t.mois + t.annee;
    chemin_de_vie(etat, chemin);
    ecrire(etat.synth[synth::mission], texte_maitre(t.mois + t.jour));
    ecrire(etat.cycle1, texte_maitre(t.mois));
    ecrire(etat.cycle2, texte_maitre(t.jour));
    ecrire(etat.cycle3, texte_maitre(t.annee));
    apogees(etat);
    onglet_annee(etat, chemin, annee_courante);
}

} // namespace kalder
