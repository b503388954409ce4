#include "document/composition.hpp"

#include "document/html.hpp"
#include "document/impression_paginee.hpp"
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
    "p.message { font-size: 11.5pt; margin-bottom: 8px; }\n"
    "p.nom-couverture { margin-top: 30px; margin-bottom: 60px; font-size: 22pt; "
    "font-weight: bold; }\n");

// A block that introduces what follows it: a heading, a lead line the
// dossier's HTML marks so ("Le mois personnel révèle le climat du mois."),
// or a short line ending in a colon ("Apogée de la semaine 1 :").
bool introduit(const QTextBlock& b) {
    if (b.blockFormat().headingLevel() > 0 || b.userState() == etat_ligne_introductive)
        return true;
    const QString texte = b.text().trimmed();
    return !texte.isEmpty() && texte.size() < 90 && texte.endsWith(QLatin1Char(':'));
}

// A format change is laid out lazily, a step at a time, by a timer that
// never runs here; a new page size lays the whole document out at once.
void mettre_en_page_entierement(QTextDocument& doc) {
    const QSizeF page = doc.pageSize();
    doc.setPageSize(QSizeF(page.width(), page.height() + 1));
    doc.setPageSize(page);
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

// Where what a heading or a lead line introduces must reach on its page: the
// whole of a table shorter than half a page, which reads badly split (a
// year's months, the words of the name), else the first two written lines
// that follow, over as many paragraphs as hold them, up to the next heading.
qreal fin_a_garder(QAbstractTextDocumentLayout& mise, const QTextBlock& suivant, qreal hauteur) {
    if (const QTextTable* table = QTextCursor(suivant).currentTable()) {
        const QRectF cadre = mise.frameBoundingRect(const_cast<QTextTable*>(table));
        if (cadre.height() < hauteur / 2)
            return cadre.bottom();
        const QRectF premiere = mise.blockBoundingRect(suivant);
        return premiere.bottom();
    }
    qreal fin = mise.blockBoundingRect(suivant).bottom();
    int lignes = 0;
    for (QTextBlock b = suivant; b.isValid() && lignes < 2; b = prochain_ecrit(b)) {
        if (QTextCursor(b).currentTable() || (b != suivant && introduit(b)))
            break;
        const QTextLayout* disposition = b.layout();
        const qreal haut = mise.blockBoundingRect(b).top();
        for (int i = 0; disposition && i < disposition->lineCount() && lignes < 2; ++i, ++lignes)
            fin = haut + disposition->lineAt(i).rect().bottom();
    }
    return fin;
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
            // A heading already at the top of its page stays there.
            if (page_suite != page_titre && zone.top() - page_titre * hauteur > 1) {
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
void numeroter(QTextDocument& doc, std::vector<Signet>* signets, std::vector<LienPdf>* liens) {
    const qreal hauteur = doc.pageSize().height();
    QAbstractTextDocumentLayout& mise = *doc.documentLayout();
    // The pages printed: those with a written line.
    const std::vector<int> ecrites = pages_ecrites(doc);
    const auto imprimee = [&ecrites](int page) {
        return static_cast<int>(std::lower_bound(ecrites.begin(), ecrites.end(), page) -
                                ecrites.begin());
    };
    int section = 0;
    std::vector<std::pair<int, int>> pages; // (section, printed page)
    std::vector<std::size_t> signet_de;     // each section's outline item
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int niveau = b.blockFormat().headingLevel();
        if (niveau < 1 || niveau > 2)
            continue;
        const qreal haut = mise.blockBoundingRect(b).top();
        const int page_mise = static_cast<int>(haut / hauteur);
        const int page = imprimee(page_mise);
        if (signets)
            signets->push_back({b.text().trimmed(), niveau, page, haut - page_mise * hauteur});
        if (niveau == 1 && b.text().trimmed() != titre_sommaire) {
            pages.emplace_back(++section, page);
            signet_de.push_back(signets ? signets->size() - 1 : 0);
        }
    }
    // The numbers written as one edit: the text after them is laid out again once.
    std::vector<std::pair<int, QTextCursor>> lignes; // (section, its line of the contents)
    QTextCursor edition(&doc);
    edition.beginEditBlock();
    for (const auto& [numero, page] : pages) {
        QTextCursor c = doc.find(marque_page(numero));
        if (c.isNull())
            continue;
        c.insertText(QString::number(page + 1));
        lignes.emplace_back(numero, c);
    }
    edition.endEditBlock();
    if (!liens || !signets)
        return;
    // The whole line of the contents leads to the section.
    for (const auto& [numero, c] : lignes) {
        const QRectF ligne = mise.blockBoundingRect(c.block());
        const int page_mise = static_cast<int>(ligne.top() / hauteur);
        liens->push_back({imprimee(page_mise), 0, ligne.top() - page_mise * hauteur - 5,
                          doc.pageSize().width(), ligne.bottom() - page_mise * hauteur + 5,
                          signet_de[static_cast<std::size_t>(numero - 1)]});
    }
}

// Qt's HTML reader turns a narrow no-break space into a plain one, which a
// line may break at ("gardé⏎: 22/4"): the HTML carries a stand-in, put back
// once the text is read.
constexpr QChar fine_insecable(0x202F);
constexpr QChar tenant_lieu_fine(0xE000);

void retablir_fines(QTextDocument& doc) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QString texte = b.text();
        for (qsizetype i = texte.indexOf(tenant_lieu_fine); i >= 0;
             i = texte.indexOf(tenant_lieu_fine, i + 1)) {
            QTextCursor c(&doc);
            c.setPosition(b.position() + static_cast<int>(i));
            c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            c.insertText(QString(fine_insecable), c.charFormat());
        }
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
                                        std::vector<Signet>* signets, std::vector<LienPdf>* liens) {
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
    QString html = html_dossier(etat, p);
    html.replace(fine_insecable, tenant_lieu_fine);
    doc->setHtml(html);
    retablir_fines(*doc);
    placer_frise(*doc, frise);
    doc->setPageSize(page);
    garder_titres_avec_texte(*doc);
    // The numbers' edit laid out again only what it changed: no whole new layout.
    numeroter(*doc, signets, liens);
    return doc;
}

} // namespace kalder::document
