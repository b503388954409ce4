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
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <set>

namespace kalder::document {

namespace {

const QString feuille_de_style = QStringLiteral(
    "h1 { font-size: 18pt; color: #1f3a66; margin-bottom: 12px; }\n"
    "h2 { font-size: 14pt; color: #1f3a66; margin-top: 18px; margin-bottom: 8px; }\n"
    "h3 { font-size: 11.5pt; color: #2b4a80; margin-top: 14px; margin-bottom: 6px; }\n"
    "h4 { font-size: 10pt; margin-top: 10px; margin-bottom: 3px; }\n"
    "p.ecart, h4.ecart { margin-top: 8px; margin-bottom: 0px; }\n"
    "p.suite, h4.suite { margin-top: 3px; margin-bottom: 0px; }\n"
    "p.haut-couverture { margin-bottom: 200px; }\n"
    "p.titre-couverture { font-size: 28pt; color: #1f3a66; }\n"
    "p.titre-message { font-size: 18pt; font-weight: bold; color: #1f3a66; margin-bottom: 18px; }\n"
    "p.message { font-size: 11.5pt; margin-bottom: 8px; }\n"
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

// The block after `b` that holds text: a heading is kept with its first line,
// not with the blank line under it.
QTextBlock prochain_ecrit(const QTextBlock& b) {
    QTextBlock suivant = b.next();
    while (suivant.isValid() && suivant.text().trimmed().isEmpty() &&
           !QTextCursor(suivant).currentTable())
        suivant = suivant.next();
    return suivant;
}

// Whether [haut, bas) runs over a page break.
bool a_cheval(qreal haut, qreal bas, qreal hauteur) {
    return static_cast<int>(haut / hauteur) != static_cast<int>((bas - 0.5) / hauteur);
}

void commencer_page(const QTextBlock& b,
                    QTextFormat::PageBreakFlags politique = QTextFormat::PageBreak_AlwaysBefore) {
    QTextBlockFormat format;
    format.setPageBreakPolicy(politique);
    QTextCursor(b).mergeBlockFormat(format);
}

// A heading whose next line (or short table) falls on the following page
// starts that page. A paragraph, or a table shorter than half a page, that
// runs over a page break starts the next page too: drawn page by page, it
// would otherwise be drawn whole on both, hidden beyond the margins on one,
// and its lines would be twice in the text a reader copies or searches. A
// move may strand a heading above it, hence the passes. The document ends
// laid out whole.
void garder_titres_avec_texte(QTextDocument& doc) {
    const qreal hauteur = doc.pageSize().height();
    QAbstractTextDocumentLayout& mise = *doc.documentLayout();
    std::set<int> deplaces; // the blocks moved here, not those that start a section
    bool deplace = true;
    for (int passe = 0; passe < 12 && deplace; ++passe) {
        mettre_en_page_entierement(doc);
        deplace = false;
        for (QTextFrame::iterator it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
                const QRectF cadre = mise.frameBoundingRect(table);
                QTextTableFormat format = table->format();
                if (cadre.height() < hauteur / 2 &&
                    format.pageBreakPolicy() == QTextFormat::PageBreak_Auto &&
                    a_cheval(cadre.top(), cadre.bottom(), hauteur)) {
                    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    table->setFormat(format);
                    deplace = true;
                }
                continue;
            }
            const QTextBlock b = it.currentBlock();
            if (!b.isValid() || b.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_Auto)
                continue;
            const QRectF zone = mise.blockBoundingRect(b);
            if (zone.height() < hauteur / 3 && a_cheval(zone.top(), zone.bottom(), hauteur)) {
                commencer_page(b);
                deplaces.insert(b.blockNumber());
                deplace = true;
                continue;
            }
            const QTextBlock suivant = prochain_ecrit(b);
            if (!introduit(b) || !suivant.isValid())
                continue;
            if (deplaces.erase(suivant.blockNumber()) > 0) {
                // What this heading heads was moved to the next page: the heading goes with it.
                commencer_page(suivant, QTextFormat::PageBreak_Auto);
                commencer_page(b);
                deplaces.insert(b.blockNumber());
                deplace = true;
                continue;
            }
            if (suivant.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_Auto)
                continue;
            const int page_titre = static_cast<int>(zone.top() / hauteur);
            const int page_suite =
                static_cast<int>((fin_a_garder(mise, suivant, hauteur) - 0.5) / hauteur);
            if (page_suite != page_titre) {
                commencer_page(b);
                deplaces.insert(b.blockNumber());
                deplace = true;
            }
        }
    }
    // A pass that moved nothing read the final layout; otherwise it is made anew.
    if (deplace)
        mettre_en_page_entierement(doc);
}

// The page of each section in the contents ("@@page 1@@" …, in the order of
// the sections), and the outline.
void numeroter(QTextDocument& doc, std::vector<Signet>* signets) {
    const qreal hauteur = doc.pageSize().height();
    QAbstractTextDocumentLayout& mise = *doc.documentLayout();
    int section = 0;
    std::vector<std::pair<int, int>> pages; // (section, page)
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int niveau = b.blockFormat().headingLevel();
        if (niveau < 1 || niveau > 2)
            continue;
        const qreal haut = mise.blockBoundingRect(b).top();
        const int page = static_cast<int>(haut / hauteur);
        if (signets)
            signets->push_back({b.text().trimmed(), niveau, page, haut - page * hauteur});
        if (niveau == 1 && b.text().trimmed() != titre_sommaire)
            pages.emplace_back(++section, page);
    }
    for (const auto& [numero, page] : pages) {
        QTextCursor c = doc.find(marque_page(numero));
        if (!c.isNull())
            c.insertText(QString::number(page + 1));
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
    // The dossier's own font, its letters never joined.
    QFont police = police_dossier();
    police.setPointSizeF(format.toCharFormat().font().pointSizeF());
    peintre->setFont(police);
    dessiner_section_frise(*peintre, zone, frise_);
    peintre->restore();
}

QFont police_dossier() {
    QFont police(famille_dossier());
    // Plain letters in the text layer: a search for "Défi" finds "Défi",
    // which a "fi" ligature would hide. Qt joins no letters of a font whose
    // letters are spaced, here by an unseen twentieth of a pixel.
    police.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
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

std::unique_ptr<QTextDocument> composer(const ThemeCalcule& etat, const ParametresDossier& p,
                                        QPaintDevice* support, QSizeF page, ObjetFrise* frise,
                                        std::vector<Signet>* signets) {
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
    // Without a page size nothing is laid out: the text and the timeline are
    // put in place first, and the whole is laid out once they are.
    doc->setPageSize(QSizeF(0, 0));
    doc->setHtml(html_dossier(etat, p));
    placer_frise(*doc, frise);
    doc->setPageSize(page);
    garder_titres_avec_texte(*doc);
    numeroter(*doc, signets);
    mettre_en_page_entierement(*doc);
    return doc;
}

} // namespace kalder::document
