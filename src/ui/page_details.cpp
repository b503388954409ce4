#include "ui/pages.hpp"

#include <QLabel>
#include <QPushButton>

namespace kalder::ui {

namespace {

// Active and hereditary numbers, then one column per word of the full name.
void bandeau_mots(Controles& c, QWidget* page) {
    QWidget* fond = panneau(page, {0, 0, largeur_page, 132}, teinte::bleu_clair);
    Style titre = style_legende(teinte::noir, 12, true);
    Style valeur = style_valeur(12, true);
    legende(fond, QStringLiteral("Nombre actif :"), {20, 8, 150, 28}, titre);
    slot(c, fond, QStringLiteral("Nomb(1)"), {172, 8, 50, 28}, valeur);
    legende(fond, QStringLiteral("Nombre héréditaire :"), {410, 8, 200, 28}, titre);
    slot(c, fond, QStringLiteral("Nomb(2)"), {612, 8, 50, 28}, valeur);

    Style nombre_mot = style_valeur(9.75, true);
    Style mot = style_valeur(9.75);
    for (int k = 0; k < 5; ++k) {
        const int x = 12 + k * 156;
        slot(c, fond, QStringLiteral("des(%1)").arg(k), {x + 55, 44, 40, 22}, nombre_mot);
        slot(c, fond, QStringLiteral("deco(%1)").arg(k), {x, 70, 150, 24}, mot);
        slot(c, fond, QStringLiteral("dei(%1)").arg(k), {x + 55, 98, 40, 22}, nombre_mot);
    }
}

// The three letter numbers in the colour code of "Synthèse", each with its challenge.
void nombres_lettres(Controles& c, QWidget* page) {
    const QString legendes[] = {QStringLiteral("Elan spirituel"), QStringLiteral("Moi intime"),
                                QStringLiteral("Expression")};
    const int nombres[] = {0, 4, 3};
    const Forme::Genre genres[] = {Forme::Genre::disque, Forme::Genre::carre,
                                   Forme::Genre::carre_arrondi};
    const QColor fonds[] = {teinte::jaune, teinte::orange, teinte::brun};
    Style valeur;
    valeur.points = 11;
    valeur.gras = true;
    for (int i = 0; i < 3; ++i) {
        const int y = 150 + i * 60;
        legende(page, legendes[i], {14, y + 8, 104, 28}, style_legende(teinte::noir, 9.75, true));
        slot_forme(c, page, QStringLiteral("Nomb(%1)").arg(nombres[i]), {120, y - 4, 52, 52},
                   genres[i], fonds[i], valeur);
        QWidget* defi = panneau(page, {180, y + 4, 82, 36}, teinte::turquoise);
        legende(defi, QStringLiteral("Défi"), {6, 4, 36, 28}, style_legende());
        slot(c, defi, QStringLiteral("defi(%1)").arg(i), {44, 5, 32, 26}, style_valeur(9.75, true));
    }
}

void nombres_melanges(Controles& c, QWidget* page) {
    const QString legendes[] = {QStringLiteral("Initiation spirituelle du moi intime"),
                                QStringLiteral("Nombre de vie"), QStringLiteral("Nombre cosmique"),
                                QStringLiteral("Coefficient de dynamisme")};
    for (int i = 0; i < 4; ++i) {
        const int y = 154 + i * 44;
        legende(page, legendes[i], {268, y, 253, 30},
                style_legende(teinte::vert_fonce, 9.75, true));
        slot(c, page, QStringLiteral("Nomb(%1)").arg(8 + i), {522, y, 48, 30},
             style_valeur(12, true));
    }
}

void jour_naissance(Controles& c, QWidget* page) {
    QWidget* cadre = panneau(page, {576, 146, 218, 122}, teinte::vert_clair);
    legende(cadre, QStringLiteral("Jour de naissance"), {0, 4, 218, 24},
            style_legende(teinte::noir, 12, true))
        ->setAlignment(Qt::AlignCenter);
    const QString legendes[] = {QStringLiteral("Vibration :"), QStringLiteral("Défi :"),
                                QStringLiteral("Cadeau :")};
    const int nombres[] = {12, 14, 13};
    for (int i = 0; i < 3; ++i) {
        const int y = 32 + i * 29;
        legende(cadre, legendes[i], {30, y, 100, 26}, style_legende());
        slot(c, cadre, QStringLiteral("Nomb(%1)").arg(nombres[i]), {140, y, 44, 26},
             style_valeur(9.75, true));
    }

    const QString autres[] = {QStringLiteral("Nombre d'équilibre"),
                              QStringLiteral("1ère voyelle du nom"),
                              QStringLiteral("Nombre de personnalité")};
    for (int i = 0; i < 3; ++i) {
        const int y = 280 + i * 34;
        legende(page, autres[i], {576, y, 180, 28}, style_legende(teinte::rouge_fonce, 9.75, true));
        slot(c, page, QStringLiteral("Nomb(%1)").arg(5 + i), {758, y, 36, 28},
             style_valeur(9.75, true));
    }
}

} // namespace

QWidget* construire_page_details(Controles& c) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page_details"));
    bandeau_mots(c, page);
    nombres_lettres(c, page);
    nombres_melanges(c, page);
    jour_naissance(c, page);
    bouton(c, page, BoutonId::details, QStringLiteral("Interpréter"), {690, 398, 100, 30});
    return page;
}

} // namespace kalder::ui
