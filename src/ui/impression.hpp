#pragma once
// Printing a plain text: the interpretation window's "Imprimer" and the
// theme report of "&Imprimer le thème...". The report lines its columns up
// with TAB characters, so the page gets evenly spaced tab stops and a type
// size at which no line has to wrap when one exists.

#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace kalder::ui {

// Tab stops across the printable width of the page: room for a label and
// twelve month columns, with some to spare for the last value.
inline constexpr int colonnes_par_page = 14;
// Type sizes tried, largest first, to avoid wrapping a line.
inline constexpr double taille_impression_max = 10.0;
inline constexpr double taille_impression_min = 7.0;

// The program's page margins, set before the dialog so the user may change them.
void preparer_imprimante(QPrinter& imprimante);

// The pages chosen in the printer dialog, 0-based, within a document of
// `nombre_pages`; the whole document unless a range was chosen. Nothing when
// the range lies beyond the last page.
struct PagesChoisies {
    int premiere;
    int derniere;
};
std::optional<PagesChoisies> pages_a_imprimer(const QPrinter& imprimante, int nombre_pages);

// The printer dialog on `imprimante`, then the whole text or the pages
// chosen; Cancel ends quietly. True when the text went to the printer.
bool imprimer_avec_dialogue(QWidget* parent, const QString& texte, QPrinter& imprimante);
bool imprimer_avec_dialogue(QWidget* parent, const QString& texte); // on a new printer

// The text to a printer that is ready, as the dialog does after OK: the page
// range it holds, if any, else every page. A range beyond the last page gets
// an "Erreur" box. A
// printer that cannot be opened or reports an error gets an "Erreur" box
// ("L'impression a échoué : ...") instead of silence.
bool imprimer(QPrinter& imprimante, const QString& texte, QWidget* parent);

// The document as it is laid out on the pages of `imprimante`.
std::unique_ptr<QTextDocument> mise_en_page(const QString& texte, QPrinter& imprimante);

} // namespace kalder::ui
