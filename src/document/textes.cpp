// The cover, the interpretations and the explanations of the dossier.

#include "document/html.hpp"
#include "document/parties.hpp"
#include "explication/explications.hpp"
#include "interpretation/commandes.hpp"
#include "modele/catalogue.hpp"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace kalder::document {

namespace {

struct Commande {
    Section section;
    SorteInterpretation sorte;
};
constexpr Commande commandes[] = {{Section::synthese, SorteInterpretation::synthese},
                                  {Section::details, SorteInterpretation::details},
                                  {Section::cycles, SorteInterpretation::annee},
                                  {Section::entente, SorteInterpretation::entente}};

} // namespace

QString insecables(QString ligne) {
    static const QRegularExpression avant(QStringLiteral(" (?=[:;=\u2192])"));
    static const QRegularExpression valeur_absolue(QStringLiteral("\\|[^|]{1,30}\\|"));
    ligne.replace(avant, QString(QChar::Nbsp));
    for (auto m = valeur_absolue.globalMatch(ligne); m.hasNext();) {
        const auto trouve = m.next();
        QString entiere = trouve.captured().replace(QLatin1Char(' '), QChar::Nbsp);
        entiere.insert(1, QChar(0x2060)); // word joiner
        ligne.replace(trouve.capturedStart(), trouve.capturedLength(), entiere);
    }
    return ligne;
}

QString blocs_en_html(const Blocs& blocs) {
    QString h;
    bool apres_blanc = true;
    bool apres_titre = false;
    for (auto it = blocs.begin(); it != blocs.end(); ++it) {
        const Bloc& bloc = *it;
        const QString ligne = q(bloc.texte).trimmed();
        if (bloc.genre == Genre::trait || ligne.isEmpty()) {
            apres_blanc = true;
            continue;
        }
        const QString classe = apres_blanc ? QStringLiteral("ecart") : QStringLiteral("suite");
        // The first line of a group introduces the lines right under it; the
        // line under a heading, what follows it.
        const auto suivant = std::next(it);
        const bool introduit =
            apres_titre ||
            (apres_blanc && suivant != blocs.end() && suivant->genre != Genre::trait &&
             suivant->genre != Genre::titre && !q(suivant->texte).trimmed().isEmpty());
        apres_titre = bloc.genre == Genre::titre;
        if (bloc.genre != Genre::titre)
            h += QStringLiteral("<p class=\"%1\"%2>%3</p>\n")
                     .arg(classe,
                          introduit ? QStringLiteral(" style=\"-qt-user-state: %1;\"")
                                          .arg(etat_ligne_introductive)
                                    : QString(),
                          insecables(ligne.toHtmlEscaped()));
        else if (bloc.niveau <= 2)
            h += titre_html(bloc.niveau + 2, ligne);
        else
            // A heading run into its lines: bold at their size, spaced as they are.
            h += QStringLiteral("<h4 class=\"%1\">%2</h4>\n")
                     .arg(classe, insecables(ligne.toHtmlEscaped()));
        apres_blanc = false;
    }
    return h;
}

