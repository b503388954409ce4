#pragma once
// A calculated theme as a value: the person, what each result was computed
// from, and every display slot holding the number it shows. No field, button
// or window: the window's state is a presentation of it.

#include "modele/indices_slots.hpp"
#include "noyau/nombre.hpp"
#include "noyau/nombre_calcule.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kalder {

enum class Couleur { defaut, rouge_fonce, vert };

// "#RRGGBB" of a value's colour; empty for the default (the text's own).
constexpr std::string_view couleur_hex(Couleur c) {
    switch (c) {
    case Couleur::rouge_fonce:
        return "#C00000";
    case Couleur::vert:
        return "#008000";
    case Couleur::defaut:
        break;
    }
    return {};
}

// A display slot: its text is written from the number it holds (modele/ecriture.hpp).
struct Slot {
    std::string texte;
    Couleur couleur = Couleur::defaut;
    bool visible = true;
    // The number the text shows, as the calculation reached it; none for a
    // word, a letter, a bare caption or an empty slot.
    std::optional<NombreCalcule> nombre = std::nullopt;
    // The caption written before " : " and the value ("Pierre angulaire"); empty for a bare value.
    std::string_view legende = {};

    // Something to read there.
    bool montre() const { return visible && !texte.empty(); }
    // The value it holds; 0 for none.
    Nombre valeur() const { return nombre ? nombre->valeur() : 0; }
    // The digit after its "/" ("22/4" gives 4), or its value without one.
    Nombre chiffre() const { return nombre ? nombre->chiffre() : 0; }
    // The text of its value, after the caption.
    std::string_view texte_valeur() const {
        const std::string_view t = texte;
        return legende.empty() || t.size() < legende.size() + 3 ? t : t.substr(legende.size() + 3);
    }
};

// The stored part of the theme record.
struct Theme {
    std::string prenom;
    std::string nom;
    Nombre jour = 0;
    Nombre mois = 0;
    Nombre annee = 0;
    Nombre elan_brut = 0;
    Nombre moi_intime_brut = 0;
    Nombre expression_brut = 0;
    Nombre actif_brut = 0;
    Nombre hereditaire_brut = 0;
    std::array<Nombre, 4> pierres{};               // 1..3
    std::array<Nombre, mode::dernier + 1> modes{}; // as the totals of `lettre`

    // What the pinnacles, the monthly grid and the timeline need.
    bool date_complete() const { return jour != 0 && mois != 0 && annee != 0; }
};

// The partner's entries of the last compatibility calculation, and the
// person's two values it read from its tab.
struct EntenteCalculee {
    std::string prenom_partenaire; // trimmed, as the sum read them
    std::string nom_partenaire;
    Nombre jour = 0;
    Nombre mois = 0;
    Nombre annee = 0;
    Nombre jour_rencontre = 0;
    Nombre mois_rencontre = 0;
    Nombre annee_rencontre = 0;
    Nombre votre_expression = 0; // ent(1) as it was read
    Nombre votre_chemin = 0;     // ent(3) as it was read
    // The person the partner was entered for. A new theme computes the
    // compatibility again for the new person, but the partner stays theirs.
    Theme pour;
};

// The same person: names and birth date.
inline bool meme_personne(const Theme& a, const Theme& b) {
    return a.prenom == b.prenom && a.nom == b.nom && a.jour == b.jour && a.mois == b.mois &&
           a.annee == b.annee;
}

// What the results on screen were computed from. Clear-all zeroes the stored
// date while the "Cycles" whole-life panel stays, and the compatibility keeps
// its values when the partner line changes: each result can still tell how
// it was reached.
struct Origines {
    Theme theme;             // the person of the last successful "Calculer"
    Nombre annee_grille = 0; // the year of the forecast grid (0 without a date)
    EntenteCalculee entente;
};

inline constexpr std::array<std::string_view, 12> noms_mois = {
    "Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
    "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};

// A month inside a sentence: "juillet".
std::string nom_mois_minuscule(int mois);
// "de mars", "d'avril": a month as it follows a noun.
std::string du_mois(int mois);

struct ThemeCalcule {
    ThemeCalcule();

    Theme theme;
    Origines origines;
    // The results of `origines.theme` are on screen: from a successful
    // "Calculer" until the window is cleared.
    bool theme_montre = false;

    // Display slots, indexed as on screen; unused low indices stay empty.
    // Their names, ranges and labels are in modele/catalogue.hpp.
    std::array<Slot, chiffres::dernier + 1> Grille;
    std::array<Slot, mode::dernier + 1> lettre;
    std::array<Slot, synth::dernier + 1> synth;
    std::array<Slot, nomb::dernier + 1> Nomb;
    std::array<Slot, defi::dernier + 1> defi;
    std::array<Slot, nombre_mots> deco;
    std::array<Slot, nombre_mots> des;
    std::array<Slot, nombre_mots> dei;
    std::array<Slot, indice_vie_entiere + 1> vie;
    std::array<Slot, nombre_mois + 1> Toi;
    std::array<Slot, nombre_mois + 1> cym;
    std::array<Slot, nombre_mois + 1> esse;
    std::array<Slot, nombre_apogees + 1> apog;
    std::array<Slot, nombre_apogees + 1> leco;
    std::array<Slot, nombre_mois + 1> periode;
    std::array<Slot, nombre_mois + 1> profec;
    std::array<Slot, indice_semaine(nombre_semaines, nombre_mois) + 1> semaine;
    std::array<Slot, indice_semaine(nombre_semaines, nombre_mois) + 1> semdef;
    std::array<Slot, ent::dernier + 1> ent;
    Slot tri1, tri2, tri3;
    Slot cycle1, cycle2, cycle3;
    Slot apogee1, apogee2, apogee3, apogee4;
    Slot fin_apogee1, fin_apogee2, fin_apogee3;
    Slot defi_apogee1, defi_apogee2, defi_apogee3, defi_apogee4;
    Slot annee_personnelle;
    Slot lettre_passage;

    // The year of calculation: the year of the forecast grid, or
    // `annee_courante` when the theme has none.
    Nombre annee_calcul(Nombre annee_courante) const {
        return origines.annee_grille != 0 ? origines.annee_grille : annee_courante;
    }

    // The triangle's bare captions and the hidden, empty word columns of a
    // theme not yet calculated.
    void remettre_triangle_et_mots();
};

} // namespace kalder
