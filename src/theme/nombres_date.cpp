#include "theme/nombres_date.hpp"

#include "annee/calculer_annee.hpp"
#include "modele/catalogue.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "theme/parts_theme.hpp"
#include "theme/presence.hpp"

#include <cstdlib>

namespace kalder {

namespace {

// Numbers of the date: their parts reduced, master numbers kept.
NombreCalcule nombre_maitre(const Somme& parts) {
    return nombre_reduit(parts, Ecriture::barre_sauf_zero);
}

void chemin_de_vie(ThemeCalcule& etat, const Somme& parts) {
    if (parts.total() == 0) {
        // No date, no life path: an earlier person's must not stay beside this one.
        ecrire_texte(etat.synth[synth::chemin_vie], "", Couleur::vert);
        ecrire_texte(etat.ent[ent::chemin_vie], "");
        ecrire_texte(etat.vie[indice_vie_entiere], "");
        return;
    }
    const NombreCalcule chemin = nombre_maitre(parts);
    const bool manquant = chiffre_manquant(etat, reduire(chemin.valeur()));
    ecrire(etat.synth[synth::chemin_vie], chemin, manquant ? Couleur::rouge_fonce : Couleur::vert);
    ecrire(etat.ent[ent::chemin_vie], chemin);
    ecrire(etat.vie[indice_vie_entiere], legende_chemin_vie, chemin);
}

void apogees(ThemeCalcule& etat) {
    const Theme& t = etat.theme;
    Slot* slots[] = {&etat.apogee1,      &etat.apogee2,      &etat.apogee3,     &etat.apogee4,
                     &etat.fin_apogee1,  &etat.fin_apogee2,  &etat.fin_apogee3, &etat.defi_apogee1,
                     &etat.defi_apogee2, &etat.defi_apogee3, &etat.defi_apogee4};
    if (!t.date_complete()) {
        for (Slot* s : slots)
            vider(*s);
        return;
    }
    const Nombre chemin = reduire(somme_chemin(t).total());
    const auto apogee = [&](Slot& slot, const NombreCalcule& n) {
        ecrire(slot, n, couleur_presence(etat, n.etapes.brut));
    };
    const auto age = [chemin](Slot& slot, int numero) {
        ecrire(slot, nombre_entier(fin_apogee(chemin, numero), Ecriture::ans));
    };
    const auto defi = [](Slot& slot, const Ecart& ecart) {
        ecrire(slot, nombre_reduit(ecart.brut(), Arret::chiffre, Ecriture::nombre));
    };

    apogee(etat.apogee1, nombre_reduit(somme_apogee(t, 1), Ecriture::barre));
    defi(etat.defi_apogee1, ecart_defi_apogee(t, 1));
    age(etat.fin_apogee1, 1);
    apogee(etat.apogee2, nombre_reduit(somme_apogee(t, 2), Ecriture::barre));
    defi(etat.defi_apogee2, ecart_defi_apogee(t, 2));
    age(etat.fin_apogee2, 2);
    apogee(etat.apogee3, nombre_reduit(apogee3(t).brut(), Arret::jusqua99, Ecriture::barre));
    // The third challenge is read back from the first two, as shown.
    defi(etat.defi_apogee3, ecart_defis_lus(etat));
    age(etat.fin_apogee3, 3);
    apogee(etat.apogee4, nombre_reduit(somme_apogee(t, 4), Ecriture::barre));
    defi(etat.defi_apogee4, ecart_defi_apogee(t, 4));
}

bool onglet_annee(ThemeCalcule& etat, Nombre chemin, Nombre annee) {
    if (chemin != 0) {
        calculer_annee(etat, annee);
        return true;
    }
    vider(etat.annee_personnelle);
    vider(etat.lettre_passage);
    for (int m = 1; m <= nombre_mois; ++m)
        vider(etat.Toi[m]);
    calculer_grille_mensuelle(etat, 0);
    return false;
}

} // namespace

void calculer_nombres_mixtes(ThemeCalcule& etat) {
    const Theme& t = etat.theme;
    ecrire(etat.Nomb[nomb::initiation], nombre_maitre(somme_initiation(t)));
    ecrire(etat.Nomb[nomb::vie], nombre_maitre(somme_vie(t)));
    ecrire(etat.Nomb[nomb::cosmique], nombre_maitre(somme_cosmique(t)));

    ecrire(etat.Nomb[nomb::vibration_jour], nombre_entier(t.jour));
    const JourNaissance jour = jour_naissance(t.jour);
    if (jour.deux_chiffres)
        ecrire(etat.Nomb[nomb::defi_jour], nombre_entier(jour.defi));
    else
        ecrire_texte(etat.Nomb[nomb::defi_jour], "");
    ecrire(etat.Nomb[nomb::cadeau_jour], nombre_entier(jour.cadeau));
}

bool calculer_nombres_date(ThemeCalcule& etat, Nombre annee) {
    const Theme& t = etat.theme;
    const Nombre chemin = somme_chemin(t).total();
    chemin_de_vie(etat, somme_chemin(t));
    ecrire(etat.synth[synth::mission], nombre_maitre(somme_mission(t)));
    ecrire(etat.cycle1, nombre_maitre(Somme{Arret::maitre, {{Part::mois, t.mois}}}));
    ecrire(etat.cycle2, nombre_maitre(Somme{Arret::maitre, {{Part::jour, t.jour}}}));
    ecrire(etat.cycle3, nombre_maitre(Somme{Arret::maitre, {{Part::annee, t.annee}}}));
    apogees(etat);
    return onglet_annee(etat, chemin, annee);
}

} // namespace kalder
