#include "ui/pages.hpp"

#include "modele/catalogue.hpp"
#include "theme/modes_lettres.hpp"

#include <QLabel>
#include <QPushButton>

namespace kalder::ui {

Page::Page(const QString& nom, QObject* survol) {
    setObjectName(nom);
    controles_.survol = survol;
}

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
    for (int k = chiffres::premier; k <= chiffres::dernier; ++k) {
        const int ligne = (k - 1) / 3, colonne = (k - 1) % 3;
        slot(c, fond, nom_slot("Grille", k), {10 + colonne * 60, 10 + ligne * 60, 50, 50},
             case_grille);
    }
}

// The expression-mode table. Its headings and letter cells never change; each
// still has a name of its own, in the Grille array past the nine digits.
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
    constexpr int colonnes = mode::dernier - mode::nombre_lignes + 1;
    // Caption names in Grille: the column headings, the row headings, then
    // the letter cells row by row.
    const int entetes[colonnes] = {17, 16, 15};
    const int lignes[mode::nombre_lignes] = {14, 13, 11, 10};
    const int cellules[mode::nombre_lignes][colonnes] = {
        {12, 20, 24}, {0, 21, 25}, {18, 22, 26}, {19, 23, 27}};
    for (int k = 0; k < colonnes; ++k)
        entete(entetes[k], nom_qt(noms_modes[mode::nombre_lignes + k]),
               {x0 + k * (l_col + 2), 6, l_col, 24});
    Style cellule;
    cellule.fond = QColor(236, 224, 240);
    Style total = style_valeur(9.75, true);
    for (int r = 0; r < mode::nombre_lignes; ++r) {
        const int y = y0 + r * (h + 2);
        QLabel* tete = legende(fond, nom_qt(noms_modes[r]), {x_ligne, y, l_ligne, h},
                               style_legende(teinte::blanc, 9.75, true));
        tete->setObjectName(QStringLiteral("Grille(%1)").arg(lignes[r]));
        for (int k = 0; k < colonnes; ++k) {
            const QString lettres =
                QString::fromStdString(lettres_du_mode(r, mode::nombre_lignes + k));
            QLabel* l = legende(fond, lettres, {x0 + k * (l_col + 2), y, l_col, h}, cellule);
            l->setObjectName(QStringLiteral("Grille(%1)").arg(cellules[r][k]));
        }
        slot(c, fond, nom_slot("lettre", r), {x0 + colonnes * (l_col + 2) + 6, y + 2, 30, h - 4},
             total);
    }
    for (int k = 0; k < colonnes; ++k)
        slot(c, fond, nom_slot("lettre", mode::nombre_lignes + k),
             {x0 + k * (l_col + 2) + (l_col - 30) / 2, y0 + mode::nombre_lignes * (h + 2) + 4, 30,
              h - 4},
             total);
}

void nombres_lettres(Controles& c, QWidget* page) {
    const int nombres[] = {synth::elan, synth::moi_intime, synth::expression};
    const Forme::Genre genres[] = {Forme::Genre::disque, Forme::Genre::carre,
                                   Forme::Genre::carre_arrondi};
    const QColor fonds[] = {teinte::jaune, teinte::orange, teinte::brun};
    Style valeur;
    valeur.points = 13.5;
    valeur.gras = true;
    for (int i = 0; i < 3; ++i) {
        const int y = 246 + i * 62;
        const QString nom = nom_slot("synth", nombres[i]);
        legende(page, libelle(nom), {20, y + 10, 144, 28}, style_legende(teinte::noir, 12));
        slot_forme(c, page, nom, {168, y - 4, 58, 58}, genres[i], fonds[i], valeur);
    }
}

void chemin_et_pierres(Controles& c, QWidget* page) {
    const QString chemin = nom_slot("synth", synth::chemin_vie);
    legende(page, legende_de(chemin), {250, 240, 200, 26},
            style_legende(teinte::vert_fonce, 12, true));
    auto* zigzag = new Trace(page, teinte::vert_fonce, dessiner_zigzag);
    zigzag->setGeometry(262, 276, 60, 24);
    Style valeur = style_valeur(13.5, true);
    slot(c, page, chemin, {332, 266, 60, 42}, valeur);

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
    const QString mission = nom_slot("synth", synth::mission);
    legende(page, libelle(mission), {600, 240, 170, 26}, style_legende(QColor(0, 0, 160), 12, true))
        ->setAlignment(Qt::AlignCenter);
    auto* figure = new Trace(page, QColor(0, 0, 200), dessiner_figure_mission);
    figure->setGeometry(610, 270, 150, 110);
    slot(c, page, mission, {655, 305, 60, 40}, style_valeur(13.5, true));
}

} // namespace

PageSynthese::PageSynthese(QObject* survol) : Page(QStringLiteral("page_synthese"), survol) {
    Controles& c = controles_;
    grille_inclusion(c, this);
    mode_expression(c, this);
    nombres_lettres(c, this);
    chemin_et_pierres(c, this);
    mission(c, this);
    bouton(c, this, BoutonId::synthese, QStringLiteral("Interpréter"), {690, 398, 100, 30});
}

} // namespace kalder::ui
