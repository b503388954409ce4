#pragma once
// The parts of the theme's numbers (noyau/decomposition.hpp): the theme
// writes their totals, the explanations write how they were added. Each
// formula of the theme that more than one reader needs lives here once.

#include "modele/theme_calcule.hpp"
#include "noyau/decomposition.hpp"
#include "noyau/lettres_nom.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

Somme somme_mission(const Theme& t);      // mois + jour
Somme somme_chemin(const Theme& t);       // jour + mois + année
Somme somme_initiation(const Theme& t);   // mois + jour + année + jour + voyelles + lettres
Somme somme_vie(const Theme& t);          // mois + jour + année + lettres
Somme somme_cosmique(const Theme& t);     // mois + jour + année + lettres + lettres du nom
Somme somme_personnalite(const Theme& t); // consonnes + lettres du nom
Somme somme_dynamisme(Nombre lettres_premier_mot, Nombre jour);
// The pinnacles 1, 2 and 4: two parts of the date.
Somme somme_apogee(const Theme& t, int apogee);

// The third pinnacle adds day + year and day + month, each reduced to 99 first.
struct Apogee3 {
    Nombre jour_annee;
    Nombre jour_mois;
    Nombre premier; // jour_annee reduced
    Nombre second;  // jour_mois reduced
    Nombre brut() const { return premier + second; }
};
Apogee3 apogee3(const Theme& t);

// The age a pinnacle 1..3 ends at: its start age less the reduced life path.
Nombre depart_fin_apogee(int apogee); // 36, 45, 54
Nombre fin_apogee(Nombre chemin_reduit, int apogee);

// |reduced x − reduced y|: the challenges of the pinnacles and of the name.
struct Ecart {
    Nombre x, y;
    Nombre x_reduit, y_reduit;
    Nombre brut() const { return x_reduit > y_reduit ? x_reduit - y_reduit : y_reduit - x_reduit; }
};
Ecart ecart_reduit(Nombre x, Nombre y);
// The challenges of pinnacles 1, 2 and 4.
Ecart ecart_defi_apogee(const Theme& t, int apogee);
// The third challenge: the first two read back from their slots, as shown.
Ecart ecart_defis_lus(const ThemeCalcule& etat);

// The challenge of the vowels or of the non-vowels (defi::voyelles,
// defi::consonnes): the gap between the values of the first and the last
// character of the class, folded; nothing when the class is empty.
struct EcartExtremes {
    Extremes lettres;
    Nombre premier, dernier; // their values
    Nombre brut() const { return premier > dernier ? premier - dernier : dernier - premier; }
};
std::optional<EcartExtremes> ecart_extremes(std::u32string_view complet, int defi);

// The birth day's challenge and gift: a two-digit day gives the gap between
// its digits; a one-digit day has no challenge and its gift is 9 less the day.
struct JourNaissance {
    bool deux_chiffres;
    Nombre dizaine, unite;
    Nombre defi;   // deux_chiffres only
    Nombre cadeau; // 9 − defi, or 9 − the reduced day
};
JourNaissance jour_naissance(Nombre jour);

// The initials of the first names, then those of the last name.
std::u32string initiales_nom(std::u32string_view prenom, std::u32string_view nom);

// The first character of the last name that folds into a vowel, as written
// (its slot shows it folded); nothing without one.
std::optional<char32_t> premiere_voyelle(std::u32string_view nom);

// Whether a character counts for an expression mode (its row or its column).
bool dans_le_mode(char32_t c, int mode);

} // namespace kalder
