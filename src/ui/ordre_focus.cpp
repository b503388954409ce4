// The Tab key's order: the "Vous :" line, the tab strip, then the controls of
// the page shown (Qt skips hidden pages and disabled controls by itself).
// Tabs not built yet have no controls: the chain is laid again as each comes.
#include "ui/fenetre_principale.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace kalder::ui {

void FenetrePrincipale::ordonner_focus() {
    using C = ChampId;
    using B = BoutonId;
    const auto champ = [this](C id) -> QWidget* { return controles_.champs[static_cast<int>(id)]; };
    const auto bouton = [this](B id) -> QWidget* {
        return controles_.boutons[static_cast<int>(id)];
    };
    QWidget* ordre[] = {
        champ(C::prenom),
        champ(C::nom),
        champ(C::jour),
        champ(C::mois),
        champ(C::annee),
        bouton(B::calculer),
        bouton(B::effacer_tout),
        onglets_,
        bouton(B::synthese),
        bouton(B::details),
        bouton(B::annee),
        champ(C::annee_calcul),
        bouton(B::calculer_annee),
        controles_.liste_mois,
        bouton(B::entente),
        champ(C::prenom_partenaire),
        champ(C::nom_partenaire),
        champ(C::jour_partenaire),
        champ(C::mois_partenaire),
        champ(C::annee_partenaire),
        bouton(B::calculer_entente),
        bouton(B::effacer_partenaire),
        champ(C::jour_rencontre),
        champ(C::mois_rencontre),
        champ(C::annee_rencontre),
    };
    QWidget* precedent = nullptr;
    for (QWidget* w : ordre) {
        if (!w)
            continue;
        if (precedent)
            setTabOrder(precedent, w);
        precedent = w;
    }
}

} // namespace kalder::ui
