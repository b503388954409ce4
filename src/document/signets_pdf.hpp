#pragma once
// What QPdfWriter does not write: the outline (bookmarks) of the dossier's
// sections and the document information a reader shows (title, author,
// subject, creator), added to the written bytes with qpdf.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace kalder::document {

struct Signet {
    QString titre;
    int niveau = 1;  // 1 for a section, 2 for a part of it
    int page = 0;    // from 0
    double haut = 0; // where its heading starts, as a fraction of the page height from the top
};

// A clickable line of the contents: where it lies on its page, as fractions
// of the page from its top-left corner, and the outline item it leads to.
struct LienPdf {
    int page = 0;
    double gauche = 0, haut = 0, droite = 0, bas = 0;
    std::size_t signet = 0; // in the outline's list
};

struct InformationsPdf {
    QString titre;
    QString auteur; // nothing when empty
    QString sujet;
    QString createur;
};

// The PDF `pdf` with `signets` as its outline, shown when it opens, `liens`
// leading to them, and `infos` as its document information; nullopt when
// qpdf cannot read it or cannot be loaded. qpdf lives in a module of its own,
// libkalder-signets.so, loaded on the first call: a program that writes no
// dossier starts without it.
std::optional<QByteArray> ajouter_signets(const QByteArray& pdf, const std::vector<Signet>& signets,
                                          const std::vector<LienPdf>& liens,
                                          const InformationsPdf& infos);

} // namespace kalder::document

// The module's entry point: `sortie` set and true when it was done.
extern "C" bool kalder_ajouter_signets(const QByteArray* pdf,
                                       const std::vector<kalder::document::Signet>* signets,
                                       const std::vector<kalder::document::LienPdf>* liens,
                                       const kalder::document::InformationsPdf* infos,
                                       QByteArray* sortie);
