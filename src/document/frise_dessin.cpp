#include "document/frise_dessin.hpp"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace kalder {

namespace {

// The rows, with their share of the height. On a wide zone the personal years
// are one cell a year on the axis, above the ages; on a narrower one (a portrait
// page) they would be too small to read there and become a table of decades
// under the axis.
enum Rangee { marques, annees, cycles, apogees, defis, noeuds, personnelles, ages, nombre_rangees };
constexpr std::array<double, nombre_rangees> poids_rangees = {1.0, 0.9, 1.5, 1.5,
                                                              1.2, 1.3, 1.5, 0.9};
constexpr std::array<const char*, nombre_rangees> legendes = {
    "", "Année", "Cycles", "Apogées", "Défis", "Noeuds", "Années personnelles", "Âge"};
using Ordre = std::array<Rangee, nombre_rangees>;
constexpr Ordre ordre_axe = {marques, annees, cycles, apogees, defis, noeuds, personnelles, ages};
constexpr Ordre ordre_table = {marques, annees, cycles, apogees, defis, noeuds, ages, personnelles};
// Of the width, for the captions at the left; more beside the table, whose
// lines' captions do not wrap.
constexpr double part_legendes = 0.12;
constexpr double part_legendes_table = 0.15;
constexpr int pas_graduation = 10;              // years between two labels of the axis
constexpr double proportion_minimale_axe = 1.8; // width over height, below it the table
constexpr int annees_par_ligne = 10;
constexpr double poids_titre_table = 1.3; // the table's title, with some air above it
constexpr double poids_ligne_table = 1.3;

// Light enough for black digits and for a black-and-white print, one per number.
constexpr std::array<QRgb, 10> couleurs_nombres = {
    0xffffff, // 0
    0xf4a6a6, // 1
    0xf7c99b, // 2
    0xf5e59a, // 3
    0xc5e3a0, // 4
    0x9fd8c9, // 5
    0xa9c8f0, // 6
    0xc4b5ea, // 7
    0xe8b3d9, // 8
    0xd0d0d0, // 9
};
} // namespace

QColor couleur_nombre(int chiffre) {
    return QColor(couleurs_nombres[static_cast<std::size_t>(std::clamp(chiffre, 0, 9))]);
}

namespace {

const QColor couleur_trait(0x30, 0x30, 0x30);
const QColor couleur_annee_courante(0xb0, 0x00, 0x00);
const QColor couleur_annee_calcul(0x00, 0x40, 0xa0);

struct Disposition {
    QRectF zone;
    double axe_gauche = 0;
    double axe_largeur = 0;
    std::array<QRectF, nombre_rangees> rangees; // each over the whole width
    int age_maximal = 1;
    bool en_table = false;
    int lignes_table = 0;

    Disposition(const QRectF& z, const Frise& f)
        : zone(z), age_maximal(std::max(1, f.age_maximal)),
          en_table(z.width() < z.height() * proportion_minimale_axe) {
        const double marge = std::min(z.width(), z.height()) * 0.02;
        const QRectF interieur = z.adjusted(marge, marge, -marge, -marge);
        axe_gauche =
            interieur.left() + interieur.width() * (en_table ? part_legendes_table : part_legendes);
        axe_largeur = interieur.right() - axe_gauche;
        std::array<double, nombre_rangees> poids = poids_rangees;
        if (en_table) {
            lignes_table = (age_maximal + annees_par_ligne - 1) / annees_par_ligne;
            poids[personnelles] = poids_titre_table + lignes_table * poids_ligne_table;
        }
        double total = 0;
        for (double p : poids)
            total += p;
        double y = interieur.top();
        for (Rangee r : en_table ? ordre_table : ordre_axe) {
            const double h = interieur.height() * poids[r] / total;
            rangees[r] = QRectF(interieur.left(), y, interieur.width(), h);
            y += h;
        }
    }

