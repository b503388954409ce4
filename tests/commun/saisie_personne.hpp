#pragma once
// Typing a person on the "Vous :" line, shared by the tests and the benchmarks.

#include "modele/etat_fenetre.hpp"

#include <string_view>

namespace kalder::essai {

inline void saisir_personne(EtatFenetre& e, std::string_view prenom, std::string_view nom,
                            std::string_view jour = "", std::string_view mois = "",
                            std::string_view annee = "") {
    e.saisir(ChampId::prenom, prenom);
    e.saisir(ChampId::nom, nom);
    e.saisir(ChampId::jour, jour);
    e.saisir(ChampId::mois, mois);
    e.saisir(ChampId::annee, annee);
}

// A fresh window state with a person typed on the "Vous :" line.
inline EtatFenetre fenetre_saisie(std::string_view prenom, std::string_view nom,
                                  std::string_view jour = "") {
    EtatFenetre e;
    saisir_personne(e, prenom, nom, jour);
    return e;
}

// The same on the partner line of the compatibility tab.
inline void saisir_partenaire(EtatFenetre& e, std::string_view prenom, std::string_view nom,
                              std::string_view jour = "", std::string_view mois = "",
                              std::string_view annee = "") {
    e.saisir(ChampId::prenom_partenaire, prenom);
    e.saisir(ChampId::nom_partenaire, nom);
    e.saisir(ChampId::jour_partenaire, jour);
    e.saisir(ChampId::mois_partenaire, mois);
    e.saisir(ChampId::annee_partenaire, annee);
}

// The worked example, typed but not calculated.
inline EtatFenetre anne_marie_dupont() {
    EtatFenetre e;
    saisir_personne(e, "Anne-Marie", "Dupont", "15", "7", "1975");
    return e;
}

// The worked example's names and birth date alone, as the calendar takes them.
inline Theme theme_anne_marie_dupont() {
    Theme t;
    t.prenom = "Anne-Marie";
    t.nom = "Dupont";
    t.jour = 15;
    t.mois = 7;
    t.annee = 1975;
    return t;
}

// The worked example's partner, Paul Martin, born on the `jour` of March 1980:
// on the 10th he shares every personal day of Anne-Marie's, on the 12th none.
inline Theme theme_paul_martin(Nombre jour) {
    Theme t;
    t.prenom = "Paul";
    t.nom = "Martin";
    t.jour = jour;
    t.mois = 3;
    t.annee = 1980;
    return t;
}

} // namespace kalder::essai
