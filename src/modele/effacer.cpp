#include "modele/effacer.hpp"

#include "modele/catalogue.hpp"
#include "modele/ecriture.hpp"

namespace kalder {

namespace {

constexpr ChampId champs_partenaire[] = {ChampId::prenom_partenaire, ChampId::nom_partenaire,
                                         ChampId::jour_partenaire, ChampId::mois_partenaire,
                                         ChampId::annee_partenaire};

} // namespace

void effacer(EtatFenetre& e) {
    for (ChampId id : {ChampId::prenom, ChampId::nom, ChampId::jour, ChampId::mois, ChampId::annee})
        e.saisir(id, "");
    for (ChampId id : champs_partenaire)
        e.saisir(id, "");
    for (const SlotCatalogue& entree : catalogue_slots())
        if (entree.efface_tout)
            for (int i = entree.premier; i <= entree.dernier; ++i)
                vider(entree.slot(e, i));
    e.remettre_triangle_et_mots();
    e.saisir(ChampId::annee_calcul, "");
    e.champ(ChampId::annee_calcul).actif = false;
    for (BoutonId b : {BoutonId::synthese, BoutonId::details, BoutonId::annee,
                       BoutonId::calculer_annee, BoutonId::calculer_entente, BoutonId::entente})
        e.activer(b, false);
    e.liste_mois_active = false;
    e.interpretation = Interpretation{};
    e.theme_montre = false;
    Theme& t = e.theme;
    t.jour = t.mois = t.annee = 0;
    t.elan_brut = t.moi_intime_brut = t.expression_brut = 0;
}

Issue effacer_tout(EtatFenetre& e) {
    effacer(e);
    Issue issue;
    issue.focus = ChampId::prenom;
    return issue;
}

void effacer_partenaire(EtatFenetre& e) {
    for (ChampId id : champs_partenaire)
        e.saisir(id, "");
    for (int i = ent::premier; i <= ent::dernier; ++i)
        vider(e.ent[i]);
}

} // namespace kalder
