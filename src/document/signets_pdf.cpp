#include "document/signets_pdf.hpp"

// qpdf's shared pointers are the standard ones.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <optional>

namespace kalder::document {

namespace {

using Objet = QPDFObjectHandle;

Objet texte_pdf(const QString& texte) {
    return Objet::newUnicodeString(texte.toStdString());
}

// Links `enfants` as the items under `parent`: first, last, previous, next.
void chainer(Objet& parent, const std::vector<Objet>& enfants) {
    if (enfants.empty())
        return;
    parent.replaceKey("/First", enfants.front());
    parent.replaceKey("/Last", enfants.back());
    parent.replaceKey("/Count", Objet::newInteger(static_cast<long long>(enfants.size())));
    for (std::size_t i = 0; i < enfants.size(); ++i) {
        Objet e = enfants[i];
        e.replaceKey("/Parent", parent);
        if (i > 0)
            e.replaceKey("/Prev", enfants[i - 1]);
        if (i + 1 < enfants.size())
            e.replaceKey("/Next", enfants[i + 1]);
    }
}

double hauteur_de(QPDFPageObjectHelper& feuille) {
    return feuille.getMediaBox().getArrayItem(3).getNumericValue();
}

// Where an outline item leads: its heading's page, at the heading.
std::optional<Objet> destination(std::vector<QPDFPageObjectHelper>& pages, const Signet& s) {
    if (s.page < 0 || static_cast<std::size_t>(s.page) >= pages.size())
        return std::nullopt;
    QPDFPageObjectHelper& feuille = pages[static_cast<std::size_t>(s.page)];
    Objet d = Objet::newArray();
    d.appendItem(feuille.getObjectHandle());
    d.appendItem(Objet::newName("/XYZ"));
    d.appendItem(Objet::newNull());
    d.appendItem(Objet::newReal(hauteur_de(feuille) * (1 - s.haut), 1));
    d.appendItem(Objet::newNull());
    return d;
}

void ecrire_liens(QPDF& pdf, const std::vector<Signet>& signets,
                  const std::vector<LienPdf>& liens) {
    auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
    for (const LienPdf& l : liens) {
        if (l.signet >= signets.size() || l.page < 0 ||
            static_cast<std::size_t>(l.page) >= pages.size())
            continue;
        const auto vers = destination(pages, signets[l.signet]);
        if (!vers)
            continue;
        QPDFPageObjectHelper& feuille = pages[static_cast<std::size_t>(l.page)];
        const double largeur = feuille.getMediaBox().getArrayItem(2).getNumericValue();
        const double hauteur = hauteur_de(feuille);
        Objet zone = Objet::newArray();
        for (double v : {l.gauche * largeur, (1 - l.bas) * hauteur, l.droite * largeur,
                         (1 - l.haut) * hauteur})
            zone.appendItem(Objet::newReal(v, 1));
        Objet lien = pdf.makeIndirectObject(Objet::newDictionary());
        lien.replaceKey("/Type", Objet::newName("/Annot"));
        lien.replaceKey("/Subtype", Objet::newName("/Link"));
        lien.replaceKey("/Rect", zone);
        lien.replaceKey("/Border", Objet::parse("[0 0 0]"));
        lien.replaceKey("/Dest", *vers);
        Objet page = feuille.getObjectHandle();
        if (!page.getKey("/Annots").isArray())
            page.replaceKey("/Annots", Objet::newArray());
        page.getKey("/Annots").appendItem(lien);
    }
}

void ecrire_plan(QPDF& pdf, const std::vector<Signet>& signets) {
    auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
    Objet plan = pdf.makeIndirectObject(Objet::newDictionary());
    plan.replaceKey("/Type", Objet::newName("/Outlines"));
    std::vector<Objet> sections;
    std::vector<std::vector<Objet>> parties;
    for (const Signet& s : signets) {
        const auto vers = destination(pages, s);
        if (!vers || (s.niveau > 1 && sections.empty()))
            continue;
        Objet item = pdf.makeIndirectObject(Objet::newDictionary());
        item.replaceKey("/Title", texte_pdf(s.titre));
        item.replaceKey("/Dest", *vers);
        if (s.niveau == 1) {
            sections.push_back(item);
            parties.emplace_back();
        } else {
            parties.back().push_back(item);
        }
    }
    if (sections.empty())
        return;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        chainer(sections[i], parties[i]);
        // Closed: the sections first, their parts on demand.
        if (!parties[i].empty())
            sections[i].replaceKey("/Count",
                                   Objet::newInteger(-static_cast<long long>(parties[i].size())));
    }
    chainer(plan, sections);
    pdf.getRoot().replaceKey("/Outlines", plan);
    pdf.getRoot().replaceKey("/PageMode", Objet::newName("/UseOutlines"));
}

void ecrire_informations(QPDF& pdf, const InformationsPdf& infos) {
    Objet fin = pdf.getTrailer();
    Objet info = fin.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(Objet::newDictionary());
        fin.replaceKey("/Info", info);
    }
    info.replaceKey("/Title", texte_pdf(infos.titre));
    if (infos.auteur.isEmpty())
        info.removeKey("/Author");
    else
        info.replaceKey("/Author", texte_pdf(infos.auteur));
    info.replaceKey("/Subject", texte_pdf(infos.sujet));
    info.replaceKey("/Creator", texte_pdf(infos.createur));
}

std::optional<QByteArray> avec_signets(const QByteArray& octets, const std::vector<Signet>& signets,
                                       const std::vector<LienPdf>& liens,
                                       const InformationsPdf& infos) {
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("dossier.pdf", octets.constData(),
                              static_cast<std::size_t>(octets.size()));
        ecrire_plan(pdf, signets);
        ecrire_liens(pdf, signets, liens);
        ecrire_informations(pdf, infos);
        QPDFWriter ecrivain(pdf);
        ecrivain.setOutputMemory();
        ecrivain.write();
        const auto tampon = ecrivain.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(tampon->getBuffer()),
                          static_cast<qsizetype>(tampon->getSize()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

} // namespace kalder::document

// What the programs find with dlsym (signets_charges.cpp).
extern "C" __attribute__((visibility("default"))) bool
kalder_ajouter_signets(const QByteArray* pdf, const std::vector<kalder::document::Signet>* signets,
                       const std::vector<kalder::document::LienPdf>* liens,
                       const kalder::document::InformationsPdf* infos, QByteArray* sortie) {
    auto resultat = kalder::document::avec_signets(*pdf, *signets, *liens, *infos);
    if (!resultat)
        return false;
    *sortie = std::move(*resultat);
    return true;
}
