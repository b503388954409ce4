#include "document/signets_pdf.hpp"

// qpdf's shared pointers are the standard ones.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

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

void ecrire_plan(QPDF& pdf, const std::vector<Signet>& signets) {
    auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
    Objet plan = pdf.makeIndirectObject(Objet::newDictionary());
    plan.replaceKey("/Type", Objet::newName("/Outlines"));
    std::vector<Objet> sections;
    std::vector<std::vector<Objet>> parties;
    for (const Signet& s : signets) {
        if (s.page < 0 || static_cast<std::size_t>(s.page) >= pages.size() ||
            (s.niveau > 1 && sections.empty()))
            continue;
        QPDFPageObjectHelper& feuille = pages[static_cast<std::size_t>(s.page)];
        Objet page = feuille.getObjectHandle();
        const double hauteur = feuille.getMediaBox().getArrayItem(3).getNumericValue();
        Objet destination = Objet::newArray();
        destination.appendItem(page);
        destination.appendItem(Objet::newName("/XYZ"));
        destination.appendItem(Objet::newNull());
        destination.appendItem(Objet::newReal(hauteur * (1 - s.haut), 1));
        destination.appendItem(Objet::newNull());
        Objet item = pdf.makeIndirectObject(Objet::newDictionary());
        item.replaceKey("/Title", texte_pdf(s.titre));
        item.replaceKey("/Dest", destination);
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

} // namespace

std::optional<QByteArray> ajouter_signets(const QByteArray& octets,
                                          const std::vector<Signet>& signets,
                                          const InformationsPdf& infos) {
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("dossier.pdf", octets.constData(),
                              static_cast<std::size_t>(octets.size()));
        ecrire_plan(pdf, signets);
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

} // namespace kalder::document
