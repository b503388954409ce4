#include "modele/effacer.hpp"

namespace kalder {

namespace {

void vider(Slot& s) {
    s.texte.clear();
}

constexpr ChampId champs_partenaire[] = {ChampId::prenom_partenaire, ChampId::nom_partenaire,
                                         ChampId::jour_partenaire, ChampId::mois_partenaire,
                                         ChampId::annee_partenaire};

} // namespace

void effacer(EtatFenetre& e) {
    for (ChampId id : {ChampId::prenom, ChampId::nom, ChampId::jour, ChampId::mois, ChampId::annee})
        e.saisir(id, "");
    for (ChampId id : champs_partenaire)
        e.saisir(id, "");
    for (int k = 1; k <= 9; ++k)
        vider(e.Grille[k]);
    for (auto& s : e.Nomb)
        vider(s);
    for (auto& s : e.lettre)
        vider(s);
    for (auto& s : e.synth)
        vider(s);
    e.remettre_triangle_et_mots();
    for (auto& s : e.defi)
        vider(s);
    vider(e.annee_personnelle);
    vider(e.lettre_passage);
    e.saisir(ChampId::annee_calcul, "");
    e.champ(ChampId::annee_calcul).actif = false;
    for (BoutonId b : {BoutonId::synthese, BoutonId::details, BoutonId::annee,
                       BoutonId::calculer_annee, BoutonId::calculer_entente, BoutonId::entente})
        e.activer(b, false);
    e.liste_mois_active = false;
    for (int m = 1; m <= 12; ++m)
        for (Slot* s : {&e.Toi[m], &e.cym[m], &e.esse[m], &e.periode[m], &e.profec[m]})
            vider(*s);
    for (int k = 1; k <= 4; ++k) {
        vider(e.apog[k]);
        vider(e.leco[k]);
    }
    for (int i = 1; i <= 48; ++i) {
        vider(e.semaine[i]);
        vider(e.semdef[i]);
    }
    for (int i = 1; i <= 7; ++i)
        vider(e.ent[i]);
    e.interpretation = Interpretation{};
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
    for (int i = 1; i <= 7; ++i)
        vider(e.ent[i]);
}

} // namespace kalder
