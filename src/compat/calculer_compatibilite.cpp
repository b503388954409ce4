#include "compat/calculer_compatibilite.hpp"

#include "compat/parts_entente.hpp"
#include "modele/ecriture.hpp"
#include "noyau/nombre_saisi.hpp"
#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "saisie/valider_saisie.hpp"

namespace kalder {

namespace {

// The compatibility's slots keep the colour they have.
void poser(Slot& slot, const NombreCalcule& n) {
    ecrire(slot, n, slot.couleur);
}

NombreCalcule date_reduite(Nombre jour, Nombre mois, Nombre annee) {
    return nombre_reduit(somme_date(jour, mois, annee), Ecriture::barre_sauf_zero);
}

// A slot takes part in a common number only when it shows something other than 0.
bool montre_un_nombre(const Slot& slot) {
    return slot.valeur() != 0;
}

} // namespace

void calculer_entente(ThemeCalcule& theme, EntenteCalculee partenaire) {
    auto& e = theme.ent;
    poser(e[ent::expression_partenaire],
          nombre_reduit(somme_lettres(partenaire.prenom_partenaire + partenaire.nom_partenaire),
                        Arret::maitre, Ecriture::barre_sauf_zero));
    poser(e[ent::chemin_vie_partenaire],
          date_reduite(partenaire.jour, partenaire.mois, partenaire.annee));
    // Without both numbers, the common number is emptied rather than left
    // from an earlier partner.
    vider(e[ent::expression_commune]);
    vider(e[ent::chemin_vie_commun]);
    if (montre_un_nombre(e[ent::expression]) && montre_un_nombre(e[ent::expression_partenaire]))
        poser(e[ent::expression_commune],
              nombre_reduit(somme_expression_commune(e[ent::expression_partenaire].valeur(),
                                                     e[ent::expression].valeur()),
                            Ecriture::barre_sauf_zero));
    if (montre_un_nombre(e[ent::chemin_vie]) && montre_un_nombre(e[ent::chemin_vie_partenaire]))
        poser(e[ent::chemin_vie_commun],
              nombre_reduit(somme_chemin_commun(e[ent::chemin_vie_partenaire].valeur(),
                                                e[ent::chemin_vie].valeur()),
                            Ecriture::barre_sauf_zero));
    poser(e[ent::essence_rencontre],
          date_reduite(partenaire.jour_rencontre, partenaire.mois_rencontre,
                       partenaire.annee_rencontre));
    partenaire.votre_expression = e[ent::expression].valeur();
    partenaire.votre_chemin = e[ent::chemin_vie].valeur();
    theme.origines.entente = std::move(partenaire);
}

Issue calculer_compatibilite(EtatFenetre& etat) {
    if (!etat.actif(BoutonId::calculer_entente))
        return {};
    if (auto erreur = valider_noms_partenaire(etat))
        return *erreur;
    const DateSaisie naissance = valider_date(
        etat, {ChampId::jour_partenaire, ChampId::mois_partenaire, ChampId::annee_partenaire});
    if (naissance.erreur)
        return *naissance.erreur;
    const DateSaisie rencontre = valider_date(
        etat, {ChampId::jour_rencontre, ChampId::mois_rencontre, ChampId::annee_rencontre});
    if (rencontre.erreur)
        return *rencontre.erreur;

    etat.activer(BoutonId::entente, true);
    EntenteCalculee partenaire;
    partenaire.prenom_partenaire = rogner(etat.texte(ChampId::prenom_partenaire));
    partenaire.nom_partenaire = rogner(etat.texte(ChampId::nom_partenaire));
    partenaire.jour = naissance.jour;
    partenaire.mois = naissance.mois;
    partenaire.annee = naissance.annee;
    partenaire.jour_rencontre = rencontre.jour;
    partenaire.mois_rencontre = rencontre.mois;
    partenaire.annee_rencontre = rencontre.annee;
    partenaire.pour = etat.origines.theme;
    calculer_entente(etat, std::move(partenaire));
    return {};
}

void actualiser_compatibilite(EtatFenetre& etat) {
    if (!montre_un_nombre(etat.ent[ent::expression_partenaire]))
        return;
    EtatFenetre essai = etat;
    if (!calculer_compatibilite(essai).message) {
        essai.origines.entente.pour = std::move(etat.origines.entente.pour);
        etat = std::move(essai);
        return;
    }
    vider(etat.ent[ent::expression_commune]);
    vider(etat.ent[ent::chemin_vie_commun]);
}

} // namespace kalder