    double x(double age) const { return axe_gauche + axe_largeur * age / age_maximal; }

    // A band's rectangle in its row, with a little air above and below.
    QRectF rectangle(Rangee r, double debut, double fin) const {
        const QRectF& rangee = rangees[r];
        const double air = rangee.height() * 0.1;
        return QRectF(QPointF(x(debut), rangee.top() + air),
                      QPointF(x(fin), rangee.bottom() - air));
    }

    double hauteur_ligne() const {
        return rangees[personnelles].height() /
               (poids_titre_table / poids_ligne_table + lignes_table);
    }

    // One line of the table, over the whole width, its caption at the left.
    QRectF ligne(int l) const {
        const QRectF& table = rangees[personnelles];
        const double h = hauteur_ligne();
        return QRectF(table.left(), table.bottom() - (lignes_table - l) * h, table.width(), h);
    }

    QRectF titre_table() const {
        const QRectF& table = rangees[personnelles];
        return QRectF(table.left(), table.top(), table.width(), ligne(0).top() - table.top());
    }

    QRectF annee(int age) const {
        if (!en_table)
            return rectangle(personnelles, age, age + 1);
        const QRectF l = ligne(age / annees_par_ligne);
        const double largeur = axe_largeur / annees_par_ligne;
        const double air = l.height() * 0.06;
        return QRectF(axe_gauche + (age % annees_par_ligne) * largeur, l.top() + air, largeur,
                      l.height() - 2 * air);
    }

    QRectF legende(Rangee r) const {
        const QRectF& rangee = rangees[r];
        return QRectF(rangee.left(), rangee.top(), axe_gauche - rangee.left(), rangee.height());
    }

