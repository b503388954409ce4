#include "document/composition.hpp"

#include "document/html.hpp"
#include "document/parties.hpp"
#include "document/section_frise.hpp"
#include "frise/frise.hpp"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>

namespace kalder::document {

namespace {

const QString feuille_de_style = QStringLiteral(
    "h1 { font-size: 18pt; color: #1f3a66; margin-bottom: 12px; }\n"
    "h2 { font-size: 14pt; color: #1f3a66; margin-top: 18px; margin-bottom: 8px; }\n"
    "h3 { font-size: 11.5pt; color: #2b4a80; margin-top: 14px; margin-bottom: 6px; }\n"
    "h4 { font-size: 10pt; margin-top: 10px; margin-bottom: 3px; }\n"
    "p.ecart { margin-top: 8px; margin-bottom: 0px; }\n"
    "p.suite { margin-top: 3px; margin-bottom: 0px; }\n"
    "p.haut-couverture { margin-bottom: 200px; }\n"
    "p.titre-couverture { font-size: 28pt; color: #1f3a66; }\n"
    "p.nom-couverture { margin-top: 30px; margin-bottom: 60px; font-size: 22pt; "
    "font-weight: bold; }\n");

// Where the first line of `bloc` ends, in document coordinates.
qreal fin_premiere_ligne(QAbstractTextDocumentLayout& mise, const QTextBlock& bloc) {
    const QRectF zone = mise.blockBoundingRect(bloc);
    const QTextLayout* lignes = bloc.layout();
    if (!lignes || lignes->lineCount() == 0)
        return zone.bottom();
    return zone.top() + lignes->lineAt(0).rect().bottom();
}

// A format change is laid out lazily, a step at a time, by a timer that
// never runs here; a new page size lays the whole document out at once.
void mettre_en_page_entierement(QTextDocument& doc) {
    const QSizeF page = doc.pageSize();
    doc.setPageSize(QSizeF(page.width(), page.height() + 1));
    doc.setPageSize(page);
}

// Where what a heading heads must reach on the heading's page: its first
// line, or the whole of a table shorter than half a page, which reads badly
// split (a year's months, the words of the name).
qreal fin_a_garder(QAbstractTextDocumentLayout& mise, const QTextBlock& suivant, qreal hauteur) {
    if (const QTextTable* table = QTextCursor(suivant).currentTable()) {
        const QRectF cadre = mise.frameBoundingRect(const_cast<QTextTable*>(table));
        if (cadre.height() < hauteur / 2)
            return cadre.bottom();
    }
    return fin_premiere_ligne(mise, suivant);
}

// A heading, or a short line ending in a colon that introduces the lines
// under it ("Apogée de la semaine 1 :").
bool introduit(const QTextBlock& b) {
    if (b.blockFormat().headingLevel() > 0)
        return true;
    const QString texte = b.text().trimmed();
    return !texte.isEmpty() && texte.size() < 90 && texte.endsWith(QLatin1Char(':'));
}

// A heading whose next line (or short table) falls on the following page
// starts that page; moving one may strand the heading above it, hence the
// passes.
void garder_titres_avec_texte(QTextDocument& doc) {
    const qreal hauteur = doc.pageSize().height();
    QAbstractTextDocumentLayout& mise = *doc.documentLayout();
    for (int passe = 0; passe < 10; ++passe) {
        mettre_en_page_entierement(doc);
        bool deplace = false;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            const QTextBlock suivant = b.next();
            if (!introduit(b) || !suivant.isValid() ||
                b.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_Auto ||
                suivant.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_Auto)
                continue;
            const int page_titre = static_cast<int>(mise.blockBoundingRect(b).top() / hauteur);
            const int page_suite =
                static_cast<int>((fin_a_garder(mise, suivant, hauteur) - 0.5) / hauteur);
            if (page_suite == page_titre)
                continue;
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(b).mergeBlockFormat(format);
            deplace = true;
        }
        if (!deplace)
            break;
    }
}

void placer_frise(QTextDocument& doc, ObjetFrise* frise) {
    QTextCursor marque = doc.find(marque_frise);
    if (marque.isNull())
        return;
    doc.documentLayout()->registerHandler(type_objet_frise, frise);
    QTextCharFormat format;
    format.setObjectType(type_objet_frise);
    marque.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

} // namespace

QSizeF ObjetFrise::intrinsicSize(QTextDocument* document, int, const QTextFormat& format) {
    const QSizeF page = document->pageSize();
    const qreal largeur = page.width() * 0.999;
    // Without a date, one line saying so.
    if (!frise_)
        return {largeur, QFontMetricsF(format.toCharFormat().font(),
                                       document->documentLayout()->paintDevice())
                                 .height() *
                             2};
    // On a landscape page the picture keeps room for its heading, wider than tall.
    return {largeur, std::min(largeur / proportion_frise, page.height() * 0.85)};
}

void ObjetFrise::drawObject(QPainter* peintre, const QRectF& zone, QTextDocument*, int,
                            const QTextFormat& format) {
    peintre->save();
    peintre->setFont(format.toCharFormat().font()); // the dossier's own
    dessiner_section_frise(*peintre, zone, frise_);
    peintre->restore();
}

QFont police_dossier() {
    QFont police(famille_dossier());
    // Plain letters in the text layer: a search for "Défi" finds "Défi",
    // which a "fi" ligature would hide.
    police.setStyleStrategy(QFont::PreferNoShaping);
    return police;
}

QString famille_dossier() {
    static const QString famille = [] {
        QString nom;
        for (const char* fichier : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf",
                                    "DejaVuSans-Oblique.ttf", "DejaVuSans-BoldOblique.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(
                QStringLiteral(KALDER_POLICES_DOSSIER "/") + QLatin1String(fichier));
            const QStringList familles = QFontDatabase::applicationFontFamilies(id);
            if (nom.isEmpty() && !familles.isEmpty())
                nom = familles.first();
        }
        return nom.isEmpty() ? QStringLiteral("DejaVu Sans") : nom;
    }();
    return famille;
}

std::unique_ptr<QTextDocument> composer(const EtatFenetre& etat, const ParametresDossier& p,
                                        QPaintDevice* support, QSizeF page, ObjetFrise* frise) {
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(support);
    QFont police = police_dossier();
    police.setPointSizeF(10);
    doc->setDefaultFont(police);
    doc->setDefaultStyleSheet(feuille_de_style);
    QTextOption option = doc->defaultTextOption();
    // A word longer than the line still never passes the margin.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc->setDefaultTextOption(option);
    doc->setDocumentMargin(0);
    doc->setPageSize(page);
    doc->setHtml(html_dossier(etat, p));
    placer_frise(*doc, frise);
    garder_titres_avec_texte(*doc);
    mettre_en_page_entierement(*doc);
    return doc;
}

} // namespace kalder::document
