#include "repertoire/prendre_personne.hpp"

#include "modele/effacer.hpp"

namespace kalder {

void prendre_vous(EtatFenetre& etat, const Personne& p) {
    effacer(etat);
    etat.saisir(ChampId::prenom, p.prenoms);
    etat.saisir(ChampId::nom, p.nom);
    etat.saisir(ChampId::jour, p.jour);
    etat.saisir(ChampId::mois, p.mois);
    etat.saisir(ChampId::annee, p.annee);
}

void prendre_partenaire(EtatFenetre& etat, const Personne& p) {
    etat.saisir(ChampId::prenom_partenaire, p.prenoms);
    etat.saisir(ChampId::nom_partenaire, p.nom);
    etat.saisir(ChampId::jour_partenaire, p.jour);
    etat.saisir(ChampId::mois_partenaire, p.mois);
    etat.saisir(ChampId::annee_partenaire, p.annee);
}

} // namespace kalder