    QRectF noeud(const BandeFrise& b) const {
        const QRectF& rangee = rangees[noeuds];
        const double rayon = rangee.height() * 0.36;
        return QRectF(x(b.age_debut) - rayon, rangee.center().y() - rayon, 2 * rayon, 2 * rayon);
    }
};

void ajouter(std::vector<ZoneBande>& zones, const Disposition& d, Rangee r, const auto& bandes) {
    for (const BandeFrise& b : bandes)
        zones.push_back({d.rectangle(r, b.age_debut, b.age_fin), &b});
}

std::vector<ZoneBande> zones(const Disposition& d, const Frise& f) {
    std::vector<ZoneBande> z;
    z.reserve(f.annees_personnelles.size() + 20);
    ajouter(z, d, cycles, f.cycles);
    ajouter(z, d, apogees, f.apogees);
    ajouter(z, d, defis, f.defis);
    for (const BandeFrise& b : f.noeuds)
        z.push_back({d.noeud(b), &b});
    for (const BandeFrise& b : f.annees_personnelles)
        z.push_back({d.annee(b.age_debut), &b});
    return z;
}

// A font of `hauteur` device pixels, from the painter's own.
QFont police(const QPainter& peintre, double hauteur, bool gras = false) {
    QFont f = peintre.font();
    const int dpi = peintre.device() ? peintre.device()->logicalDpiY() : 96;
    f.setPointSizeF(std::max(1.0, hauteur * 72.0 / dpi));
    f.setBold(gras);
    return f;
}

// The first of the texts that fits the rectangle, centred; none if none fits.
// On `fond` when given, so that a line drawn across the band leaves it whole.
void texte_ajuste(QPainter& peintre, const QRectF& r, std::initializer_list<QString> textes,
                  const QColor* fond = nullptr) {
    const QFontMetricsF mesure(peintre.font(), peintre.device());
    for (const QString& t : textes) {
        const double largeur = mesure.horizontalAdvance(t);
        if (largeur <= r.width() * 0.92 && mesure.height() <= r.height()) {
            if (fond) {
                const double air = mesure.height() * 0.15;
                const QRectF place(r.center().x() - largeur / 2 - air,
                                   r.center().y() - mesure.height() / 2, largeur + 2 * air,
                                   mesure.height());
                peintre.fillRect(place.intersected(r.adjusted(1, 1, -1, -1)), *fond);
            }
            peintre.drawText(r, Qt::AlignCenter, t);
            return;
        }
    }
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QColor couleur_bande(const BandeFrise& b) {
    return couleur_nombre(b.chiffre);
}

void dessiner_bandes(QPainter& p, const Disposition& d, Rangee r, const auto& bandes,
                     bool avec_titre) {
    for (const BandeFrise& b : bandes) {
        const QRectF rect = d.rectangle(r, b.age_debut, b.age_fin);
        p.setBrush(couleur_nombre(b.chiffre));
        p.drawRect(rect);
        if (avec_titre)
            texte_ajuste(p, rect,
                         {q(b.titre) + QStringLiteral("\u202F: ") + q(b.nombre), q(b.nombre)});
        else
            texte_ajuste(p, rect, {q(b.nombre)});
    }
}

// The captions of the bands drawn again over the year marks, on their band's
// colour: "Cycle 2 : 11/2" stays whole where a mark crosses it.
void etiqueter_bandes(QPainter& p, const Disposition& d, Rangee r, const auto& bandes) {
    for (const BandeFrise& b : bandes) {
        const QColor fond = couleur_bande(b);
        texte_ajuste(p, d.rectangle(r, b.age_debut, b.age_fin),
                     {q(b.titre) + QStringLiteral("\u202F: ") + q(b.nombre), q(b.nombre)}, &fond);
    }
}

// One label per tick, kept within the axis: the first starts at its tick,
// the last ends at it.
void graduer(QPainter& p, const Disposition& d, double x, double haut, double hauteur,
             const QString& texte) {
    const double largeur = QFontMetricsF(p.font(), p.device()).horizontalAdvance(texte) * 1.1;
    const double gauche =
        std::clamp(x - largeur / 2, d.axe_gauche, d.axe_gauche + d.axe_largeur - largeur);
    p.drawText(QRectF(gauche, haut, largeur, hauteur), Qt::AlignCenter, texte);
}

// The axis labels' height: a year's label narrower than two thirds of the gap
// between two ticks, so that the first one, which starts at its tick, never
// runs into the second.
double taille_graduations(const QPainter& p, const Disposition& d, const Frise& f, double hauteur) {
    const double ecart = d.axe_largeur * pas_graduation / d.age_maximal;
    const QFont essai = police(p, hauteur);
    const double largeur = QFontMetricsF(essai, p.device())
                               .horizontalAdvance(QString::number(f.annee(d.age_maximal))) *
                           1.1;
    return largeur > ecart * 2 / 3 ? hauteur * ecart * 2 / 3 / largeur : hauteur;
}

void dessiner_axes(QPainter& p, const Disposition& d, const Frise& f) {
    const QRectF& haut = d.rangees[annees];
    const QRectF& bas = d.rangees[ages];
    for (int age = 0; age <= d.age_maximal; age += pas_graduation) {
        const double x = d.x(age);
        p.drawLine(QPointF(x, haut.bottom() - haut.height() * 0.25), QPointF(x, haut.bottom()));
        p.drawLine(QPointF(x, bas.top()), QPointF(x, bas.top() + bas.height() * 0.25));
        graduer(p, d, x, haut.top(), haut.height() * 0.75, QString::number(f.annee(age)));
        graduer(p, d, x, bas.top() + bas.height() * 0.25, bas.height() * 0.75,
                QString::number(age));
    }
}

// The ages of each line of the table: "0 à 9 ans".
QStringList ages_des_lignes(const Disposition& d) {
    QStringList ages_lignes;
    for (int l = 0; l < d.lignes_table; ++l) {
        const int debut = l * annees_par_ligne;
        const int fin = std::min(debut + annees_par_ligne, d.age_maximal) - 1;
        ages_lignes << (debut == fin ? QStringLiteral("%1\u00a0ans").arg(debut)
                                     : QStringLiteral("%1 à %2\u00a0ans").arg(debut).arg(fin));
    }
    return ages_lignes;
}

// The captions at the left, in a bold font small enough for their longest
// word and for the table's line captions, which do not wrap.
void dessiner_legendes(QPainter& p, const Disposition& d, double hauteur) {
    const double marge = hauteur * 0.5;
    const double place = d.legende(cycles).width() - marge;
    const QStringList ages_lignes = ages_des_lignes(d);
    p.setFont(police(p, hauteur, true));
    double plus_long = 1;
    const QFontMetricsF mesure(p.font(), p.device());
    for (const char* legende : legendes)
        for (const QString& mot : QString::fromUtf8(legende).split(QLatin1Char(' ')))
            plus_long = std::max(plus_long, mesure.horizontalAdvance(mot));
    for (const QString& ages_ligne : ages_lignes)
        plus_long = std::max(plus_long, mesure.horizontalAdvance(ages_ligne));
    if (plus_long > place)
        p.setFont(police(p, std::max(1.0, hauteur * place / plus_long), true));
    for (int r = 0; r < nombre_rangees; ++r) {
        if (d.en_table && r == personnelles)
            continue;
        const QRectF legende = d.legende(static_cast<Rangee>(r)).adjusted(0, 0, -marge, 0);
        p.drawText(legende, Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::fromUtf8(legendes[static_cast<std::size_t>(r)]));
    }
    if (!d.en_table)
        return;
    // The table's title over it, each line captioned with its ages.
    const QRectF titre = d.titre_table();
    p.drawText(QRectF(d.axe_gauche, titre.top(), d.axe_largeur, titre.height()),
               Qt::AlignLeft | Qt::AlignBottom,
               QString::fromUtf8(legendes[static_cast<std::size_t>(personnelles)]));
    for (int l = 0; l < d.lignes_table; ++l) {
        const QRectF ligne = d.ligne(l);
        p.drawText(QRectF(ligne.left(), ligne.top(), place, ligne.height()),
                   Qt::AlignRight | Qt::AlignVCenter, ages_lignes[l]);
    }
}

// On the axis the digit alone, as large as its cell allows; in the table the
// year above the digit.
void dessiner_annees(QPainter& p, const Disposition& d, const Frise& f, double unite) {
    if (!d.en_table) {
        const double cellule = d.axe_largeur / d.age_maximal;
        p.setFont(police(p, std::min(unite * 0.5, cellule * 0.85)));
        dessiner_bandes(p, d, personnelles, f.annees_personnelles, false);
        return;
    }
    const double h = d.hauteur_ligne();
    const QFont police_annee = police(p, h * 0.26);
    const QFont police_nombre = police(p, h * 0.4, true);
    for (const BandeFrise& b : f.annees_personnelles) {
        const QRectF cellule = d.annee(b.age_debut);
        p.setBrush(couleur_nombre(b.chiffre));
        p.drawRect(cellule);
        const double milieu = cellule.top() + cellule.height() * 0.4;
        p.setFont(police_annee);
        texte_ajuste(
            p, QRectF(QPointF(cellule.left(), cellule.top()), QPointF(cellule.right(), milieu)),
            {q(b.titre)});
        p.setFont(police_nombre);
        texte_ajuste(p, QRectF(QPointF(cellule.left(), milieu), cellule.bottomRight()),
                     {q(b.nombre)});
    }
}

// Each node a circle with its age; `ligne` draws the axis through them first.
void dessiner_noeuds(QPainter& p, const Disposition& d, const Frise& f, bool ligne = true) {
    const QRectF& rangee = d.rangees[noeuds];
    if (ligne)
        p.drawLine(QPointF(d.x(0), rangee.center().y()),
                   QPointF(d.x(d.age_maximal), rangee.center().y()));
    p.setBrush(Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont avant = p.font();
    if (!f.noeuds.empty())
        p.setFont(police(p, d.noeud(f.noeuds.front()).height() * 0.5));
    for (const BandeFrise& b : f.noeuds) {
        const QRectF cercle = d.noeud(b);
        p.drawEllipse(cercle);
        texte_ajuste(p, cercle.adjusted(-cercle.width(), 0, cercle.width(), 0), {q(b.nombre)});
    }
    p.setFont(avant);
    p.setRenderHint(QPainter::Antialiasing, false);
}

struct Marque {
    int annee;
    QString legende;
    QColor couleur;
    Qt::PenStyle style;
    bool a_gauche; // the caption's side of the line, away from the other mark
};

// A year marked by a vertical line over the bands and its cell framed, the
// digit left readable; its age, if the axis holds it.
std::optional<double> tracer_marque(QPainter& p, const Disposition& d, const Frise& f,
                                    const Marque& m) {
    const double age = m.annee - f.annee_naissance;
    if (age < 0 || age >= d.age_maximal)
        return std::nullopt;
    const double x = d.x(age + 0.5);
    p.setPen(QPen(m.couleur, std::max(1.0, d.rangees[cycles].height() * 0.05), m.style));
    // Down to the personal years on the axis, or over the bands above the
    // table; broken over the years' labels, which stay readable.
    const QRectF cellule = d.annee(static_cast<int>(age));
    const double bas = d.en_table ? d.rangees[ages].top() : cellule.top();
    const QRectF& etiquettes = d.rangees[annees];
    p.drawLine(QPointF(x, d.rangees[marques].center().y()), QPointF(x, etiquettes.top()));
    p.drawLine(QPointF(x, etiquettes.bottom() - etiquettes.height() * 0.25), QPointF(x, bas));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cellule);
    return x;
}

// The caption on its side of the line, or on the other one when the zone ends
// first, never across its own line.
QRectF placer_legende(const QPainter& p, const Disposition& d, const Marque& m, double x) {
    const QRectF& haut = d.rangees[marques];
    const double largeur = QFontMetricsF(p.font(), p.device()).horizontalAdvance(m.legende) * 1.05;
    const double ecart = haut.height() * 0.2;
    const bool a_droite_possible = x + ecart + largeur <= d.zone.right();
    const bool a_gauche_possible = x - ecart - largeur >= d.zone.left();
    bool a_gauche = m.a_gauche;
    if (a_gauche ? !a_gauche_possible && a_droite_possible
                 : !a_droite_possible && a_gauche_possible)
        a_gauche = !a_gauche;
    const double gauche = a_gauche ? x - ecart - largeur : x + ecart;
    return QRectF(
        std::clamp(gauche, d.zone.left(), std::max(d.zone.left(), d.zone.right() - largeur)),
        haut.top(), largeur, haut.height());
}

// Two captions close together are pushed apart, the right one rightwards as
// far as the zone allows, the left one leftwards for the rest.
void ecarter(QRectF& gauche, QRectF& droite, const QRectF& zone, double ecart) {
    const double chevauchement = gauche.right() + ecart - droite.left();
    if (chevauchement <= 0)
        return;
    const double vers_la_droite = std::clamp(zone.right() - droite.right(), 0.0, chevauchement);
    droite.translate(vers_la_droite, 0);
    gauche.translate(vers_la_droite - chevauchement, 0);
}

void dessiner_marques(QPainter& p, const Disposition& d, const Frise& f) {
    std::vector<Marque> liste;
    if (f.annee_calcul == f.annee_courante || f.annee_calcul == 0) {
        liste.push_back(
            {f.annee_courante,
             QStringLiteral("Année en cours et de calcul\u202F: %1").arg(f.annee_courante),
             couleur_annee_courante, Qt::SolidLine, false});
    } else {
        const bool calcul_apres = f.annee_calcul > f.annee_courante;
        liste.push_back({f.annee_courante,
                         QStringLiteral("Année en cours\u202f: %1").arg(f.annee_courante),
                         couleur_annee_courante, Qt::SolidLine, calcul_apres});
        liste.push_back({f.annee_calcul,
                         QStringLiteral("Année de calcul\u202F: %1").arg(f.annee_calcul),
                         couleur_annee_calcul, Qt::DashLine, !calcul_apres});
    }
    // A caption wider than the room on either side of its line is made smaller.
    const QFontMetricsF mesure(p.font(), p.device());
    const double ecart = d.rangees[marques].height() * 0.2;
    double echelle = 1;
    for (const Marque& m : liste) {
        const double x = d.x(m.annee - f.annee_naissance + 0.5);
        const double place = std::max(x - d.zone.left(), d.zone.right() - x) - 2 * ecart;
        const double largeur = mesure.horizontalAdvance(m.legende) * 1.05;
        if (largeur > place && place > 0)
            echelle = std::min(echelle, place / largeur);
    }
    if (echelle < 1) {
        QFont plus_petite = p.font();
        plus_petite.setPointSizeF(std::max(1.0, plus_petite.pointSizeF() * echelle));
        p.setFont(plus_petite);
    }
    std::vector<std::pair<const Marque*, QRectF>> places;
    for (const Marque& m : liste)
        if (const auto x = tracer_marque(p, d, f, m))
            places.emplace_back(&m, placer_legende(p, d, m, *x));
    if (places.size() == 2) {
        QRectF& a = places[0].second;
        QRectF& b = places[1].second;
        if (a.left() <= b.left())
            ecarter(a, b, d.zone, d.rangees[marques].height() * 0.4);
        else
            ecarter(b, a, d.zone, d.rangees[marques].height() * 0.4);
    }
    for (const auto& [m, rectangle] : places) {
        p.setPen(m->couleur);
        p.drawText(rectangle, Qt::AlignCenter, m->legende);
    }
}

} // namespace

std::vector<ZoneBande> zones_bandes(const QRectF& zone, const Frise& frise) {
    return zones(Disposition(zone, frise), frise);
}

void dessiner_frise(QPainter& p, const QRectF& zone, const Frise& f) {
    const Disposition d(zone, f);
    p.save();
    // Straight bands need no smoothing, which would cost most of an image's time.
    p.setRenderHint(QPainter::Antialiasing, false);
    const double unite = d.rangees[annees].height();
    const QPen trait(couleur_trait, std::max(1.0, unite * 0.03));
    p.setPen(trait);

    dessiner_legendes(p, d, unite * 0.55);

    p.setFont(police(p, taille_graduations(p, d, f, unite * 0.55)));
    dessiner_axes(p, d, f);
    p.setFont(police(p, unite * 0.6));
    dessiner_bandes(p, d, cycles, f.cycles, true);
    dessiner_bandes(p, d, apogees, f.apogees, true);
    dessiner_bandes(p, d, defis, f.defis, true);
    dessiner_noeuds(p, d, f);
    dessiner_annees(p, d, f, unite);

    p.setFont(police(p, unite * 0.55, true));
    dessiner_marques(p, d, f);
    // The marks cross the bands: their captions and the nodes stay readable.
    p.setPen(trait);
    p.setFont(police(p, unite * 0.6));
    etiqueter_bandes(p, d, cycles, f.cycles);
    etiqueter_bandes(p, d, apogees, f.apogees);
    etiqueter_bandes(p, d, defis, f.defis);
    dessiner_noeuds(p, d, f, false);
    p.restore();
}

std::optional<std::string> explication_sous(const QRectF& zone, const Frise& frise, QPointF point) {
    for (const ZoneBande& z : zones_bandes(zone, frise))
        if (z.rectangle.contains(point))
            return z.bande->explication;
    return std::nullopt;
}

} // namespace kalder
