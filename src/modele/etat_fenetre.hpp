#pragma once
// The state of the main window, held without any widget: the fields, the
// display slots, the buttons and what the last command asks the window to do.
// Every command of the program works on this state; the Qt window only shows it.

#include "modele/blocs.hpp"
#include "modele/theme_calcule.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kalder {

enum class ChampId : int {
    prenom,
    nom,
    jour,
    mois,
    annee,
    prenom_partenaire,
    nom_partenaire,
    jour_partenaire,
    mois_partenaire,
    annee_partenaire,
    jour_rencontre,
    mois_rencontre,
    annee_rencontre,
    annee_calcul,
};
inline constexpr int nombre_champs = 14;

enum class BoutonId : int {
    calculer,
    effacer_tout,
    synthese,
    details,
    annee,
    calculer_annee,
    calculer_entente,
    effacer_partenaire,
    entente,
};
inline constexpr int nombre_boutons = 9;

struct Champ {
    std::string texte;
    bool actif = true;
};

enum class Icone { aucune, avertissement, question, information, exclamation };

struct Message {
    std::string titre;
    std::string texte;
    Icone icone = Icone::avertissement;
};

// What a command asks of the window once it has run.
struct Issue {
    std::optional<Message> message;
    std::optional<ChampId> focus;
    bool afficher_interpretation = false;
    std::string statut; // a line for the status bar; empty for none
};

// The window: its fields, buttons and interpretation beside the theme it shows.
struct EtatFenetre : ThemeCalcule {
    EtatFenetre();

    std::array<Champ, nombre_champs> champs;
    std::array<bool, nombre_boutons> boutons_actifs{};
    BoutonId bouton_defaut = BoutonId::calculer;
    bool liste_mois_active = false;
    int mois_choisi = 1; // 1 = "Janvier"
    Interpretation interpretation;

    Champ& champ(ChampId id) { return champs[static_cast<int>(id)]; }
    const Champ& champ(ChampId id) const { return champs[static_cast<int>(id)]; }
    const std::string& texte(ChampId id) const { return champ(id).texte; }

    // Changes a field's text as typing would, moving the default button.
    void saisir(ChampId id, std::string_view texte);
    // Types a stored date back into its three fields; no date stored (a day
    // of 0) leaves them as they are.
    void saisir_date(const std::array<ChampId, 3>& champs, Nombre jour, Nombre mois, Nombre annee);
    // Types a stored person back into the "Vous :" line.
    void saisir_personne(const Theme& personne);

    bool actif(BoutonId id) const { return boutons_actifs[static_cast<int>(id)]; }
    void activer(BoutonId id, bool actif) { boutons_actifs[static_cast<int>(id)] = actif; }

    // The button that Enter presses, if it can be pressed.
    std::optional<BoutonId> bouton_entree() const;
};

std::string_view nom_champ(ChampId id);   // "champ_prenom"
std::string_view nom_bouton(BoutonId id); // "bouton_calculer"

} // namespace kalder
