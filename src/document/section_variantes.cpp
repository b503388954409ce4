// "Variantes du nom": the numbers of each spelling the user compared, one
// row per number and one column per name, the person's own name first.

#include "document/dossier.hpp"
#include "document/html.hpp"
#include "document/parties.hpp"
#include "explication/explications.hpp"
#include "variantes/comparer_noms.hpp"

#include <algorithm>

namespace kalder::document {

namespace {

// Names per table beside the reference: more would squeeze a long name past
// its column on A4 portrait, so more variants make more tables.
constexpr std::size_t variantes_par_table = 3;

QString nom_html(const LigneVariante& l) {
    return nom_complet(l.nom.prenom, l.nom.nom).toHtmlEscaped();
}

// "Chemin de vie : 8" says its own caption; other numbers take the label.
QString nombres_date(const LigneVariante& reference) {
    const auto nombres = nombres_de_la_date(reference);
    if (nombres.empty())
        return {};
    QString h =
        titre_html(2, QStringLiteral("Nombres de la date, communs à tous les noms")) + debut_table;
    for (const NombreDate& n : nombres) {
        const QString gauche = q(n.legende());
        const QString droite = q(n.slot.texte_valeur());
        h += QStringLiteral("<tr><td width=\"75%\">%1</td><td align=\"center\">%2</td></tr>\n")
                 .arg(gauche.toHtmlEscaped(), droite.toHtmlEscaped());
    }
    return h + fin_table;
}

QString cellule(const LigneVariante& l, const LigneVariante& reference, std::size_t c) {
    const Slot& s = l.cellules[c];
    const QString valeur = s.montre() ? valeur_html(s) : QString();
    if (&l == &reference || !cellule_differe(l, reference, c))
        return QStringLiteral("<td align=\"center\">%1</td>").arg(valeur);
    // A number this name does not have: shaded, no sign on an empty cell.
    if (valeur.isEmpty())
        return QStringLiteral("<td bgcolor=\"%1\"></td>").arg(fond_different.name());
    return QStringLiteral("<td align=\"center\" bgcolor=\"%1\">%2&nbsp;<b>≠</b></td>")
        .arg(fond_different.name(), valeur);
}

// One table: the reference and `noms`, a row per number one of them shows.
QString table_noms(const LigneVariante& reference, const std::vector<const LigneVariante*>& noms,
                   const std::vector<std::size_t>& colonnes) {
    const int largeur = 66 / static_cast<int>(noms.size());
    QString h = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                               "width=\"100%\" style=\"border-collapse: collapse; "
                               "border-color: #9a9aae; font-size: 8.5pt;\">\n<thead><tr>"
                               "<td bgcolor=\"#e4e8f2\" width=\"34%\"></td>");
    for (const LigneVariante* l : noms)
        h += QStringLiteral("<td bgcolor=\"#e4e8f2\" align=\"center\" width=\"%1%\"><b>%2</b>%3"
                            "</td>")
                 .arg(largeur)
                 .arg(nom_html(*l),
                      l == &reference ? QStringLiteral("<br/>(référence)") : QString());
    h += QStringLiteral("</tr></thead>\n");
    for (std::size_t c : colonnes) {
        h += QStringLiteral("<tr><td>%1</td>").arg(echappe(colonnes_nom()[c].libelle));
        for (const LigneVariante* l : noms)
            h += cellule(*l, reference, c);
        h += QStringLiteral("</tr>\n");
    }
    return h + fin_table;
}

} // namespace

QString html_variantes(const ThemeCalcule& etat, const ParametresDossier& p) {
    if (p.variantes.empty())
        return {};
    const auto lignes = comparer_noms(etat.origines.theme, p.variantes,
                                      static_cast<int>(etat.annee_calcul(p.annee_courante)));
    const LigneVariante& reference = lignes.front();
    if (reference.erreur)
        return {};
    std::vector<const LigneVariante*> calculees;
    for (std::size_t r = 1; r < lignes.size(); ++r)
        if (!lignes[r].erreur)
            calculees.push_back(&lignes[r]);

    // A refused spelling has no numbers: it is the practitioner's slip, not
    // the client's business.
    QString h = nombres_date(reference);
    if (calculees.empty())
        return h;
    // The numbers no name shows (a fourth word, a partner's) make no row.
    std::vector<std::size_t> colonnes;
    for (std::size_t c = 0; c < colonnes_nom().size(); ++c)
        if (reference.cellules[c].montre() ||
            std::any_of(calculees.begin(), calculees.end(),
                        [c](const LigneVariante* l) { return l->cellules[c].montre(); }))
            colonnes.push_back(c);

    h += titre_html(2, QStringLiteral("Nombres du nom")) +
         QStringLiteral("<p class=\"suite\">Une valeur marquée <b>≠</b> sur fond teinté diffère "
                        "de celle de la référence.</p>\n");
    for (std::size_t debut = 0; debut < calculees.size(); debut += variantes_par_table) {
        std::vector<const LigneVariante*> noms{&reference};
        const auto fin = std::min(calculees.size(), debut + variantes_par_table);
        noms.insert(noms.end(), calculees.begin() + static_cast<std::ptrdiff_t>(debut),
                    calculees.begin() + static_cast<std::ptrdiff_t>(fin));
        h += table_noms(reference, noms, colonnes);
    }
    return h;
}

} // namespace kalder::document
