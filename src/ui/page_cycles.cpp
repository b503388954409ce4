#include "noyau/ages_vie.hpp"
#include "ui/pages.hpp"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace kalder::ui {

namespace {

constexpr int hauteur_ligne = 24;

// Whole life: the life path, the three cycles, the four pinnacles and the nodes.
void vie_entiere(Controles& c, QWidget* page) {
    QWidget* fond = panneau(page, {4, 4, largeur_page - 8, 120}, teinte::vert_moyen);
    Style titre = style_legende(teinte::noir, 9.75, true);
    Style texte = style_legende();
    Style valeur = style_valeur(9.75, true);
    auto ligne = [](int r) { return 6 + r * 28; };

    const QString vie = nom_slot("vie", indice_vie_entiere);
    legende(fond, legende_de(vie), {8, ligne(0), 100, hauteur_ligne}, titre);
    Style large = style_valeur(9.75, true);
    large.alignement = Qt::AlignLeft | Qt::AlignVCenter;
    slot(c, fond, vie, {110, ligne(0), 260, hauteur_ligne}, large)->setIndent(6);

    legende(fond, QStringLiteral("Cycles :"), {8, ligne(1), 100, hauteur_ligne}, titre);
    for (int i = 0; i < static_cast<int>(cycles_de_vie.size()); ++i) {
        const int x = 110 + i * 170;
        const std::string_view ages = cycles_de_vie[static_cast<std::size_t>(i)].ages;
        legende(fond, nom_qt(ages) + QStringLiteral(" :"), {x, ligne(1), 80, hauteur_ligne}, texte);
        slot(c, fond, QStringLiteral("cycle%1").arg(i + 1), {x + 84, ligne(1), 48, hauteur_ligne},
             valeur);
    }

    legende(fond, QStringLiteral("Apogées :"), {8, ligne(2), 100, hauteur_ligne}, titre);
    for (int i = 1; i <= 4; ++i) { // apogee1 .. apogee4
        const int x = 110 + (i - 1) * 172;
        slot(c, fond, QStringLiteral("apogee%1").arg(i), {x, ligne(2), 48, hauteur_ligne}, valeur);
        legende(fond, QStringLiteral("Défi"), {x + 52, ligne(2), 32, hauteur_ligne}, texte);
        slot(c, fond, QStringLiteral("defi_apogee%1").arg(i), {x + 86, ligne(2), 24, hauteur_ligne},
             valeur);
        if (i < 4)
            slot(c, fond, QStringLiteral("fin_apogee%1").arg(i),
                 {x + 114, ligne(2), 52, hauteur_ligne}, style_legende(teinte::noir, 9.75, true));
    }

    legende(fond, QStringLiteral("Noeuds :"), {8, ligne(3), 100, hauteur_ligne}, titre);
    Style age = style_valeur(8.25);
    age.fond = teinte::vert_clair;
    for (int k = 1; k <= nombre_noeuds; ++k) {
        const int x = 110 + (k - 1) * 76;
        Style chiffre = style_legende(teinte::noir, 9.75, true);
        chiffre.alignement = Qt::AlignCenter;
        legende(fond, QString::number(k), {x, ligne(3), 14, hauteur_ligne}, chiffre);
        legende(fond, QStringLiteral("%1 ans").arg(age_noeud(k)),
                {x + 16, ligne(3), 54, hauteur_ligne}, age);
    }
}

void commandes_annee(Controles& c, QWidget* page) {
    const int y = 130;
    bouton(c, page, BoutonId::annee, QStringLiteral("Interpréter"), {4, y, 100, 28});
    auto* mois = new QComboBox(page);
    mois->setObjectName(QStringLiteral("liste_mois"));
    mois->setAccessibleName(QStringLiteral("Mois choisi"));
    mois->setEditable(false);
    for (std::string_view nom : noms_mois)
        mois->addItem(nom_qt(nom));
    mois->setGeometry(112, y + 1, 130, 26);
    c.liste_mois = mois;
    champ(c, page, ChampId::annee_calcul, {574, y + 1, 56, 26});
    bouton(c, page, BoutonId::calculer_annee, QStringLiteral("Calculer pour l'année"),
           {636, y, 161, 28});
}

// "Novembre" and "Décembre" side by side ran into each other in the wide
// type of some platforms: the month names take the largest size, up to the
// grid's own, at which the longest of them still fits its column.
double taille_noms_mois(int largeur_colonne) {
    double taille = 8.25;
    for (; taille > 6; taille -= 0.25) {
        const QFontMetrics fm(police(taille));
        if (std::all_of(noms_mois.begin(), noms_mois.end(), [&](std::string_view nom) {
                return fm.horizontalAdvance(nom_qt(nom)) <= largeur_colonne;
            }))
            break;
    }
    return taille;
}

// The forecast grid: twelve month columns under a caption column.
void grille_annee(Controles& c, QWidget* page) {
    QWidget* fond = panneau(page, {4, 164, largeur_page - 8, 272}, teinte::vert_clair);
    constexpr int x_mois = 124, l_mois = 55, h = 20;
    auto colonne = [&](int m) { return x_mois + (m - 1) * l_mois; };
    Style titre = style_legende(teinte::noir, 8.25);
    Style texte = style_legende(teinte::noir, 8.25);
    Style valeur = style_valeur(9.75, true);

    legende(fond, QStringLiteral("Année en cours"), {6, 4, 150, 22},
            style_legende(teinte::vert_fonce, 9.75, true));
    for (const auto& [nom, x] : {std::pair{"annee_personnelle", 236}, {"lettre_passage", 460}}) {
        legende(fond, legende_de(QString::fromLatin1(nom)), {x, 4, 150, 22}, style_legende());
        slot(c, fond, QString::fromLatin1(nom), {x + 152, 4, 30, 22}, valeur);
    }

    Style entete = style_legende(teinte::vert_fonce, taille_noms_mois(l_mois - 2));
    entete.alignement = Qt::AlignCenter;
    for (int m = 1; m <= nombre_mois; ++m) {
        QLabel* l = legende(fond, nom_qt(noms_mois[m - 1]), {colonne(m), 30, l_mois, 18}, entete);
        l->setObjectName(QStringLiteral("vie(%1)").arg(m + 3));
    }

    int y = 50;
    auto rangee = [&](std::string_view nom) {
        legende(fond, legende_tableau(nom), {6, y, x_mois - 8, h}, titre);
        for (int m = 1; m <= nombre_mois; ++m)
            slot(c, fond, nom_slot(nom, m), {colonne(m) + 8, y, 38, h - 1}, valeur);
        y += h + 2;
    };
    rangee("Toi");
    rangee("cym");
    rangee("esse");

    legende(fond, QStringLiteral("Apogées :"), {6, y, x_mois - 8, h}, titre);
    for (int q = 1; q <= nombre_apogees; ++q) {
        const int x = colonne(3 * q - 2);
        slot(c, fond, nom_slot("apog", q), {x + 8, y, 92, h - 1}, valeur);
        legende(fond, QStringLiteral("Défi"), {x + 104, y, 30, h}, texte);
        slot(c, fond, nom_slot("leco", q), {x + 136, y, 24, h - 1}, valeur);
    }
    y += h + 2;

    rangee("periode");
    rangee("profec");

    const QString semaines[] = {
        QStringLiteral("Apogée semaine 1 :"), QStringLiteral("Apogée semaine 2 :"),
        QStringLiteral("Apogée Semaine 3"), QStringLiteral("Apogée Semaine 4")};
    Style semaine = style_valeur(9, true);
    Style defi = style_valeur(7.5);
    defi.fond = QColor(255, 255, 200);
    for (int r = 1; r <= nombre_semaines; ++r) {
        legende(fond, semaines[r - 1], {6, y, x_mois - 8, h}, titre);
        for (int m = 1; m <= nombre_mois; ++m) {
            const int i = indice_semaine(r, m);
            slot(c, fond, nom_slot("semaine", i), {colonne(m) + 2, y, 36, h - 1}, semaine);
            slot(c, fond, nom_slot("semdef", i), {colonne(m) + 39, y + 3, 14, h - 7}, defi);
        }
        y += h + 2;
    }
}

} // namespace

PageCycles::PageCycles(QObject* survol) : Page(QStringLiteral("page_cycles"), survol) {
    Controles& c = controles_;
    vie_entiere(c, this);
    commandes_annee(c, this);
    grille_annee(c, this);
}

} // namespace kalder::ui
