#include "modele/etat_fenetre.hpp"

namespace kalder {

namespace {

constexpr std::array<std::string_view, nombre_champs> noms_champs = {"champ_prenom",
                                                                     "champ_nom",
                                                                     "champ_jour",
                                                                     "champ_mois",
                                                                     "champ_annee",
                                                                     "champ_prenom_partenaire",
                                                                     "champ_nom_partenaire",
                                                                     "champ_jour_partenaire",
                                                                     "champ_mois_partenaire",
                                                                     "champ_annee_partenaire",
                                                                     "champ_jour_rencontre",
                                                                     "champ_mois_rencontre",
                                                                     "champ_annee_rencontre",
                                                                     "champ_annee_calcul"};

constexpr std::array<std::string_view, nombre_boutons> noms_boutons = {"bouton_calculer",
                                                                       "bouton_effacer_tout",
                                                                       "bouton_synthese",
                                                                       "bouton_details",
                                                                       "bouton_annee",
                                                                       "bouton_calculer_annee",
                                                                       "bouton_calculer_entente",
                                                                       "bouton_effacer_partenaire",
                                                                       "bouton_entente"};

// The button that calculates with a field; the meeting date has none.
std::optional<BoutonId> bouton_du_champ(ChampId id) {
    switch (id) {
    case ChampId::prenom:
    case ChampId::nom:
    case ChampId::jour:
    case ChampId::mois:
    case ChampId::annee:
        return BoutonId::calculer;
    case ChampId::prenom_partenaire:
    case ChampId::nom_partenaire:
    case ChampId::jour_partenaire:
    case ChampId::mois_partenaire:
    case ChampId::annee_partenaire:
        return BoutonId::calculer_entente;
    case ChampId::annee_calcul:
        return BoutonId::calculer_annee;
    case ChampId::jour_rencontre:
    case ChampId::mois_rencontre:
    case ChampId::annee_rencontre:
        break;
    }
    return std::nullopt;
}

} // namespace

EtatFenetre::EtatFenetre() {
    activer(BoutonId::calculer, true);
    activer(BoutonId::effacer_tout, true);
    activer(BoutonId::effacer_partenaire, true);
    champ(ChampId::annee_calcul).actif = false;
}

void EtatFenetre::saisir(ChampId id, std::string_view nouveau) {
    Champ& c = champ(id);
    if (c.texte == nouveau)
        return;
    c.texte.assign(nouveau);
    if (auto bouton = bouton_du_champ(id))
        bouton_defaut = *bouton;
}

void EtatFenetre::saisir_date(const std::array<ChampId, 3>& date, Nombre jour, Nombre mois,
                              Nombre annee) {
    if (jour <= 0)
        return;
    saisir(date[0], std::to_string(jour));
    saisir(date[1], std::to_string(mois));
    saisir(date[2], std::to_string(annee));
}

void EtatFenetre::saisir_personne(const Theme& personne) {
    saisir(ChampId::prenom, personne.prenom);
    saisir(ChampId::nom, personne.nom);
    saisir_date({ChampId::jour, ChampId::mois, ChampId::annee}, personne.jour, personne.mois,
                personne.annee);
}

std::optional<BoutonId> EtatFenetre::bouton_entree() const {
    if (!actif(bouton_defaut))
        return std::nullopt;
    return bouton_defaut;
}

std::string_view nom_champ(ChampId id) {
    return noms_champs[static_cast<int>(id)];
}
std::string_view nom_bouton(BoutonId id) {
    return noms_boutons[static_cast<int>(id)];
}

} // namespace kalder
