#include "ui/impression.hpp"

#include "document/impression_paginee.hpp"
#include "ui/boites_message.hpp"
#include "ui/construction.hpp"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace kalder::ui {

namespace {

QRect zone_imprimable(const QPrinter& imprimante) {
    return imprimante.pageLayout().paintRectPixels(imprimante.resolution());
}

bool vers_fichier(const QPrinter& imprimante) {
    return imprimante.outputFormat() == QPrinter::PdfFormat;
}

QString imprimante_nommee(const QPrinter& imprimante) {
    if (imprimante.printerName().isEmpty())
        return QStringLiteral("l'imprimante");
    return QStringLiteral("l'imprimante «\u00a0%1\u00a0»").arg(imprimante.printerName());
}

QString fichier_nomme(const QPrinter& imprimante) {
    return QStringLiteral("le fichier «\u00a0%1\u00a0»").arg(imprimante.outputFileName());
}

QString raison_ouverture(const QPrinter& imprimante) {
    if (vers_fichier(imprimante))
        return fichier_nomme(imprimante) + QStringLiteral(" n'a pas pu être créé");
    return imprimante_nommee(imprimante) + QStringLiteral(" n'a pas pu être ouverte");
}

QString raison_impression(const QPrinter& imprimante) {
    if (vers_fichier(imprimante))
        return fichier_nomme(imprimante) + QStringLiteral(" n'a pas pu être écrit");
    return imprimante_nommee(imprimante) + QStringLiteral(" a signalé une erreur");
}

void signaler_echec(QWidget* parent, const QString& raison) {
    const QString texte = QStringLiteral("L'impression a échoué\u00a0: %1.").arg(raison);
    montrer_message(parent, Message{"Erreur", texte.toStdString(), Icone::avertissement});
}

// Tab distances are given in screen pixels and scaled to the layout's paint
// device; what one unit becomes on the printer is measured, not assumed.
qreal pixels_par_unite_de_tabulation(QPrinter& imprimante) {
    constexpr qreal essai = 1000;
    QTextDocument sonde;
    sonde.documentLayout()->setPaintDevice(&imprimante);
    sonde.setDocumentMargin(0);
    QTextOption option = sonde.defaultTextOption();
    option.setTabStopDistance(essai);
    option.setWrapMode(QTextOption::NoWrap);
    sonde.setDefaultTextOption(option);
    sonde.setPlainText(QStringLiteral("\t"));
    const qreal x = sonde.begin().layout()->lineAt(0).cursorToX(1);
    return x > 0 ? x / essai : 1;
}

bool est_un_trait(const QString& ligne) {
    return ligne.size() > 1 && ligne.count(QLatin1Char('-')) == ligne.size();
}

// The separator line of dashes is wider than the page at a type size that
// reads well for the prose around it; it gets a smaller size of its own, so
// it stays one line as it is meant to.
void tenir_les_traits_sur_une_ligne(QTextDocument& document, QPrinter& imprimante, int largeur) {
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        if (!est_un_trait(bloc.text()))
            continue;
        QFont police_trait = document.defaultFont();
        const qreal naturelle =
            QFontMetricsF(police_trait, &imprimante).horizontalAdvance(bloc.text());
        if (naturelle <= largeur)
            continue;
        police_trait.setPointSizeF(police_trait.pointSizeF() * largeur / naturelle * 0.97);
        QTextCursor curseur(bloc);
        curseur.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat format;
        format.setFont(police_trait);
        curseur.mergeCharFormat(format);
    }
}

} // namespace

std::optional<PagesChoisies> pages_a_imprimer(const QPrinter& imprimante, int nombre_pages) {
    if (nombre_pages <= 0)
        return std::nullopt;
    PagesChoisies pages{0, nombre_pages - 1};
    if (imprimante.printRange() == QPrinter::PageRange && imprimante.fromPage() > 0) {
        pages.premiere = imprimante.fromPage() - 1;
        pages.derniere =
            std::min(std::max(imprimante.toPage(), imprimante.fromPage()) - 1, nombre_pages - 1);
    }
    if (pages.premiere > pages.derniere)
        return std::nullopt;
    return pages;
}

void preparer_imprimante(QPrinter& imprimante) {
    imprimante.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

std::unique_ptr<QTextDocument> mise_en_page(const QString& texte, QPrinter& imprimante) {
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    // Laid out in the printer's own pixels, so the type has its true size.
    document->documentLayout()->setPaintDevice(&imprimante);
    document->setDocumentMargin(0);
    const QRect zone = zone_imprimable(imprimante);

    QTextOption option = document->defaultTextOption();
    option.setTabStopDistance(zone.width() / double(colonnes_par_page) /
                              pixels_par_unite_de_tabulation(imprimante));
    option.setWrapMode(QTextOption::NoWrap);
    document->setDefaultTextOption(option);
    document->setPlainText(sauts_de_ligne_qt(texte));

    // A wrapped line breaks the columns of a table; a smaller type is better,
    // down to a size that still reads. Running prose wraps at any size and
    // keeps the largest.
    double taille = taille_impression_max;
    for (double t = taille_impression_max; t >= taille_impression_min; t -= 0.5) {
        document->setDefaultFont(police(t));
        if (document->idealWidth() <= zone.width()) {
            taille = t;
            break;
        }
    }
    document->setDefaultFont(police(taille));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    tenir_les_traits_sur_une_ligne(*document, imprimante, zone.width());
    document->setPageSize(zone.size());
    return document;
}

bool imprimer(QPrinter& imprimante, const QString& texte, QWidget* parent) {
    const std::unique_ptr<QTextDocument> document = mise_en_page(texte, imprimante);
    const int n = static_cast<int>(document::pages_ecrites(*document).size());
    const auto pages = pages_a_imprimer(imprimante, n);
    if (!pages) {
        const QString message =
            QStringLiteral("Les pages choisies n'existent pas\u00a0: le texte compte %1 page%2.")
                .arg(n)
                .arg(n > 1 ? QStringLiteral("s") : QString());
        montrer_message(parent, Message{"Erreur", message.toStdString(), Icone::avertissement});
        return false;
    }
    // The printer's painter starts at its printable area, where the pages
    // were laid out.
    const QRect zone = zone_imprimable(imprimante);
    const document::Pagination pagination{QRectF(QPointF(0, 0), zone.size()), QPointF(0, 0),
                                          pages->premiere, pages->derniere};
    const auto issue = document::imprimer_pages(imprimante, *document, pagination);
    if (issue == document::IssueImpression::ouverture_impossible) {
        signaler_echec(parent, raison_ouverture(imprimante));
        return false;
    }
    if (issue != document::IssueImpression::imprimee ||
        imprimante.printerState() == QPrinter::Error) {
        signaler_echec(parent, raison_impression(imprimante));
        return false;
    }
    return true;
}

bool imprimer_avec_dialogue(QWidget* parent, const QString& texte, QPrinter& imprimante) {
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setObjectName(QStringLiteral("dialogue_imprimante"));
    // The whole text by default; a range of its pages may be chosen.
    const int nombre_pages =
        static_cast<int>(document::pages_ecrites(*mise_en_page(texte, imprimante)).size());
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialogue.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialogue.setMinMax(1, std::max(nombre_pages, 1));
    dialogue.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    return imprimer(imprimante, texte, parent);
}

bool imprimer_avec_dialogue(QWidget* parent, const QString& texte) {
    QPrinter imprimante(QPrinter::HighResolution);
    preparer_imprimante(imprimante);
    return imprimer_avec_dialogue(parent, texte, imprimante);
}

} // namespace kalder::ui
