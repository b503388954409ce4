#include "ui/pages.hpp"

#include <QLabel>
#include <QPushButton>

namespace kalder::ui {

namespace {

void ligne_partenaire(Controles& c, QWidget* page) {
    QWidget* fond = panneau(page, {4, 4, largeur_page - 8, 84}, teinte::pourpre);
    Style titre = style_legende(teinte::blanc, 9.75, true);
    legende(fond, QStringLiteral("Votre partenaire :"), {8, 12, 148, 26}, titre);
    champ(c, fond, ChampId::prenom_partenaire, {158, 12, 150, 26});
    champ(c, fond, ChampId::nom_partenaire, {314, 12, 150, 26});
    champ(c, fond, ChampId::jour_partenaire, {470, 12, 30, 26});
    champ(c, fond, ChampId::mois_partenaire, {504, 12, 30, 26});
    champ(c, fond, ChampId::annee_partenaire, {538, 12, 50, 26});
    bouton(c, fond, BoutonId::calculer_entente, QStringLiteral("Calculer"), {598, 11, 90, 28});
    bouton(c, fond, BoutonId::effacer_partenaire, QStringLiteral("Effacer"), {694, 11, 90, 28});

    Style droite = titre;
    droite.alignement = Qt::AlignRight | Qt::AlignVCenter;
    legende(fond, QStringLiteral("Date de la rencontre :"), {260, 48, 204, 26}, droite);
    champ(c, fond, ChampId::jour_rencontre, {470, 48, 30, 26});
    champ(c, fond, ChampId::mois_rencontre, {504, 48, 30, 26});
    champ(c, fond, ChampId::annee_rencontre, {538, 48, 50, 26});
}

// One caption in large coloured type and its value box.
QLabel* valeur_entente(Controles& c, QWidget* page, int indice, QColor fond, QColor texte) {
    Style s = style_valeur(13.5, true);
    s.fond = fond;
    s.couleur = texte;
    return slot(c, page, nom_slot("ent", indice), {0, 0, 56, 36}, s);
}

void resultats(Controles& c, QWidget* page) {
    struct Ligne {
        int indice;
        QColor couleur_legende, fond, couleur_valeur;
    };
    auto texte = [](const Ligne& l) { return legende_de(nom_slot("ent", l.indice)); };
    const Ligne gauche[] = {
        {ent::expression, teinte::brun, teinte::brun, teinte::blanc},
        {ent::expression_partenaire, teinte::magenta, teinte::rose, teinte::noir},
        {ent::chemin_vie, teinte::vert_fonce, teinte::vert_pale, teinte::vert_fonce},
        {ent::chemin_vie_partenaire, teinte::magenta, teinte::rose, teinte::noir},
    };
    for (int i = 0; i < 4; ++i) {
        const Ligne& l = gauche[i];
        const int y = 108 + i * 66;
        legende(page, texte(l), {12, y + 4, 272, 28}, style_legende(l.couleur_legende, 12, true));
        valeur_entente(c, page, l.indice, l.fond, l.couleur_valeur)->move(288, y);
    }

    const Ligne milieu[] = {
        {ent::expression_commune, teinte::magenta, teinte::magenta, teinte::noir},
        {ent::chemin_vie_commun, teinte::magenta, teinte::magenta, teinte::noir},
    };
    for (int i = 0; i < 2; ++i) {
        const Ligne& l = milieu[i];
        const int y = 140 + i * 120;
        Style s = style_legende(l.couleur_legende, 12, true);
        s.alignement = Qt::AlignCenter;
        legende(page, texte(l), {354, y, 230, 28}, s);
        valeur_entente(c, page, l.indice, l.fond, l.couleur_valeur)->move(441, y + 34);
    }

    Style s = style_legende(teinte::pourpre, 12, true);
    s.alignement = Qt::AlignCenter;
    QLabel* essence =
        legende(page, legende_de(nom_slot("ent", ent::essence_rencontre)), {596, 130, 190, 52}, s);
    essence->setWordWrap(true);
    auto* ovale = new Forme(page, Forme::Genre::ovale, QColor(240, 200, 240), teinte::pourpre);
    ovale->setGeometry(626, 190, 130, 84);
    valeur_entente(c, page, ent::essence_rencontre, teinte::pourpre, teinte::blanc)->move(663, 214);
}

} // namespace

PageEntente::PageEntente(QObject* survol) : Page(QStringLiteral("page_entente"), survol) {
    Controles& c = controles_;
    ligne_partenaire(c, this);
    resultats(c, this);
    bouton(c, this, BoutonId::entente, QStringLiteral("Interpréter"), {690, 398, 100, 30});
}

} // namespace kalder::ui
