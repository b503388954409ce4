// The dossier as a PDF file.

#include "document/composition.hpp"
#include "document/dossier.hpp"
#include "document/signets_pdf.hpp"
#include "noyau/elision.hpp"

#include <QBuffer>
#include <QPdfWriter>

namespace kalder::document {

namespace {

QString xmp(const QString& titre, const QString& auteur, const QString& sujet) {
    const auto alt = [](const QString& texte) {
        return QStringLiteral("<rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt>")
            .arg(texte.toHtmlEscaped());
    };
    return QStringLiteral(
               "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
               "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
               "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
               "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
               "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
               "<dc:title>%1</dc:title>\n"
               "%2"
               "<dc:description>%3</dc:description>\n"
               "<xmp:CreatorTool>Kalder</xmp:CreatorTool>\n"
               "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>")
        .arg(alt(titre),
             auteur.isEmpty()
                 ? QString()
                 : QStringLiteral(
                       "<dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n")
                       .arg(auteur.toHtmlEscaped()),
             alt(sujet));
}

// "Thème numérologique d'Anne-Marie Dupont", "… de Paul Martin".
QString titre_pdf(const QString& nom) {
    return QStringLiteral("Thème numérologique ") + QString::fromStdString(de(nom.toStdString()));
}

QString echec(const std::string& raison) {
    return QStringLiteral("Le PDF n'a pas pu être enregistré\u00a0: %1.")
        .arg(QString::fromStdString(raison));
}

} // namespace

std::optional<QByteArray> dossier_pdf(const ThemeCalcule& etat, const ParametresDossier& p) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    InformationsPdf infos;
    infos.titre = titre_pdf(nom_complet(etat));
    infos.auteur = p.prepare_par.trimmed(); // the "Préparé par" line, or nobody
    infos.sujet = QStringLiteral("Dossier de consultation numérologique");
    infos.createur = QStringLiteral("Kalder");
    std::vector<Signet> signets;
    std::vector<LienPdf> liens;
    {
        QPdfWriter pdf(&tampon);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setResolution(300);
        pdf.setTitle(infos.titre);
        pdf.setCreator(infos.createur);
        pdf.setDocumentXmpMetadata(xmp(infos.titre, infos.auteur, infos.sujet).toUtf8());
        if (!dessiner_dossier(pdf, etat, p, &signets, &liens))
            return std::nullopt;
    }
    // Without its outline the dossier is still whole: Qt's own file then.
    if (auto avec_plan = ajouter_signets(octets, signets, liens, infos))
        return avec_plan;
    return octets;
}

std::optional<QString> exporter_dossier_pdf(const std::filesystem::path& chemin,
                                            const ThemeCalcule& etat, const ParametresDossier& p,
                                            EnPlace en_place) {
    const auto octets = dossier_pdf(etat, p);
    if (!octets)
        return echec("ses pages n'ont pas pu être dessinées");
    const std::string_view texte(octets->constData(), static_cast<std::size_t>(octets->size()));
    if (const auto e = ecrire_fichier_choisi(chemin, texte, en_place))
        return echec(expliquer_echec_fichier_choisi(chemin, *e));
    return std::nullopt;
}

} // namespace kalder::document