namespace {

// "Cycles et année": the whole life and the year once, then every month of
// the year, each under its heading as French writes it ("Mois d'avril").
// The window's text holds the month chosen on the tab; the dossier takes
// each month's part of the same text in turn.
std::optional<Blocs> annee_entiere(const ThemeCalcule& etat) {
    Blocs tout;
    for (int m = 1; m <= nombre_mois; ++m) {
        auto texte = interpreter(etat, SorteInterpretation::annee, m);
        if (!texte || texte->blocs.empty())
            return std::nullopt;
        Blocs& blocs = texte->blocs;
        const std::string titre = std::string("Mois de ") + std::string(noms_mois[m - 1]);
        const auto entete = std::find_if(blocs.begin(), blocs.end(), [&titre](const Bloc& b) {
            return b.genre == Genre::titre && b.texte == titre;
        });
        if (entete == blocs.end())
            return std::nullopt;
        entete->texte = "Mois " + std::string(du_mois(m));
        // The month's part starts at the rule above its heading.
        auto debut = entete;
        while (debut != blocs.begin() && debut->genre != Genre::trait)
            --debut;
        tout.insert(tout.end(), m > 1 ? debut : blocs.begin(), blocs.end());
    }
    return tout;
}

QString date_texte(Nombre jour, Nombre mois, Nombre annee) {
    return QStringLiteral("%1/%2/%3")
        .arg(jour, 2, 10, QLatin1Char('0'))
        .arg(mois, 2, 10, QLatin1Char('0'))
        .arg(annee);
}

QString ligne_couverture(const QString& libelle, const QString& valeur) {
    return QStringLiteral("<tr><td align=\"right\"><span style=\"color: #505060;\">%1</span></td>"
                          "<td><b>%2</b></td></tr>\n")
        .arg(libelle.toHtmlEscaped(), valeur.toHtmlEscaped());
}

} // namespace

QString nom_complet(std::string_view prenom, std::string_view nom) {
    return (q(prenom).trimmed() + QLatin1Char(' ') + q(nom).trimmed()).trimmed();
}

QString nom_complet(const ThemeCalcule& etat) {
    return nom_complet(etat.theme.prenom, etat.theme.nom);
}

QString nom_de_fichier_suggere(const ThemeCalcule& etat) {
    const Theme& t = etat.theme;
    QString nom = (q(t.nom).trimmed() + QLatin1Char(' ') + q(t.prenom).trimmed()).trimmed();
    if (t.jour > 0)
        nom += QLatin1Char(' ') +
               date_texte(t.jour, t.mois, t.annee).replace(QLatin1Char('/'), QLatin1Char('-'));
    for (QChar interdit : QStringLiteral("/\\:*?\"<>|"))
        nom.replace(interdit, QLatin1Char('-'));
    return (nom.isEmpty() ? QStringLiteral("Dossier") : nom) + QStringLiteral(".pdf");
}

QString html_couverture(const ThemeCalcule& etat, const ParametresDossier& p) {
    const Theme& t = etat.theme;
    QString h = QStringLiteral(
        "<p class=\"haut-couverture\">&nbsp;</p>\n<p align=\"center\" class=\"titre-couverture\">"
        "Thème numérologique</p>\n");
    h += QStringLiteral("<p align=\"center\" class=\"nom-couverture\">%1</p>\n")
             .arg(nom_complet(etat).toHtmlEscaped());
    h += QStringLiteral("<table align=\"center\" cellspacing=\"0\" cellpadding=\"6\" "
                        "style=\"font-size: 12pt;\">\n");
    h += ligne_couverture(QStringLiteral("Date de naissance"),
                          t.jour > 0 ? date_texte(t.jour, t.mois, t.annee)
                                     : QStringLiteral("non indiquée"));
    if (p.consultation.isValid())
        h += ligne_couverture(QStringLiteral("Date de la consultation"),
                              p.consultation.toString(QStringLiteral("dd/MM/yyyy")));
    if (const QString partenaire = nom_partenaire(etat); !partenaire.isEmpty())
        h += ligne_couverture(QStringLiteral("Entente avec"), partenaire);
    if (etat.origines.annee_grille > 0)
        h += ligne_couverture(QStringLiteral("Année de calcul"),
                              QString::number(etat.origines.annee_grille));
    if (!p.prepare_par.trimmed().isEmpty())
        h += ligne_couverture(QStringLiteral("Préparé par"), p.prepare_par.trimmed());
    h += QStringLiteral("</table>\n");
    if (const QString raison = raison_omissions(etat); !raison.isEmpty())
        h += QStringLiteral("<p align=\"center\" class=\"ecart\">%1</p>\n")
                 .arg(raison.toHtmlEscaped());
    return h;
}

