// How the numbers of the compatibility tab were reached.
#include "explication/contexte.hpp"
#include "explication/redaction.hpp"

#include "compat/parts_entente.hpp"
#include "noyau/sommes.hpp"
#include "noyau/utf8.hpp"

namespace kalder::explication {

namespace {

std::string date(std::string_view quoi, Nombre jour, Nombre mois, Nombre annee) {
    const Somme s = somme_date(jour, mois, annee);
    return std::string(quoi) + deux_points + termes_somme(s, false) + egal +
           reduction(s.total(), Forme::maitre);
}

} // namespace

std::string expliquer_entente(const Contexte& c, int i) {
    const EntenteCalculee& e = c.etat.origines.entente;
    switch (i) {
    case ent::expression:
        return expliquer_nomb(c, nomb::expression);
    case ent::expression_partenaire:
        return "Lettres de " + guillemets(e.prenom_partenaire + " " + e.nom_partenaire) +
               deux_points + termes_lettres(decoder_utf8(e.prenom_partenaire + e.nom_partenaire)) +
               egal +
               reduction(somme_lettres(e.prenom_partenaire + e.nom_partenaire), Forme::maitre);
    case ent::chemin_vie:
        return expliquer_chemin(c);
    case ent::chemin_vie_partenaire:
        return date("Naissance de l'autre personne", e.jour, e.mois, e.annee);
    case ent::expression_commune: {
        // The two expressions as the tab showed them, master numbers whole.
        return somme_ecrite(
            somme_expression_commune(c.etat.ent[ent::expression_partenaire].valeur(),
                                     e.votre_expression),
            Forme::maitre);
    }
    case ent::chemin_vie_commun: {
        return somme_ecrite(
            somme_chemin_commun(c.etat.ent[ent::chemin_vie_partenaire].valeur(), e.votre_chemin),
            Forme::jusqua22);
    }
    case ent::essence_rencontre:
        return date("Rencontre", e.jour_rencontre, e.mois_rencontre, e.annee_rencontre);
    }
    return {};
}

} // namespace kalder::explication
