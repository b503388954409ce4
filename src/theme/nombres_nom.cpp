#include "theme/nombres_nom.hpp"

#include "modele/catalogue.hpp"
#include "noyau/lettres.hpp"
#include "noyau/lettres_nom.hpp"
#include "noyau/mots_nom.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"
#include "theme/modes_lettres.hpp"
#include "theme/parts_theme.hpp"
#include "theme/presence.hpp"

#include <cstdlib>

namespace kalder {

namespace {

// The vowel, consonant and letter numbers take the grid colour only when
// their sum is not zero.
Couleur couleur_somme(const ThemeCalcule& etat, Nombre brut) {
    return brut == 0 ? Couleur::defaut : couleur_presence(etat, brut);
}

// A word's number is dark red when it is a karmic debt.
void ecrire_karmique(Slot& slot, Nombre somme) {
    const NombreCalcule n = nombre_reduit(somme, Arret::karmique, Ecriture::barre_sauf_zero);
    ecrire(slot, n,
           n.etapes.regle == Regle::dette_karmique ? Couleur::rouge_fonce : Couleur::defaut);
}

// A name's number: its raw sum reduced, master numbers kept.
NombreCalcule nombre_maitre(Nombre brut) {
    return nombre_reduit(brut, Arret::maitre, Ecriture::barre_sauf_zero);
}

// A letter's value reduced to one digit; 0 without the letter.
NombreCalcule pierre(bool trouvee, char32_t lettre) {
    return trouvee ? nombre_reduit(valeur_caractere(lettre), Arret::chiffre, Ecriture::nombre)
                   : nombre_entier(0);
}

void pierres(ThemeCalcule& etat, const std::u32string& prenom) {
    const LettresPierres lettres = lire_pierres(prenom);
    Theme& t = etat.theme;
    const NombreCalcule p1 = pierre(lettres.trouvees, lettres.premiere);
    const NombreCalcule p2 = nombre_reduit(lettres.somme, Arret::chiffre, Ecriture::nombre);
    const NombreCalcule p3 = pierre(lettres.trouvees, lettres.derniere);
    t.pierres[1] = p1.valeur();
    t.pierres[2] = p2.valeur();
    t.pierres[3] = p3.valeur();
    ecrire(etat.tri1, legende_pierre_angulaire, p1, couleur_presence(etat, t.pierres[1]));
    ecrire(etat.tri2, legende_nombre_clef, p2, couleur_presence(etat, t.pierres[2]));
    ecrire(etat.tri3, legende_derniere_pierre, p3, couleur_presence(etat, t.pierres[3]));
}

void mots(ThemeCalcule& etat, const std::u32string& prenom, const std::u32string& nom) {
    std::u32string espace = prenom;
    espace += U' ';
    espace += nom;
    espace += U' ';
    const auto liste = couper_mots(espace);
    for (std::size_t k = 0; k < liste.size(); ++k) {
        const std::u32string_view mot = liste[k];
        ecrire_texte(etat.deco[k], encoder_utf8(mot));
        ecrire_karmique(etat.des[k], somme_voyelles(mot));
        ecrire_karmique(etat.dei[k], somme_consonnes(mot));
        etat.deco[k].visible = etat.des[k].visible = etat.dei[k].visible = true;
    }
    // Columns beyond this name's words must not keep an earlier person's words.
    for (std::size_t k = liste.size(); k < etat.deco.size(); ++k) {
        for (Slot* s : {&etat.deco[k], &etat.des[k], &etat.dei[k]})
            *s = Slot{"", Couleur::defaut, false};
    }
}

void defis_nom(ThemeCalcule& etat, const std::u32string& complet) {
    // A class without any character leaves its challenge empty, not an
    // earlier person's value.
    for (int i : {defi::voyelles, defi::consonnes}) {
        const auto ecart = ecart_extremes(complet, i);
        if (ecart)
            ecrire(etat.defi[i], nombre_entier(ecart->brut()));
        else
            ecrire_texte(etat.defi[i], "");
    }
    const Theme& t = etat.theme;
    ecrire(etat.defi[defi::global],
           nombre_entier(ecart_reduit(t.elan_brut, t.moi_intime_brut).brut()));
}

void modes_expression(ThemeCalcule& etat, const std::u32string& complet) {
    std::array<Nombre, mode::dernier + 1> compteurs{};
    for (char32_t c : complet)
        if (const ModeLettre* m = mode_lettre(c)) {
            ++compteurs[m->ligne];
            ++compteurs[m->colonne];
        }
    for (int i = mode::premier; i <= mode::dernier; ++i) {
        etat.theme.modes[i] = compteurs[i];
        ecrire(etat.lettre[i], nombre_entier(compteurs[i]));
    }
}

} // namespace

void calculer_nombres_nom(ThemeCalcule& etat) {
    Theme& t = etat.theme;
    const std::u32string prenom = decoder_utf8(t.prenom);
    const std::u32string nom = decoder_utf8(t.nom);
    const std::u32string complet = prenom + nom;

    std::array<Nombre, 10> grille{};
    for (char32_t c : complet)
        ++grille[valeur_caractere(c)];
    for (int k = chiffres::premier; k <= chiffres::dernier; ++k)
        ecrire(etat.Grille[k], nombre_entier(grille[k]),
               grille[k] == 0 ? Couleur::rouge_fonce : Couleur::defaut);

    t.elan_brut = somme_voyelles(complet);
    const NombreCalcule elan = nombre_maitre(t.elan_brut);
    ecrire(etat.Nomb[nomb::elan], elan);
    ecrire(etat.synth[synth::elan], elan, couleur_somme(etat, t.elan_brut));

    t.actif_brut = somme_lettres(prenom);
    ecrire(etat.Nomb[nomb::actif], nombre_maitre(t.actif_brut));
    t.hereditaire_brut = somme_lettres(nom);
    ecrire(etat.Nomb[nomb::hereditaire], nombre_maitre(t.hereditaire_brut));

    t.expression_brut = somme_lettres(complet);
    const NombreCalcule expression = nombre_maitre(t.expression_brut);
    ecrire(etat.Nomb[nomb::expression], expression);
    ecrire(etat.synth[synth::expression], expression, couleur_somme(etat, t.expression_brut));
    ecrire(etat.ent[ent::expression], expression);

    t.moi_intime_brut = somme_consonnes(complet);
    const NombreCalcule intime = nombre_maitre(t.moi_intime_brut);
    ecrire(etat.Nomb[nomb::moi_intime], intime);
    ecrire(etat.synth[synth::moi_intime], intime, couleur_somme(etat, t.moi_intime_brut));

    ecrire(etat.Nomb[nomb::personnalite], nombre_reduit(somme_personnalite(t), Ecriture::nombre));
}

void calculer_nombres_nom_suite(ThemeCalcule& etat) {
    Theme& t = etat.theme;
    const std::u32string prenom = decoder_utf8(t.prenom);
    const std::u32string nom = decoder_utf8(t.nom);
    const std::u32string complet = prenom + nom;

    pierres(etat, prenom);
    mots(etat, prenom, nom);
    // The first word is read back from its slot.
    ecrire(etat.Nomb[nomb::dynamisme],
           nombre_reduit(somme_dynamisme(somme_lettres(etat.deco[0].texte), t.jour),
                         Ecriture::barre_sauf_zero));
    ecrire(etat.Nomb[nomb::equilibre], nombre_reduit(somme_lettres(initiales_nom(prenom, nom)),
                                                     Arret::chiffre, Ecriture::nombre));
    const auto voyelle = premiere_voyelle(nom);
    ecrire_texte(etat.Nomb[nomb::premiere_voyelle],
                 voyelle ? std::string(1, static_cast<char>(plier(*voyelle))) : std::string(),
                 etat.Nomb[nomb::premiere_voyelle].couleur);
    defis_nom(etat, complet);
    modes_expression(etat, complet);
}

} // namespace kalder
