#pragma once
// The HTML parts of the dossier, each from a calculated state.

#include "document/dossier.hpp"

#include <QString>

#include <span>
#include <string_view>

namespace kalder::document {

QString html_couverture(const EtatFenetre& etat, const ParametresDossier& parametres);
// "Les nombres": the four tabs as tables and figures.
QString html_nombres(const EtatFenetre& etat);
// One interpretation section (synthese, details, cycles, entente); empty when
// the program has nothing to say for it (no partner calculated).
QString html_interpretation(const EtatFenetre& etat, Section section);
// "Variantes du nom": the compared spellings; empty without any.
QString html_variantes(const EtatFenetre& etat, const ParametresDossier& parametres);
// "Comment les nombres ont été obtenus", grouped as the tabs are.
QString html_explications(const EtatFenetre& etat);

// "Calendrier de l'année": the personal days of the year of calculation;
// empty without a birth date.
QString html_calendrier(const EtatFenetre& etat);

// The whole body, sections in order, each under its title.
QString html_dossier(const EtatFenetre& etat, const ParametresDossier& parametres);

// The tabs of the window and the slot runs each one shows, by catalogue name.
struct Onglet {
    std::string_view titre;
    std::span<const std::string_view> noms;
};
std::span<const Onglet> onglets();

} // namespace kalder::document
