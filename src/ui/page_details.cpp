#include "ui/pages.hpp"

#include "modele/catalogue.hpp"

#include <QLabel>
#include <QPushButton>

namespace kalder::ui {

namespace {

// Active and hereditary numbers, then one column per word of the full name.
void bandeau_mots(Controles& c, QWidget* page) {
    QWidget* fond = panneau(page, {0, 0, largeur_page, 132}, teinte::bleu_clair);
    Style titre = style_legende(teinte::noir, 12, true);
    Style valeur = style_valeur(12, true);
    const QString actif = nom_slot("Nomb", nomb::actif);
    legende(fond, legende_de(actif), {20, 8, 150, 28}, titre);
    slot(c, fond, actif, {172, 8, 50, 28}, valeur);
    const QString hereditaire = nom_slot("Nomb", nomb::hereditaire);
    legende(fond, legende_de(hereditaire), {410, 8, 200, 28}, titre);
    slot(c, fond, hereditaire, {612, 8, 50, 28}, valeur);

    Style nombre_mot = style_valeur(9.75, true);
    Style mot = style_valeur(9.75);
    for (int k = 0; k < nombre_mots; ++k) {
        const int x = 12 + k * 156;
        slot(c, fond, nom_slot("des", k), {x + 55, 44, 40, 22}, nombre_mot);
        slot(c, fond, nom_slot("deco", k), {x, 70, 150, 24}, mot);
        slot(c, fond, nom_slot("dei", k), {x + 55, 98, 40, 22}, nombre_mot);
    }
}

// The three letter numbers in the colour code of "Synthèse", each with its challenge.
void nombres_lettres(Controles& c, QWidget* page) {
    const int nombres[] = {nomb::elan, nomb::moi_intime, nomb::expression};
    const int defis[] = {defi::voyelles, defi::consonnes, defi::global};
    const Forme::Genre genres[] = {Forme::Genre::disque, Forme::Genre::carre,
                                   Forme::Genre::carre_arrondi};
    const QColor fonds[] = {teinte::jaune, teinte::orange, teinte::brun};
    Style valeur;
    valeur.points = 11;
    valeur.gras = true;
    for (int i = 0; i < 3; ++i) {
        const int y = 150 + i * 60;
        const QString nom = nom_slot("Nomb", nombres[i]);
        legende(page, libelle(nom), {14, y + 8, 104, 28}, style_legende(teinte::noir, 9.75, true));
        slot_forme(c, page, nom, {120, y - 4, 52, 52}, genres[i], fonds[i], valeur);
        QWidget* defi = panneau(page, {180, y + 4, 82, 36}, teinte::turquoise);
        legende(defi, QStringLiteral("Défi"), {6, 4, 36, 28}, style_legende());
        slot(c, defi, nom_slot("defi", defis[i]), {44, 5, 32, 26}, style_valeur(9.75, true));
    }
}

void nombres_melanges(Controles& c, QWidget* page) {
    const int nombres[] = {nomb::initiation, nomb::vie, nomb::cosmique, nomb::dynamisme};
    for (int i = 0; i < 4; ++i) {
        const int y = 154 + i * 44;
        const QString nom = nom_slot("Nomb", nombres[i]);
        legende(page, libelle(nom), {268, y, 253, 30},
                style_legende(teinte::vert_fonce, 9.75, true));
        slot(c, page, nom, {522, y, 48, 30}, style_valeur(12, true));
    }
}

void jour_naissance(Controles& c, QWidget* page) {
    QWidget* cadre = panneau(page, {576, 146, 218, 122}, teinte::vert_clair);
    legende(cadre, QStringLiteral("Jour de naissance"), {0, 4, 218, 24},
            style_legende(teinte::noir, 12, true))
        ->setAlignment(Qt::AlignCenter);
    const QString legendes[] = {QStringLiteral("Vibration :"), QStringLiteral("Défi :"),
                                QStringLiteral("Cadeau :")};
    const int nombres[] = {nomb::vibration_jour, nomb::defi_jour, nomb::cadeau_jour};
    for (int i = 0; i < 3; ++i) {
        const int y = 32 + i * 29;
        legende(cadre, legendes[i], {30, y, 100, 26}, style_legende());
        slot(c, cadre, nom_slot("Nomb", nombres[i]), {140, y, 44, 26}, style_valeur(9.75, true));
    }

    const int autres[] = {nomb::equilibre, nomb::premiere_voyelle, nomb::personnalite};
    for (int i = 0; i < 3; ++i) {
        const int y = 280 + i * 34;
        const QString nom = nom_slot("Nomb", autres[i]);
        legende(page, libelle(nom), {576, y, 180, 28},
                style_legende(teinte::rouge_fonce, 9.75, true));
        slot(c, page, nom, {758, y, 36, 28}, style_valeur(9.75, true));
    }
}

} // namespace

PageDetails::PageDetails(QObject* survol) : Page(QStringLiteral("page_details"), survol) {
    Controles& c = controles_;
    bandeau_mots(c, this);
    nombres_lettres(c, this);
    nombres_melanges(c, this);
    jour_naissance(c, this);
    bouton(c, this, BoutonId::details, QStringLiteral("Interpréter"), {690, 398, 100, 30});
}

} // namespace kalder::ui
