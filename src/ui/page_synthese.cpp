#include "ui/pages.hpp"

#include <QLabel>
#include <QPushButton>

namespace kalder::ui {

QLabel* slot_forme(Controles& c, QWidget* parent, const QString& nom, QRect geometrie,
                   Forme::Genre genre, QColor fond, Style style) {
    auto* f = new Forme(parent, genre, fond);
    f->setGeometry(geometrie);
    return slot(c, parent, nom, geometrie, style);
}

namespace {

void grille_inclusion(Controles& c, QWidget* page) {
    legende(page, QStringLiteral("Grille d'inclusion"), {20, 8, 190, 24},
            style_legende(teinte::noir, 12, true));
    QWidget* fond = panneau(page, {20, 36, 190, 190}, teinte::bleu_clair);
    Style case_grille = style_valeur(13.5, true);
    for (int k = 1; k <= 9; ++k) {
        const int ligne = (k - 1) / 3, colonne = (k - 1) % 3;
        slot(c, fond, QStringLiteral("Grille(%1)").arg(k),
             {10 + colonne * 60, 10 + ligne * 60, 50, 50}, case_grille);
    }
}

// The expression-mode table: its headings and letter lists are fixed captions
// of the Grille array, numbered as the original form numbered them.
void mode_expression(Controles& c, QWidget* page) {
    legende(page, QStringLiteral("Mode d'expression"), {420, 8, 360, 24},
            style_legende(teinte::noir, 12, true));
    QWidget* fond = panneau(page, {420, 36, 368, 190}, teinte::violet);

    const int x_ligne = 8, l_ligne = 70, x0 = 80, l_col = 78, h = 28, y0 = 34;
    auto entete = [&](int indice, const QString& texte, QRect g) {
        QLabel* l = legende(fond, texte, g, style_legende(teinte::blanc, 9.75, true));
        l->setAlignment(Qt::AlignCenter);
        l->setObjectName(QStringLiteral("Grille(%1)").arg(indice));
    };
    entete(17, QStringLiteral("Impulsion"), {x0, 6, l_col, 24});
    entete(16, QStringLiteral("Réflexion"), {x0 + l_col + 2, 6, l_col, 24});
    entete(15, QStringLiteral("Action"), {x0 + 2 * (l_col + 2), 6, l_col, 24});
    const int lignes[] = {14, 13, 11, 10};
    const QString noms_lignes[] = {QStringLiteral("Mental"), QStringLiteral("Concret"),
                                   QStringLiteral("Emotif"), QStringLiteral("Intuitif")};
    // Letter cells, row by row, with their index in Grille.
    const int cellules[4][3] = {{12, 20, 24}, {0, 21, 25}, {18, 22, 26}, {19, 23, 27}};
    const QString lettres[4][3] = {
        {QStringLiteral("A"), QStringLiteral("H J N P"), QStringLiteral("G L")},
        {QStringLiteral("E"), QStringLiteral("W"), QStringLiteral("D M")},
        {QStringLiteral("I O R Z"), QStringLiteral("B S T X"), QString()},
        {QStringLiteral("K"), QStringLiteral("F Q U Y"), QStringLiteral("C V")}};
    Style cellule;
    cellule.fond = QColor(236, 224, 240);
    Style total = style_valeur(9.75, true);
    for (int r = 0; r < 4; ++r) {
        const int y = y0 + r * (h + 2);
        QLabel* tete = legende(fond, noms_lignes[r], {x_ligne, y, l_ligne, h},
                               style_legende(teinte::blanc, 9.75, true));
        tete->setObjectName(QStringLiteral("Grille(%1)").arg(lignes[r]));
        for (int k = 0; k < 3; ++k) {
            QLabel* l = legende(fond, lettres[r][k], {x0 + k * (l_col + 2), y, l_col, h}, cellule);
            l->setObjectName(QStringLiteral("Grille(%1)").arg(cellules[r][k]));
        }
        slot(c, fond, QStringLiteral("lettre(%1)").arg(r),
             {x0 + 3 * (l_col + 2) + 6, y + 2, 30, h - 4}, total);
    }
    for (int k = 0; k < 3; ++k)
        slot(c, fond, QStringLiteral("lettre(%1)").arg(4 + k),
             {x0 + k * (l_col + 2) + (l_col - 30) / 2, y0 + 4 * (h + 2) + 4, 30, h - 4}, total);
}

void nombres_lettres(Controles& c, QWidget* page) {
    const QString legendes[] = {QStringLiteral("Voyelles"), QStringLiteral("Consonnes"),
                                QStringLiteral("Toutes les lettres")};
    const Forme::Genre genres[] = {Forme::Genre::disque, Forme::Genre::carre,
                                   Forme::Genre::carre_arrondi};
    const QColor fonds[] = {teinte::jaune, teinte::orange, teinte::brun};
    Style valeur;
    valeur.points = 13.5;
    valeur.gras = true;
    for (int i = 0; i < 3; ++i) {
        const int y = 246 + i * 62;
        legende(page, legendes[i], {20, y + 10, 144, 28}, style_legende(teinte::noir, 12));
        slot_forme(c, page, QStringLiteral("synth(%1)").arg(i), {168, y - 4, 58, 58}, genres[i],
                   fonds[i], valeur);
    }
}

void chemin_et_pierres(Controles& c, QWidget* page) {
    legende(page, QStringLiteral("Chemin de vie :"), {250, 240, 200, 26},
            style_legende(teinte::vert_fonce, 12, true));
    auto* zigzag = new Trace(page, teinte::vert_fonce, dessiner_zigzag);
    zigzag->setGeometry(262, 276, 60, 24);
    Style valeur = style_valeur(13.5, true);
    slot(c, page, QStringLiteral("synth(3)"), {332, 266, 60, 42}, valeur);

    QWidget* fond = panneau(page, {236, 320, 330, 112}, teinte::saumon);
    auto* triangle = new Trace(fond, teinte::rouge_fonce.darker(130), dessiner_triangle);
    triangle->setGeometry(70, 28, 190, 58);
    Style pierre = style_legende(teinte::noir, 9.75, true);
    pierre.alignement = Qt::AlignCenter;
    slot(c, fond, QStringLiteral("tri2"), {80, 4, 170, 22}, pierre);
    slot(c, fond, QStringLiteral("tri1"), {4, 86, 160, 22}, pierre);
    slot(c, fond, QStringLiteral("tri3"), {166, 86, 160, 22}, pierre);
}

void mission(Controles& c, QWidget* page) {
    legende(page, QStringLiteral("Mission"), {600, 240, 170, 26},
            style_legende(QColor(0, 0, 160), 12, true))
        ->setAlignment(Qt::AlignCenter);
    auto* figure = new Trace(page, QColor(0, 0, 200), dessiner_figure_mission);
    figure->setGeometry(610, 270, 150, 110);
    slot(c, page, QStringLiteral("synth(4)"), {655, 305, 60, 40}, style_valeur(13.5, true));
}

} // namespace

QWidget* construire_page_synthese(Controles& c) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page_synthese"));
    grille_inclusion(c, page);
    mode_expression(c, page);
    nombres_lettres(c, page);
    chemin_et_pierres(c, page);
    mission(c, page);
    bouton(c, page, BoutonId::synthese, QStringLiteral("Interpréter"), {690, 398, 100, 30});
    return page;
}

} // namespace kalder::ui
