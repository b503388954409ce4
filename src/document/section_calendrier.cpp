// "Calendrier de l'année": the twelve months of the year of calculation, three
// side by side in one table, each day's personal day written under its date
// (the colour only helps), and each month's personal month in its heading.

#include "calendrier/sens.hpp"
#include "document/calendrier_dessin.hpp"
#include "document/frise_dessin.hpp"
#include "document/html.hpp"
#include "document/parties.hpp"

namespace kalder::document {

namespace {

using namespace std::chrono;

constexpr int mois_par_rangee = 3;
constexpr int semaines = 6; // every month gets six rows, so that the months line up

// The cells of week `semaine` (0..5) of a month.
QString semaine_html(const VueCalendrier& v, int mois, int semaine) {
    const year_month am{year{v.annee}, month{static_cast<unsigned>(mois)}};
    const int decalage = static_cast<int>((weekday{sys_days{am / 1}}.iso_encoding() + 6) % 7);
    const int jours = static_cast<int>(static_cast<unsigned>((am / last).day()));
    QString h;
    for (int colonne = 0; colonne < 7; ++colonne) {
        const int jour = semaine * 7 + colonne - decalage + 1;
        if (jour < 1 || jour > jours) {
            h += QStringLiteral("<td></td>");
            continue;
        }
        const Date date{am / day{static_cast<unsigned>(jour)}};
        const auto it = std::find_if(v.jours.begin(), v.jours.end(),
                                     [&](const JourCalendrier& j) { return j.date == date; });
        if (it == v.jours.end()) {
            h += QStringLiteral("<td align=\"center\"><span style=\"font-size: 6pt;\">%1</span>"
                                "<br>&nbsp;</td>")
                     .arg(jour);
            continue;
        }
        const int n = static_cast<int>(it->jour_personnel);
        h += QStringLiteral("<td align=\"center\" bgcolor=\"%1\"><span style=\"font-size: "
                            "6pt;\">%2</span><br><b>%3</b></td>")
                 .arg(couleur_nombre(n).name())
                 .arg(jour)
                 .arg(n);
    }
    return h;
}

QString rangee_html(const VueCalendrier& v, int premier) {
    const QString ecart = QStringLiteral("<td width=\"2%\"></td>");
    QString h = QStringLiteral("<tr>");
    for (int m = premier; m < premier + mois_par_rangee; ++m)
        h += (m > premier ? ecart : QString()) + QStringLiteral("<td colspan=\"7\"><b>%1</b></td>")
                                                     .arg(titre_mois(v, m).toHtmlEscaped());
    h += QStringLiteral("</tr>\n<tr>");
    for (int m = premier; m < premier + mois_par_rangee; ++m) {
        if (m > premier)
            h += ecart;
        for (const char* j : jours_semaine_abreges)
            h += QStringLiteral("<td align=\"center\">%1</td>").arg(QLatin1String(j));
    }
    h += QStringLiteral("</tr>\n");
    for (int s = 0; s < semaines; ++s) {
        h += QStringLiteral("<tr>");
        for (int m = premier; m < premier + mois_par_rangee; ++m)
            h += (m > premier ? ecart : QString()) + semaine_html(v, m, s);
        h += QStringLiteral("</tr>\n");
    }
    return h;
}

QString texte(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toHtmlEscaped();
}

// The nine meanings once, in the numbers' colours, three to a row.
QString legende_html() {
    QString h = QStringLiteral("<p class=\"suite\">Sens des jours personnels\u00a0:</p>\n"
                               "<table cellspacing=\"1\" cellpadding=\"2\" width=\"100%\" "
                               "style=\"font-size: 7.5pt; margin-bottom: 8px;\">\n");
    for (int n = 1; n <= 9; ++n) {
        if (n % 3 == 1)
            h += QStringLiteral("<tr>");
        h += QStringLiteral("<td align=\"center\" width=\"4%\" bgcolor=\"%1\"><b>%2</b></td>"
                            "<td width=\"29%\">%3</td>")
                 .arg(couleur_nombre(n).name())
                 .arg(n)
                 .arg(texte(sens_jour_personnel(n)));
        if (n % 3 == 0)
            h += QStringLiteral("</tr>\n");
    }
    return h + QStringLiteral("</table>\n");
}

} // namespace

QString html_calendrier(const ThemeCalcule& etat) {
    const auto vue =
        vue_calendrier(etat.origines.theme, static_cast<int>(etat.origines.annee_grille), 0);
    if (!vue)
        return {};
    QString h = QStringLiteral("<p class=\"suite\">Année %1, année personnelle %2. Dans chaque "
                               "case, la date puis, en gras, le jour personnel (mois personnel "
                               "+ jour, réduit à un chiffre).</p>\n")
                    .arg(vue->annee)
                    .arg(vue->annee_personnelle);
    h += QStringLiteral("<table cellspacing=\"1\" cellpadding=\"1\" width=\"100%\" "
                        "style=\"font-size: 7.5pt; margin-top: 8px; margin-bottom: 12px;\">\n");
    for (int mois = 1; mois <= 12; mois += mois_par_rangee) {
        h += rangee_html(*vue, mois);
        if (mois + mois_par_rangee <= 12)
            h += QStringLiteral("<tr><td colspan=\"23\">&nbsp;</td></tr>\n");
    }
    h += QStringLiteral("</table>\n");
    h += QStringLiteral("<p class=\"suite\">Année personnelle %1\u00a0: %2</p>\n")
             .arg(vue->annee_personnelle)
             .arg(texte(sens_personnel(Echelle::annee, vue->annee_personnelle)));
    h += legende_html();
    return h + QStringLiteral("<p class=\"suite\">Les couleurs sont celles des "
                              "nombres de la frise de vie.</p>\n");
}

} // namespace kalder::document
