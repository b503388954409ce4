#pragma once
// Small helpers to write the dossier's HTML for QTextDocument.

#include "modele/theme_calcule.hpp"

#include <QColor>
#include <QString>

#include <string_view>

namespace kalder::document {

inline QString q(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

// The mark of a cell that differs from the reference row, on screen and in the dossier.
inline const QColor fond_different{255, 236, 160};

// What the colours of the values say, on screen and in the dossier.
inline const QString legende_couleurs = QStringLiteral(
    "En rouge\u00A0: chiffre absent de la grille d'inclusion, nombre qui se réduit à un chiffre "
    "absent de la grille, ou dette karmique (13, 14, 16, 19). En vert\u00A0: chemin de vie dont "
    "le chiffre est présent dans la grille.");

inline QString echappe(std::string_view texte) {
    return q(texte).toHtmlEscaped();
}

// The colour a slot shows its value in on screen; empty for the default.
inline QString couleur_html(Couleur c) {
    return q(couleur_hex(c));
}

// A value in its on-screen colour, bold when coloured.
QString valeur_html(const Slot& slot);

inline QString titre_html(int niveau, const QString& texte) {
    return QStringLiteral("<h%1>%2</h%1>\n").arg(niveau).arg(texte.toHtmlEscaped());
}

inline const QString debut_table = QStringLiteral(
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\" "
    "style=\"border-collapse: collapse; border-color: #9a9aae; margin-bottom: 12px;\">\n");
inline const QString fin_table = QStringLiteral("</table>\n");

// A heading cell of a table, shaded.
inline QString case_entete(const QString& texte, const char* alignement = "center") {
    return QStringLiteral("<td bgcolor=\"#e4e8f2\" align=\"%1\"><b>%2</b></td>")
        .arg(QLatin1String(alignement), texte.toHtmlEscaped());
}

// The block state of a lead line, which introduces the lines right under it
// and stays on their page ("-qt-user-state" in the HTML).
inline constexpr int etat_ligne_introductive = 1;

// The contents' heading, and the placeholder of a section's page number in
// them, replaced once the pages are laid out.
inline const QString titre_sommaire = QStringLiteral("Sommaire");
inline const QString titre_message = QStringLiteral("Message");
inline QString marque_page(int section) {
    return QStringLiteral("@@page %1@@").arg(section);
}

// The placeholder of the timeline picture, replaced by a drawn object.
inline const QString marque_frise = QStringLiteral("@@frise@@");

} // namespace kalder::document
