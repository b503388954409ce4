#include "document/calendrier_dessin.hpp"

#include "annee/parts_annee.hpp"
#include "calendrier/sens.hpp"
#include "document/composition.hpp"
#include "document/frise_dessin.hpp"
#include "noyau/elision.hpp"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace kalder {

namespace {

using namespace std::chrono;

const QColor couleur_trait(0x60, 0x60, 0x60);
const QColor couleur_aujourdhui(0xb0, 0x00, 0x00);
const QColor couleur_choisi(0x10, 0x40, 0xc0);
const QColor couleur_commun(0x00, 0x80, 0x30);
// The share of the year view's height kept for the legend of the meanings.
constexpr double part_legende = 0.075;
// The smallest meaning written in a cell, in pixels.
constexpr double taille_sens_lisible = 9;

// A month: title, weekday names, then its weeks.
struct GrilleMois {
    QRectF titre;
    QRectF entetes;
    QRectF cases; // 7 columns × `semaines` rows
    int semaines = 6;
    int decalage = 0; // the column of the 1st, Monday = 0
    int jours = 31;
    QRectF case_du(int jour) const {
        const int rang = decalage + jour - 1;
        const double l = cases.width() / 7;
        const double h = cases.height() / semaines;
        const int colonne = rang % 7;
        const int semaine = rang / 7;
        return {cases.left() + colonne * l, cases.top() + semaine * h, l, h};
    }
};

// `semaines_fixes`: six rows whatever the month, so that the twelve months
// of a year line up.
GrilleMois grille(const QRectF& zone, int annee, int mois, bool semaines_fixes) {
    GrilleMois g;
    const year_month am{year{annee}, month{static_cast<unsigned>(mois)}};
    g.decalage = static_cast<int>((weekday{sys_days{am / 1}}.iso_encoding() + 6) % 7);
    g.jours = static_cast<int>(static_cast<unsigned>((am / last).day()));
    g.semaines = semaines_fixes ? 6 : (g.decalage + g.jours + 6) / 7;
    const double unite = zone.height() / (g.semaines + 1.6);
    g.titre = QRectF(zone.left(), zone.top(), zone.width(), unite);
    g.entetes = QRectF(zone.left(), zone.top() + unite, zone.width(), unite * 0.6);
    g.cases = QRectF(zone.left(), zone.top() + unite * 1.6, zone.width(), unite * g.semaines);
    return g;
}

// The zones of the months shown: one, or twelve in 4 columns of 3 rows.
std::vector<std::pair<int, QRectF>> zones_mois(const QRectF& zone, const VueCalendrier& v) {
    QRectF reste = zone;
    if (v.entete)
        reste.setTop(zone.top() + zone.height() * (v.mois ? 0.07 : 0.06));
    std::vector<std::pair<int, QRectF>> r;
    if (v.mois) {
        r.emplace_back(v.mois, reste);
        return r;
    }
    reste.setBottom(reste.bottom() - zone.height() * part_legende);
    const double l = reste.width() / 4;
    const double h = reste.height() / 3;
    for (int m = 1; m <= 12; ++m) {
        const int colonne = (m - 1) % 4;
        const int rangee = (m - 1) / 4;
        r.emplace_back(m, QRectF(reste.left() + colonne * l, reste.top() + rangee * h, l, h)
                              .adjusted(l * 0.04, h * 0.03, -l * 0.04, -h * 0.03));
    }
    return r;
}

QString sens_de(Nombre n) {
    const std::string_view s = sens_jour_personnel(n);
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

const JourCalendrier* jour_dans(const std::vector<JourCalendrier>& jours, const Date& d) {
    const auto it =
        std::lower_bound(jours.begin(), jours.end(), d, [](const JourCalendrier& j, const Date& x) {
            return sys_days{j.date} < sys_days{x};
        });
    return it != jours.end() && it->date == d ? &*it : nullptr;
}

const JourCalendrier* jour_de(const VueCalendrier& v, int mois, int jour) {
    return jour_dans(v.jours, Date{year{v.annee}, month{static_cast<unsigned>(mois)},
                                   day{static_cast<unsigned>(jour)}});
}

void police(QPainter& p, double pixels, bool gras = false) {
    QFont f = p.font();
    f.setPixelSize(std::max(4, static_cast<int>(std::lround(pixels))));
    f.setBold(gras);
    p.setFont(f);
}

// The personal day in the middle of its cell and, in a month's cell tall and
// wide enough for it to be read, its meaning under it.
void dessiner_nombre(QPainter& p, const QRectF& c, bool avec_sens, Nombre n) {
    const double taille_sens = std::min(c.height() * 0.105, c.width() * 0.08);
    if (!avec_sens || taille_sens < taille_sens_lisible) {
        police(p, c.height() * 0.5, true);
        p.drawText(c.adjusted(0, c.height() * 0.15, 0, 0), Qt::AlignCenter, QString::number(n));
        return;
    }
    police(p, c.height() * 0.34, true);
    p.drawText(QRectF(c.left(), c.top() + c.height() * 0.1, c.width(), c.height() * 0.44),
               Qt::AlignCenter, QString::number(n));
    police(p, taille_sens);
    p.drawText(QRectF(c.left() + c.width() * 0.04, c.top() + c.height() * 0.54, c.width() * 0.92,
                      c.height() * 0.45),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, sens_de(n));
}

// Two persons in one cell: the first's personal day on the left, the
// second's on the right on its own colour; a day both share is framed in
// green with "=" between them. The meaning, when it can be read, is the
// first person's.
void dessiner_deux(QPainter& p, const QRectF& c, bool avec_sens, const JourCalendrier& j,
                   const JourCalendrier* j2) {
    const double taille_sens = std::min(c.height() * 0.105, c.width() * 0.08);
    const bool sens = avec_sens && taille_sens >= taille_sens_lisible;
    const double haut = c.top() + c.height() * 0.2;
    const double h = c.height() * (sens ? 0.4 : 0.75);
    const QRectF gauche(c.left(), haut, c.width() / 2, h);
    const QRectF droite(c.center().x(), haut, c.width() / 2, h);
    if (j2) {
        p.setPen(Qt::NoPen);
        p.setBrush(couleur_nombre(static_cast<int>(j2->jour_personnel)));
        p.drawRect(droite.adjusted(droite.width() * 0.1, 0, -droite.width() * 0.1, 0));
    }
    p.setPen(Qt::black);
    police(p, h * 0.7, true);
    p.drawText(gauche, Qt::AlignCenter, QString::number(j.jour_personnel));
    if (j2)
        p.drawText(droite, Qt::AlignCenter, QString::number(j2->jour_personnel));
    if (j2 && j2->jour_personnel == j.jour_personnel) {
        police(p, h * 0.45, true);
        p.setPen(couleur_commun);
        p.drawText(QRectF(c.center().x() - c.width() * 0.1, haut, c.width() * 0.2, h),
                   Qt::AlignCenter, QStringLiteral("="));
        p.setPen(QPen(couleur_commun, std::max(1.0, c.height() * 0.04)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(c.adjusted(c.height() * 0.03, c.height() * 0.03, -c.height() * 0.03,
                              -c.height() * 0.03));
        p.setPen(Qt::black);
    }
    if (sens) {
        police(p, taille_sens);
        p.drawText(QRectF(c.left() + c.width() * 0.05, c.top() + c.height() * 0.62, c.width() * 0.9,
                          c.height() * 0.36),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, sens_de(j.jour_personnel));
    }
}

// The nine meanings under the twelve months: a swatch of each number's
// colour, the number and its meaning, three rows of three.
void dessiner_legende(QPainter& p, const QRectF& zone) {
    const double l = zone.width() / 3;
    const double h = zone.height() / 3;
    police(p, std::min(h * 0.55, l * 0.045));
    for (int n = 1; n <= 9; ++n) {
        // Three rows of three: 1 2 3, 4 5 6, 7 8 9.
        const int rangee = (n - 1) / 3;
        const int colonne = (n - 1) % 3;
        const QRectF ligne(zone.left() + colonne * l, zone.top() + rangee * h, l, h);
        const QRectF pastille(ligne.left(), ligne.top() + h * 0.15, h * 1.4, h * 0.7);
        p.setPen(QPen(couleur_trait, std::max(0.5, h * 0.03)));
        p.setBrush(couleur_nombre(n));
        p.drawRect(pastille);
        p.setPen(Qt::black);
        p.drawText(pastille, Qt::AlignCenter, QString::number(n));
        p.drawText(ligne.adjusted(h * 1.6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetricsF(p.font()).elidedText(sens_de(n), Qt::ElideRight, l - h * 1.7));
    }
}

// The size of the months' titles, in pixels: the same for every month shown,
// smaller until the longest fits its month's width.
double taille_titres(QPainter& p, const std::vector<std::pair<int, QRectF>>& zones,
                     const VueCalendrier& v) {
    double taille = 0;
    for (const auto& [mois, zone] : zones) {
        const GrilleMois g = grille(zone, v.annee, mois, v.mois == 0);
        police(p, g.titre.height() * 0.42, true);
        const QString titre = titre_mois(v, mois);
        for (int i = 0; i < 8 && QFontMetricsF(p.font()).horizontalAdvance(titre) > g.titre.width();
             ++i)
            police(p, p.font().pixelSize() * 0.85, true);
        const double ici = p.font().pixelSize();
        taille = taille == 0 ? ici : std::min(taille, ici);
    }
    return taille;
}

void dessiner_mois(QPainter& p, const QRectF& zone, const VueCalendrier& v, int mois,
                   double taille_titre) {
    const GrilleMois g = grille(zone, v.annee, mois, v.mois == 0);
    p.setPen(Qt::black);
    police(p, taille_titre, true);
    p.drawText(g.titre, Qt::AlignLeft | Qt::AlignVCenter, titre_mois(v, mois));
    police(p, g.entetes.height() * 0.6);
    for (int c = 0; c < 7; ++c)
        p.drawText(QRectF(g.entetes.left() + c * g.entetes.width() / 7, g.entetes.top(),
                          g.entetes.width() / 7, g.entetes.height()),
                   Qt::AlignCenter,
                   QString::fromUtf8(jours_semaine_abreges[static_cast<std::size_t>(c)]));
    const double trait = std::max(0.5, g.cases.height() / g.semaines * 0.02);
    for (int jour = 1; jour <= g.jours; ++jour) {
        const QRectF c = g.case_du(jour);
        const JourCalendrier* j = jour_de(v, mois, jour);
        p.setPen(QPen(couleur_trait, trait));
        p.setBrush(j ? couleur_nombre(static_cast<int>(j->jour_personnel)) : QColor(Qt::white));
        p.drawRect(c);
        p.setPen(Qt::black);
        police(p, c.height() * 0.24);
        p.drawText(c.adjusted(c.width() * 0.06, c.height() * 0.02, 0, 0),
                   Qt::AlignLeft | Qt::AlignTop, QString::number(jour));
        const JourCalendrier* j2 = j ? jour_dans(v.jours_seconde, j->date) : nullptr;
        if (j && !v.seconde_personne.empty())
            dessiner_deux(p, c, v.mois != 0, *j, j2);
        else if (j)
            dessiner_nombre(p, c, v.mois != 0, j->jour_personnel);
        if (v.aujourdhui && j && j->date == *v.aujourdhui) {
            p.setPen(QPen(couleur_aujourdhui, trait * 4));
            p.setBrush(Qt::NoBrush);
            p.drawRect(c.adjusted(trait * 2, trait * 2, -trait * 2, -trait * 2));
        }
        if (v.choisi && j && j->date == *v.choisi) {
            p.setPen(QPen(couleur_choisi, trait * 3, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(c.adjusted(trait * 2, trait * 2, -trait * 2, -trait * 2));
        }
    }
}

} // namespace

std::optional<VueCalendrier> vue_calendrier(const Theme& t, int annee, int mois,
                                            std::optional<Date> aujourdhui) {
    const Plage plage = mois ? plage_mois(annee, mois) : plage_annee(annee);
    if (verifier_plage(t, plage) && verifier_plage(t, plage_annee(annee)))
        return std::nullopt;
    VueCalendrier v;
    v.personne = nom_de_la_personne(t);
    v.annee = annee;
    v.mois = mois;
    for (int m = 1; m <= 12; ++m) {
        const JourPersonnel j = jour_personnel(t, annee, m, 1);
        v.annee_personnelle = j.annee_personnelle;
        v.mois_personnels[static_cast<std::size_t>(m - 1)] = j.mois_personnel;
    }
    v.jours = jours_personnels(t, plage);
    v.aujourdhui = aujourdhui;
    return v;
}

QString bulle_du_jour(const JourCalendrier& j) {
    return QStringLiteral("Jour personnel %1 — %2\n%3")
        .arg(j.jour_personnel)
        .arg(sens_de(j.jour_personnel), QString::fromStdString(j.explication));
}

QString legende_seconde(const VueCalendrier& v) {
    return QStringLiteral("À droite\u00a0: %1 («\u00a0=\u00a0»\u00a0: même jour personnel)")
        .arg(QString::fromStdString(v.seconde_personne));
}

QString bulle_des_deux(const VueCalendrier& v, const JourCalendrier& j) {
    QString r = QString::fromStdString(v.personne) + QStringLiteral("\u00a0: ") + bulle_du_jour(j);
    if (const JourCalendrier* j2 = jour_dans(v.jours_seconde, j.date))
        r += QStringLiteral("\n\n") + QString::fromStdString(v.seconde_personne) +
             QStringLiteral("\u00a0: ") + bulle_du_jour(*j2);
    return r;
}

const JourCalendrier* jour_seconde(const VueCalendrier& v, const Date& date) {
    return jour_dans(v.jours_seconde, date);
}

void ajouter_seconde_personne(VueCalendrier& v, const Theme& autre) {
    const Plage plage = v.mois ? plage_mois(v.annee, v.mois) : plage_annee(v.annee);
    if (!autre.date_complete() || verifier_plage(autre, plage))
        return;
    v.seconde_personne = nom_de_la_personne(autre);
    v.jours_seconde = jours_personnels(autre, plage);
}

QString titre_mois(const VueCalendrier& v, int mois) {
    return QStringLiteral("%1 %2 — mois personnel\u00a0%3")
        .arg(QString::fromUtf8(
            noms_mois[static_cast<std::size_t>(mois - 1)].data(),
            static_cast<qsizetype>(noms_mois[static_cast<std::size_t>(mois - 1)].size())))
        .arg(v.annee)
        .arg(v.mois_personnels[static_cast<std::size_t>(mois - 1)]);
}

void dessiner_calendrier(QPainter& p, const QRectF& zone, const VueCalendrier& v) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (v.entete) {
        const QRectF bandeau(zone.left(), zone.top(), zone.width(),
                             zone.height() * (v.mois ? 0.05 : 0.045));
        police(p, bandeau.height() * 0.6, true);
        p.setPen(Qt::black);
        p.drawText(bandeau, Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Jours personnels %1 — %2, année personnelle %3")
                       .arg(QString::fromStdString(de(v.personne)))
                       .arg(v.annee)
                       .arg(v.annee_personnelle));
    }
    if (v.entete && !v.seconde_personne.empty()) {
        const QRectF bandeau(zone.left(), zone.top(), zone.width(),
                             zone.height() * (v.mois ? 0.05 : 0.045));
        police(p, bandeau.height() * 0.45);
        p.drawText(bandeau, Qt::AlignRight | Qt::AlignVCenter, legende_seconde(v));
    }
    const auto zones = zones_mois(zone, v);
    const double taille_titre = taille_titres(p, zones, v);
    for (const auto& [mois, z] : zones)
        dessiner_mois(p, z, v, mois, taille_titre);
    if (!v.mois)
        dessiner_legende(p, QRectF(zone.left() + zone.width() * 0.01,
                                   zone.bottom() - zone.height() * part_legende,
                                   zone.width() * 0.98, zone.height() * part_legende));
    p.restore();
}

const JourCalendrier* jour_sous(const QRectF& zone, const VueCalendrier& v, QPointF point) {
    for (const auto& [mois, z] : zones_mois(zone, v)) {
        if (!z.contains(point))
            continue;
        const GrilleMois g = grille(z, v.annee, mois, v.mois == 0);
        for (int jour = 1; jour <= g.jours; ++jour)
            if (g.case_du(jour).contains(point))
                return jour_de(v, mois, jour);
    }
    return nullptr;
}

bool imprimer_calendrier(QPagedPaintDevice& support, const VueCalendrier& vue) {
    support.setPageOrientation(QPageLayout::Landscape);
    support.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&support))
        return false;
    VueCalendrier papier = vue;
    papier.entete = true;
    papier.aujourdhui.reset();
    papier.choisi.reset();
    p.setFont(QFont(document::famille_dossier()));
    const QRect page = support.pageLayout().paintRectPixels(support.logicalDpiX());
    dessiner_calendrier(p, QRectF(0, 0, page.width(), page.height()), papier);
    return p.end();
}

std::optional<QString> exporter_calendrier_pdf(const QString& chemin, const VueCalendrier& vue) {
    const auto echec = [&](const QString& raison) {
        return QStringLiteral("Le calendrier n'a pas pu être enregistré\u202f: %1.")
            .arg(raison.arg(
                QStringLiteral("«\u202f%1\u202f»").arg(QFileInfo(chemin).absoluteFilePath())));
    };
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setTitle(
            QStringLiteral("Jours personnels %1").arg(QString::fromStdString(de(vue.personne))));
        pdf.setCreator(QStringLiteral("Kalder"));
        if (!imprimer_calendrier(pdf, vue))
            return echec(QStringLiteral("les pages de %1 n'ont pas pu être dessinées"));
    }
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return echec(QStringLiteral("le fichier %1 ne peut pas être créé (dossier absent, en "
                                    "lecture seule ou interdit d'écriture)"));
    if (fichier.write(octets) != octets.size() || !fichier.commit()) {
        const bool plein = fichier.error() == QFileDevice::ResourceError;
        fichier.cancelWriting();
        return echec(plein ? QStringLiteral("le disque qui doit contenir %1 est plein")
                           : QStringLiteral("le fichier %1 n'a pas pu être écrit"));
    }
    return std::nullopt;
}

} // namespace kalder
