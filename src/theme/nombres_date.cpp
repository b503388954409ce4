#include "theme/nombres_date.hpp"

#include "annee/calculer_annee.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "theme/parts_theme.hpp"
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
    if (!t.date_complete()) {
        for (Slot* s : slots)
            s->texte.clear();
        return;
    }
    const Nombre chemin = reduire(somme_chemin(t).total());
    const auto apogee = [&](Slot& slot, Nombre somme) {
        ecrire(slot, texte_apogee(reduire_99(somme)), couleur_presence(etat, somme));
    };
    const auto age = [chemin](Slot& slot, int numero) {
        ecrire(slot, std::to_string(fin_apogee(chemin, numero)) + " ans");
    };
    const auto defi = [](Slot& slot, const Ecart& ecart) {
        ecrire(slot, std::to_string(reduire(ecart.brut())));
    };

    apogee(etat.apogee1, somme_apogee(t, 1).total());
    defi(etat.defi_apogee1, ecart_defi_apogee(t, 1));
    age(etat.fin_apogee1, 1);
    apogee(etat.apogee2, somme_apogee(t, 2).total());
    defi(etat.defi_apogee2, ecart_defi_apogee(t, 2));
    age(etat.fin_apogee2, 2);
    apogee(etat.apogee3, apogee3(t).brut());
    // The third challenge is read back from the first two, as shown.
    defi(etat.defi_apogee3, ecart_defis_lus(etat));
    age(etat.fin_apogee3, 3);
    apogee(etat.apogee4, somme_apogee(t, 4).total());
    defi(etat.defi_apogee4, ecart_defi_apogee(t, 4));
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
    ecrire(etat.Nomb[nomb::initiation], texte_maitre(somme_initiation(t).total()));
    ecrire(etat.Nomb[nomb::vie], texte_maitre(somme_vie(t).total()));
    ecrire(etat.Nomb[nomb::cosmique], texte_maitre(somme_cosmique(t).total()));

    ecrire(etat.Nomb[nomb::vibration_jour], std::to_string(t.jour));
    const JourNaissance jour = jour_naissance(t.jour);
    ecrire(etat.Nomb[nomb::defi_jour], jour.deux_chiffres ? std::to_string(jour.defi) : "");
    ecrire(etat.Nomb[nomb::cadeau_jour], std::to_string(jour.cadeau));
}

void calculer_nombres_date(EtatFenetre& etat, Nombre annee_courante) {
    const Theme& t = etat.theme;
    const Nombre chemin = somme_chemin(t).total();
    chemin_de_vie(etat, chemin);
    ecrire(etat.synth[synth::mission], texte_maitre(somme_mission(t).total()));
    ecrire(etat.cycle1, texte_maitre(t.mois));
    ecrire(etat.cycle2, texte_maitre(t.jour));
    ecrire(etat.cycle3, texte_maitre(t.annee));
    apogees(etat);
    onglet_annee(etat, chemin, annee_courante);
}

} // namespace kalder
