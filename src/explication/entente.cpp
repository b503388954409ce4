// How the numbers of the compatibility tab were reached.
#include "explication/contexte.hpp"
#include "explication/redaction.hpp"

#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"

namespace kalder::explication {

namespace {

std::string date(std::string_view quoi, Nombre jour, Nombre mois, Nombre annee) {
    return std::string(quoi) + " : jour " + nombre(jour) + " + mois " + nombre(mois) + " + année " +
           nombre(annee) + " = " + reduction(jour + mois + annee, Forme::maitre);
}

} // namespace

std::string expliquer_entente(const Contexte& c, int i) {
    const EntenteCalculee& e = c.etat.origines.entente;
    switch (i) {
    case ent::expression:
        return expliquer_nomb(c, nomb::expression);
    case ent::expression_partenaire:
        return "Lettres du partenaire " + guillemets(e.nom_partenaire) + " : " +
               termes_lettres(decoder_utf8(e.nom_partenaire)) + " = " +
               reduction(somme_lettres(e.nom_partenaire), Forme::maitre);
    case ent::chemin_vie:
        return expliquer_chemin(c);
    case ent::chemin_vie_partenaire:
        return date("Naissance du partenaire", e.jour, e.mois, e.annee);
    case ent::expression_commune: {
        // The two expressions as the tab showed them, master numbers whole.
        const Nombre partenaire = avant_barre(c.etat.ent[ent::expression_partenaire].texte);
        const Nombre vous = avant_barre(e.votre_expression);
        return "Expression du partenaire " + nombre(partenaire) + " + votre expression " +
               nombre(vous) + " = " + reduction(partenaire + vous, Forme::maitre);
    }
    case ent::chemin_vie_commun: {
        const Nombre partenaire = avant_barre(c.etat.ent[ent::chemin_vie_partenaire].texte);
        const Nombre vous = avant_barre(e.votre_chemin);
        return "Chemin de vie du partenaire " + nombre(partenaire) + " + votre chemin de vie " +
               nombre(vous) + " = " + reduction(partenaire + vous, Forme::jusqua22);
    }
    default:
        return date("Rencontre", e.jour_rencontre, e.mois_rencontre, e.annee_rencontre);
    }
}

} // namespace kalder::explication
