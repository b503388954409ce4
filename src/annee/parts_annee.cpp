#include "annee/parts_annee.hpp"

#include "noyau/lettres_nom.hpp"
#include "noyau/sommes.hpp"

#include <cstdlib>

namespace kalder {

Somme somme_annee_personnelle(const Theme& t, Nombre annee) {
    return {Arret::chiffre, {{Part::annee, annee}, {Part::mois, t.mois}, {Part::jour, t.jour}}};
}

Somme somme_mois_personnel(Nombre annee_personnelle, int mois) {
    return {Arret::chiffre,
            {{Part::annee_personnelle, annee_personnelle}, {Part::mois, Nombre{mois}}}};
}

Somme somme_essence(Nombre cycle, Nombre personnel) {
    return {Arret::maitre, {{Part::cycle_mensuel, cycle}, {Part::mois_personnel, personnel}}};
}

Somme somme_jour_personnel(Nombre mois_personnel, int jour) {
    return {Arret::chiffre, {{Part::mois_personnel, mois_personnel}, {Part::jour, Nombre{jour}}}};
}

JourPersonnel jour_personnel(const Theme& t, Nombre annee, int mois, int jour) {
    const Nombre a = reduire(somme_annee_personnelle(t, annee).total());
    const Nombre m = reduire(somme_mois_personnel(a, mois).total());
    return {a, m, reduire(somme_jour_personnel(m, jour).total())};
}

std::optional<LettrePassage> lettre_passage(std::u32string_view complet, Nombre naissance,
                                            Nombre annee) {
    std::u32string lettres = lettres_pliees(complet);
    const Nombre rang = annee - naissance + 1;
    const auto nombre = static_cast<Nombre>(lettres.size());
    if (rang <= 0 || nombre == 0)
        return std::nullopt;
    const Nombre reste = rang % nombre;
    const char32_t lettre =
        reste == 0 ? lettres.back() : lettres[static_cast<std::size_t>(reste - 1)];
    return LettrePassage{rang, std::move(lettres), reste, lettre};
}

CycleMensuel cycle_mensuel(const Theme& t, Nombre annee) {
    const Nombre a = reduire(t.annee);
    const Nombre brut = somme_date(t.jour, t.mois, t.annee).total();
    const Nombre chemin = reduire(brut);
    const Nombre ecart = std::llabs(annee - chemin);
    const Nombre b = reduire(ecart);
    return {a, brut, chemin, ecart, b, reduire(a + b)};
}

int tiers_du_cycle(int mois, int depart) {
    return (mois - depart + 12) % 12 / 4;
}

ApogeesAnnee apogees_annee(const Theme& t, Nombre annee) {
    ApogeesAnnee a{};
    a.naissance = t.mois + t.jour;
    a.annee_naissance = annee + a.naissance;
    a.annee_99 = reduire_99(annee);
    a.naissance_99 = reduire_99(a.naissance);
    a.annee_naissance_99 = reduire_99(a.annee_naissance);
    a.bruts[0] = a.annee_99 + a.naissance_99;
    a.bruts[1] = a.annee_naissance_99 + a.naissance_99;
    a.apogees[0] = reduire_99(a.bruts[0]);
    a.apogees[1] = reduire_99(a.bruts[1]);
    a.bruts[2] = a.apogees[0] + a.apogees[1];
    a.bruts[3] = a.annee_naissance_99 + a.annee_99;
    a.apogees[2] = reduire_99(a.bruts[2]);
    a.apogees[3] = reduire_99(a.bruts[3]);
    a.ecart_lecon1 = std::llabs(annee - t.jour - t.mois);
    a.annee_naissance_reduite = reduire(a.annee_naissance);
    a.ecart_lecon3 = std::llabs(a.naissance - a.annee_naissance_reduite);
    return a;
}

std::array<PeriodeMois, 12> periodes_52(const Theme& t) {
    int mois = static_cast<int>(t.mois);
    Nombre fin = 30 - t.jour; // the end of the birth month
    // Born after the 15th: the birth month is mostly before the birthday.
    if (t.jour >= 16) {
        mois = mois_suivant(mois);
        fin += 30;
    }
    std::array<PeriodeMois, 12> r{};
    Nombre periode = 1;
    r[0] = {mois, fin - 30, fin, periode};
    for (std::size_t i = 1; i < r.size(); ++i) {
        mois = mois_suivant(mois);
        const Nombre debut = fin;
        fin += 30;
        // The month stays in the period while 16 of its days or more are left in it.
        if (52 * periode - debut < 16)
            ++periode;
        r[i] = {mois, debut, fin, periode};
    }
    return r;
}

Nombre Profection::valeur(int mois, int depart) const {
    if (mois >= depart)
        return reste + 1;
    return reste == 0 ? 12 : reste;
}

Profection profection(Nombre naissance, Nombre annee) {
    const Nombre ecart = std::llabs(annee - naissance);
    return {ecart, ecart % 12};
}

SemainesMois semaines_mois(const Theme& t, Nombre annee, int mois) {
    const Nombre brute = annee + t.mois + t.jour;
    const Nombre base = reduire_99(brute);
    return {brute, base, reduire_99(base + mois)};
}

Semaine3 semaine3_lue(const ThemeCalcule& etat, int mois) {
    const auto s1 = static_cast<std::size_t>(indice_semaine(1, mois));
    const auto s2 = static_cast<std::size_t>(indice_semaine(2, mois));
    return {etat.semaine[s2].valeur(), etat.semaine[s1].valeur(), etat.semdef[s1].valeur(),
            etat.semdef[s2].valeur()};
}

Nombre SemainesMois::apogee_brut(int semaine, int mois) const {
    switch (semaine) {
    case 1:
        return base + mois;
    case 2:
        return base + base_mois;
    case 4:
        return mois + base_mois;
    }
    return 0;
}

Nombre SemainesMois::defi_brut(int semaine, int mois) const {
    switch (semaine) {
    case 1:
        return std::llabs(mois - base);
    case 2:
        return std::llabs(base - base_mois);
    case 4:
        return std::llabs(mois - base_mois);
    }
    return 0;
}

} // namespace kalder
