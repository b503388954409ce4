#pragma once
// The HTML parts of the dossier, each from a calculated state.

#include "document/dossier.hpp"
#include "modele/blocs.hpp"
#include "modele/catalogue.hpp"

#include <QString>

#include <span>
#include <string>
#include <string_view>

namespace kalder::document {

// A slot's caption as the dossier writes it: the window's own captions, but
// for "Votre Chemin de vie", a capital the dossier's text does not keep.
std::string libelle_dossier(std::string libelle);

// A number the dossier shows: one the window shows, unless it reads a birth
// date the person has not given or another person not calculated. The window
// shows them as 0; a dossier never invents a value.
bool dans_le_dossier(const ThemeCalcule& etat, const SlotCatalogue& run, int indice);
// The same for a slot named as `slots_nommes` names it ("Nomb(3)").
bool dans_le_dossier(const ThemeCalcule& etat, std::string_view nom_complet);

// "Sans date de naissance, …": why some numbers are left out; empty when none is.
QString raison_omissions(const ThemeCalcule& etat);

// French typography on a line already escaped: a colon, a semicolon, an
// equals sign or an arrow never starts a line, and a |difference| stays whole
// (a line may otherwise break after its opening bar).
QString insecables(QString ligne);

// An interpretation's blocks as the dossier's headings and paragraphs: a part
// heading is an <h3>, a heading of its own an <h4>, a heading run into its
// lines an <h4> spaced as a paragraph. A paragraph after a blank line or a rule stands
// apart from what precedes it; one right under another follows it closely.
QString blocs_en_html(const Blocs& blocs);

QString html_couverture(const ThemeCalcule& etat, const ParametresDossier& parametres);
// The page of the message for the client; empty without one.
QString html_message(const ParametresDossier& parametres);
// "Les nombres": the four tabs as tables and figures.
QString html_nombres(const ThemeCalcule& etat);
// One interpretation section (synthese, details, cycles, entente); empty when
// the program has nothing to say for it (no partner calculated).
QString html_interpretation(const ThemeCalcule& etat, Section section);
// "Variantes du nom": the compared spellings; empty without any.
QString html_variantes(const ThemeCalcule& etat, const ParametresDossier& parametres);
// "Comment les nombres ont été obtenus", grouped as the tabs are.
QString html_explications(const ThemeCalcule& etat);

// "Calendrier de l'année": the personal days of the year of calculation;
// empty without a birth date.
QString html_calendrier(const ThemeCalcule& etat);

// The whole body, sections in order, each under its title.
QString html_dossier(const ThemeCalcule& etat, const ParametresDossier& parametres);

// The tabs of the window and the slot runs each one shows, by catalogue name.
struct Onglet {
    std::string_view titre;
    std::span<const std::string_view> noms;
};
std::span<const Onglet> onglets();

} // namespace kalder::document