QString html_message(const ParametresDossier& p) {
    const QString texte = p.message.trimmed();
    if (texte.isEmpty())
        return {};
    // A heading as the sections' are: in the contents and the outline.
    QString h = QStringLiteral("<h1 style=\"page-break-before: always;\">%1</h1>\n")
                    .arg(titre_message.toHtmlEscaped());
    for (const QString& ligne : texte.split(QLatin1Char('\n')))
        h += QStringLiteral("<p class=\"message\">%1</p>\n")
                 .arg(ligne.trimmed().isEmpty() ? QStringLiteral("&nbsp;") : ligne.toHtmlEscaped());
    return h;
}

QString html_interpretation(const ThemeCalcule& etat, Section section) {
    const auto c = std::find_if(std::begin(commandes), std::end(commandes),
                                [section](const Commande& x) { return x.section == section; });
    if (c == std::end(commandes))
        return {};
    // The compatibility of the person with whom? Said before the text. The
    // year needs a birth date.
    if ((section == Section::entente && nom_partenaire(etat).isEmpty()) ||
        (section == Section::cycles && !etat.theme.date_complete()))
        return {};
    Blocs blocs;
    if (section == Section::cycles) {
        auto annee = annee_entiere(etat);
        if (!annee)
            return {};
        blocs = std::move(*annee);
    } else if (auto texte = interpreter(etat, c->sorte, 1); texte && !texte->blocs.empty()) {
        blocs = std::move(texte->blocs);
    } else {
        return {};
    }
    const QString avec = section == Section::entente
                             ? QStringLiteral("<p class=\"ecart\"><b>Avec %1</b></p>\n")
                                   .arg(nom_partenaire(etat).toHtmlEscaped())
                             : QString();
    return avec + blocs_en_html(blocs);
}

namespace {

// The body of a section; empty when the dossier leaves it out.
QString corps_section(const ThemeCalcule& etat, const ParametresDossier& p, Section s) {
    switch (s) {
    case Section::nombres:
        return html_nombres(etat);
    case Section::variantes:
        return html_variantes(etat, p);
    case Section::frise:
        if (etat.theme.date_complete())
            return QStringLiteral("<p>%1</p>\n").arg(marque_frise);
        return {};
    case Section::explications:
        return html_explications(etat);
    case Section::calendrier:
        return html_calendrier(etat);
    default:
        return html_interpretation(etat, s);
    }
}

} // namespace

std::vector<Section> sections_imprimees(const ThemeCalcule& etat, const ParametresDossier& p) {
    std::vector<Section> r;
    for (Section s : p.sections)
        if (!corps_section(etat, p, s).isEmpty())
            r.push_back(s);
    return r;
}

QString html_dossier(const ThemeCalcule& etat, const ParametresDossier& p) {
    std::vector<std::pair<QString, QString>> parties; // title, body
    for (Section s : p.sections)
        if (QString corps = corps_section(etat, p, s); !corps.isEmpty())
            parties.emplace_back(q(description(s).titre), std::move(corps));
    const auto titre_section = [](const QString& titre) {
        return QStringLiteral("<h1 style=\"page-break-before: always;\">%1</h1>\n")
            .arg(titre.toHtmlEscaped());
    };
    const QString message = html_message(p);
    QString h = html_couverture(etat, p) + message;
    // The contents after the cover, once there is more than one section; the
    // message, when there is one, is their first line.
    if (parties.size() > 1) {
        std::vector<QString> entrees;
        if (!message.isEmpty())
            entrees.push_back(titre_message);
        for (const auto& partie : parties)
            entrees.push_back(partie.first);
        h += titre_section(titre_sommaire) +
             QStringLiteral("<table cellspacing=\"0\" cellpadding=\"5\" width=\"100%\" "
                            "style=\"font-size: 11pt;\">\n");
        for (std::size_t i = 0; i < entrees.size(); ++i)
            h += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>\n")
                     .arg(entrees[i].toHtmlEscaped(), marque_page(static_cast<int>(i) + 1));
        h += fin_table;
    }
    for (const auto& [titre, corps] : parties)
        h += titre_section(titre) + corps;
    return h;
}

} // namespace kalder::document
