// The dossier's pages: its own margins, the running header and the footer.

#include "document/composition.hpp"
#include "document/impression_paginee.hpp"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>

namespace kalder::document {

namespace {

struct Marges {
    qreal gauche = 20, droite = 20, haut = 24, bas = 22; // mm
    qreal entete = 13, pied = 12;                        // baselines, mm from the edge
};

// A line of the header at the largest size up to `taille` that fits `largeur`.
QFont police_qui_tient(const QString& texte, qreal taille, qreal largeur, QPaintDevice* support,
                       bool gras) {
    QFont police = police_dossier();
    police.setBold(gras);
    for (; taille > 4; taille -= 0.5) {
        police.setPointSizeF(taille);
        if (QFontMetricsF(police, support).horizontalAdvance(texte) <= largeur)
            break;
    }
    return police;
}

} // namespace

bool imprimer_dossier(QPagedPaintDevice& support, const ThemeCalcule& etat,
                      const ParametresDossier& parametres) {
    return dessiner_dossier(support, etat, parametres, nullptr);
}

bool dessiner_dossier(QPagedPaintDevice& support, const ThemeCalcule& etat,
                      const ParametresDossier& parametres, std::vector<Signet>* signets,
                      std::vector<LienPdf>* liens) {
    support.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const int dpi = support.logicalDpiX();
    const QPageLayout mise = support.pageLayout();
    const QRectF plein = mise.fullRectPixels(dpi);
    const QRectF peint = mise.paintRectPixels(dpi);
    const auto mm = [dpi](qreal v) { return v * dpi / 25.4; };

    const Marges m;
    const QRectF corps(mm(m.gauche), mm(m.haut), plein.width() - mm(m.gauche + m.droite),
                       plein.height() - mm(m.haut + m.bas));
    ObjetFrise frise(etat, parametres.annee_courante);
    const auto doc = composer(etat, parametres, &support, corps.size(), &frise, signets, liens);
    if (signets)
        for (Signet& s : *signets)
            s.haut = (corps.top() + s.haut) / plein.height();
    if (liens)
        for (LienPdf& l : *liens) {
            l.gauche = (corps.left() + l.gauche) / plein.width();
            l.droite = (corps.left() + l.droite) / plein.width();
            l.haut = (corps.top() + l.haut) / plein.height();
            l.bas = (corps.top() + l.bas) / plein.height();
        }

    const QString titre = QStringLiteral("Thème numérologique");
    Habillage habillage;
    habillage.entete_gauche = nom_complet(etat);
    habillage.entete_droite = titre;
    habillage.police_droite = police_qui_tient(titre, 8, corps.width() / 3, &support, false);
    habillage.police_gauche = police_qui_tient(
        habillage.entete_gauche, 8.5,
        corps.width() - QFontMetricsF(habillage.police_droite, &support).horizontalAdvance(titre) -
            mm(6),
        &support, true);
    habillage.zone_entete = QRectF(corps.left(), 0, corps.width(), mm(m.entete));
    habillage.trait_entete = mm(m.entete + 1.5);
    habillage.zone_pied = QRectF(corps.left(), plein.height() - mm(m.pied), corps.width(), mm(5));
    habillage.police_pied = police_dossier();
    habillage.police_pied.setPointSizeF(8);

    // Page coordinates, whatever margins the device keeps for itself.
    const Pagination pagination{corps, plein.topLeft() - peint.topLeft()};
    return imprimer_pages(support, *doc, pagination, habillage) == IssueImpression::imprimee;
}

} // namespace kalder::document
