#include "theme/parts_theme.hpp"

#include "noyau/ages_vie.hpp"
#include "noyau/lettres.hpp"
#include "noyau/lettres_nom.hpp"
#include "noyau/sommes.hpp"
#include "theme/modes_lettres.hpp"

#include <cstdlib>

namespace kalder {

Somme somme_mission(const Theme& t) {
    return {Arret::maitre, {{Part::mois, t.mois}, {Part::jour, t.jour}}};
}

Somme somme_chemin(const Theme& t) {
    return somme_date(t.jour, t.mois, t.annee);
}

Somme somme_initiation(const Theme& t) {
    return {Arret::maitre,
            {{Part::mois, t.mois},
             {Part::jour, t.jour},
             {Part::annee, t.annee},
             {Part::jour, t.jour},
             {Part::voyelles, t.elan_brut},
             {Part::lettres, t.expression_brut}}};
}

Somme somme_vie(const Theme& t) {
    return {Arret::maitre,
            {{Part::mois, t.mois},
             {Part::jour, t.jour},
             {Part::annee, t.annee},
             {Part::lettres, t.expression_brut}}};
}

Somme somme_cosmique(const Theme& t) {
    return {Arret::maitre,
            {{Part::mois, t.mois},
             {Part::jour, t.jour},
             {Part::annee, t.annee},
             {Part::lettres, t.expression_brut},
             {Part::lettres_nom, t.hereditaire_brut}}};
}

Somme somme_personnalite(const Theme& t) {
    return {Arret::chiffre,
            {{Part::consonnes, t.moi_intime_brut}, {Part::lettres_nom, t.hereditaire_brut}}};
}

Somme somme_dynamisme(Nombre lettres_premier_mot, Nombre jour) {
    return {Arret::maitre, {{Part::lettres_premier_mot, lettres_premier_mot}, {Part::jour, jour}}};
}

Somme somme_apogee(const Theme& t, int apogee) {
    switch (apogee) {
    case 1:
        return {Arret::jusqua99, {{Part::mois, t.mois}, {Part::jour, t.jour}}};
    case 2:
        return {Arret::jusqua99, {{Part::jour, t.jour}, {Part::annee, t.annee}}};
    case 4:
        return {Arret::jusqua99, {{Part::mois, t.mois}, {Part::annee, t.annee}}};
    }
    return {Arret::jusqua99, {}};
}

Apogee3 apogee3(const Theme& t) {
    const Nombre ja = t.jour + t.annee, jm = t.jour + t.mois;
    return {ja, jm, reduire_99(ja), reduire_99(jm)};
}

// The first three pinnacles end at the fourth, fifth and sixth nodes, less the life path.
Nombre depart_fin_apogee(int apogee) {
    return age_noeud(apogee + 3);
}

Nombre fin_apogee(Nombre chemin_reduit, int apogee) {
    return depart_fin_apogee(apogee) - chemin_reduit;
}

Ecart ecart_reduit(Nombre x, Nombre y) {
    return {x, y, reduire(x), reduire(y)};
}

Ecart ecart_defi_apogee(const Theme& t, int apogee) {
    switch (apogee) {
    case 1:
        return ecart_reduit(t.jour, t.mois);
    case 2:
        return ecart_reduit(t.jour, t.annee);
    case 4:
        return ecart_reduit(t.mois, t.annee);
    }
    return {};
}

Ecart ecart_defis_lus(const ThemeCalcule& etat) {
    return ecart_reduit(etat.defi_apogee1.valeur(), etat.defi_apogee2.valeur());
}

std::optional<EcartExtremes> ecart_extremes(std::u32string_view complet, int defi) {
    const auto e =
        defi == defi::voyelles ? extremes_voyelles(complet) : extremes_non_voyelles(complet);
    if (!e)
        return std::nullopt;
    return EcartExtremes{*e, valeur_caractere(e->premier), valeur_caractere(e->dernier)};
}

JourNaissance jour_naissance(Nombre jour) {
    if (jour >= 10 && jour <= 99) {
        const Nombre dizaine = jour / 10, unite = jour % 10;
        const Nombre defi = std::llabs(dizaine - unite);
        return {true, dizaine, unite, defi, 9 - defi};
    }
    return {false, 0, 0, 0, 9 - reduire(jour)};
}

std::u32string initiales_nom(std::u32string_view prenom, std::u32string_view nom) {
    return initiales(prenom) + initiales(nom);
}

std::optional<char32_t> premiere_voyelle(std::u32string_view nom) {
    for (char32_t c : nom) {
        const char32_t p = plier(c);
        if (est_voyelle_pliee(p))
            return c;
    }
    return std::nullopt;
}

bool dans_le_mode(char32_t c, int mode) {
    const ModeLettre* m = mode_lettre(c);
    return m && (m->ligne == mode || m->colonne == mode);
}

} // namespace kalder
