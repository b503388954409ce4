#pragma once
// The parts of the forecast grid's numbers (noyau/decomposition.hpp): the
// grid writes their values, the explanations write how they were reached.

#include "modele/theme_calcule.hpp"
#include "noyau/decomposition.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kalder {

Somme somme_annee_personnelle(const Theme& t, Nombre annee); // année + mois + jour
Somme somme_mois_personnel(Nombre annee_personnelle, int mois);
Somme somme_essence(Nombre cycle_mensuel, Nombre mois_personnel);
// The personal day follows from the personal month as that month follows
// from the personal year: mois personnel + jour, reduced to one digit.
Somme somme_jour_personnel(Nombre mois_personnel, int jour);

// The personal year, month and day of one date for the person of `t`.
struct JourPersonnel {
    Nombre annee_personnelle;
    Nombre mois_personnel;
    Nombre jour_personnel;
};
JourPersonnel jour_personnel(const Theme& t, Nombre annee, int mois, int jour);

// The letter of the year: the folded letters of the whole name read in a
// loop, one a year from birth.
struct LettrePassage {
    Nombre rang;            // the year of life: année − naissance + 1
    std::u32string lettres; // the folded letters A..Z of the name
    Nombre reste;           // rang modulo their number; 0 stands for the last
    char32_t lettre;
};
std::optional<LettrePassage> lettre_passage(std::u32string_view complet, Nombre naissance,
                                            Nombre annee);

// The monthly cycle: three values for three runs of four months from the
// starting month.
struct CycleMensuel {
    Nombre annee_reduite; // the birth year reduced: the first four months
    Nombre chemin_brut;   // jour + mois + année
    Nombre chemin;        // the reduced life path
    Nombre ecart;         // |année − chemin|, reduced: the next four
    Nombre ecart_reduit;
    Nombre somme; // annee_reduite + ecart_reduit, reduced: the last four
    std::array<Nombre, 3> valeurs() const { return {annee_reduite, ecart_reduit, somme}; }
};
CycleMensuel cycle_mensuel(const Theme& t, Nombre annee);
int tiers_du_cycle(int mois, int depart); // 0..2

// The pinnacles of the year and their lessons.
struct ApogeesAnnee {
    Nombre naissance;       // mois + jour
    Nombre annee_naissance; // année + mois + jour
    Nombre annee_99;        // the year reduced to 99
    Nombre naissance_99;
    Nombre annee_naissance_99;   // année + mois + jour reduced to 99
    std::array<Nombre, 4> bruts; // the raw sum of each pinnacle
    std::array<Nombre, 4> apogees;
    Nombre ecart_lecon1; // |année − jour − mois|, for lessons 1 and 2
    Nombre annee_naissance_reduite;
    Nombre ecart_lecon3; // |naissance − that|, for lessons 3 and 4
};
ApogeesAnnee apogees_annee(const Theme& t, Nombre annee);

// The monthly cycle starts in the birth month for a birth up to this day of
// the month, in the next month after it.
inline constexpr Nombre dernier_jour_depart_naissance = 15;
inline bool depart_au_mois_de_naissance(const Theme& t) {
    return t.jour <= dernier_jour_depart_naissance;
}

// December is followed by January.
inline int mois_suivant(int m) {
    return m % 12 + 1;
}

// The 52-day periods from the birthday, months counted 30 days: each month
// of the grid, from the one the count starts in, with the days it covers
// after the birthday (debut excluded, fin included) and the period holding
// most of them.
struct PeriodeMois {
    int mois;
    Nombre debut, fin;
    Nombre periode;
};
std::array<PeriodeMois, 12> periodes_52(const Theme& t);

// The profection of a month: the years since birth modulo 12, one more from
// the starting month, 0 counted 12 before it.
struct Profection {
    Nombre ecart;
    Nombre reste;
    Nombre valeur(int mois, int depart) const;
};
Profection profection(Nombre naissance, Nombre annee);

// The week pinnacles of a month rest on the base year + month + day reduced to
// 99, and that base plus the month.
struct SemainesMois {
    Nombre base_brute;
    Nombre base;
    Nombre base_mois; // base + month reduced to 99
    // The raw sums of weeks 1, 2 and 4 and of their challenges (week 3 reads
    // weeks 1 and 2 back from their slots).
    Nombre apogee_brut(int semaine, int mois) const;
    Nombre defi_brut(int semaine, int mois) const;
};
SemainesMois semaines_mois(const Theme& t, Nombre annee, int mois);

// Week 3 and its challenge: weeks 1 and 2 read back from their slots, as shown.
struct Semaine3 {
    Nombre semaine2, semaine1; // master numbers whole
    Nombre defi1, defi2;
    Nombre apogee_brut() const { return semaine2 + semaine1; }
    Nombre defi_brut() const { return defi1 > defi2 ? defi1 - defi2 : defi2 - defi1; }
};
Semaine3 semaine3_lue(const ThemeCalcule& etat, int mois);

} // namespace kalder
