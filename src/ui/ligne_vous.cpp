#include "ui/pages.hpp"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kalder::ui {

void construire_ligne_vous(Controles& c, QWidget* zone) {
    auto* trait = new QFrame(zone);
    trait->setFrameShape(QFrame::HLine);
    trait->setFrameShadow(QFrame::Sunken);
    trait->setGeometry(0, 0, zone->width(), 2);

    Style blanc = style_legende(teinte::blanc);
    Style petit = style_legende(teinte::blanc, 8.25);
    petit.alignement = Qt::AlignCenter;

    legende(zone, QStringLiteral("Vous :"), {10, 36, 64, 26},
            style_legende(teinte::blanc, 12, true));
    legende(zone, QStringLiteral("Prénom"), {80, 14, 170, 18}, blanc);
    champ(c, zone, ChampId::prenom, {78, 34, 174, 28});
    legende(zone, QStringLiteral("Nom"), {262, 14, 170, 18}, blanc);
    champ(c, zone, ChampId::nom, {260, 34, 174, 28});

    legende(zone, QStringLiteral("-- Date de naissance --"), {432, 2, 134, 16}, petit);
    legende(zone, QStringLiteral("jj"), {442, 17, 30, 16}, petit);
    legende(zone, QStringLiteral("mm"), {476, 17, 30, 16}, petit);
    legende(zone, QStringLiteral("aaaa"), {510, 17, 52, 16}, petit);
    champ(c, zone, ChampId::jour, {442, 34, 30, 28});
    champ(c, zone, ChampId::mois, {476, 34, 30, 28});
    champ(c, zone, ChampId::annee, {510, 34, 52, 28});

    bouton(c, zone, BoutonId::calculer, QStringLiteral("Calculer"), {580, 33, 100, 30});
    bouton(c, zone, BoutonId::effacer_tout, QStringLiteral("Effacer tout"), {688, 33, 112, 30});
}

} // namespace kalder::ui
