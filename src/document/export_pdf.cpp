// The dossier as a PDF file.

#include "document/dossier.hpp"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

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
               "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
               "<dc:description>%3</dc:description>\n"
               "<xmp:CreatorTool>Kalder</xmp:CreatorTool>\n"
               "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>")
        .arg(alt(titre), auteur.toHtmlEscaped(), alt(sujet));
}

QString echec(const QString& chemin, const QString& raison) {
    return QStringLiteral("Le dossier n'a pas pu être enregistré : %1.")
        .arg(raison.arg(QStringLiteral("« %1 »").arg(QFileInfo(chemin).absoluteFilePath())));
}

// Whether the system refuses the name itself (a part longer than the file
// system allows, or the whole path longer than the system takes).
bool nom_trop_long(const QString& chemin) {
#ifdef Q_OS_WIN
    const std::filesystem::path nom(chemin.toStdWString());
#else
    const std::filesystem::path nom(QFile::encodeName(chemin).toStdString());
#endif
    std::error_code ec;
    (void)std::filesystem::symlink_status(nom, ec);
    return ec == std::errc::filename_too_long;
}

} // namespace

std::optional<QByteArray> dossier_pdf(const EtatFenetre& etat, const ParametresDossier& p) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setResolution(300);
        const QString titre = QStringLiteral("Thème numérologique de %1").arg(nom_complet(etat));
        const QString auteur =
            p.prepare_par.trimmed().isEmpty() ? QStringLiteral("Kalder") : p.prepare_par.trimmed();
        pdf.setTitle(titre);
        pdf.setCreator(auteur);
        pdf.setDocumentXmpMetadata(
            xmp(titre, auteur, QStringLiteral("Dossier de consultation numérologique")).toUtf8());
        if (!imprimer_dossier(pdf, etat, p))
            return std::nullopt;
    }
    return octets;
}

std::optional<QString> exporter_dossier_pdf(const QString& chemin, const EtatFenetre& etat,
                                            const ParametresDossier& p) {
    const auto octets = dossier_pdf(etat, p);
    if (!octets)
        return echec(chemin, QStringLiteral("les pages de %1 n'ont pas pu être dessinées"));
    // A device or a pipe is written into as it is, never replaced by a file.
    const QFileInfo cible(chemin);
    if (cible.exists() && !cible.isFile() && !cible.isDir()) {
        QFile flux(chemin);
        if (!flux.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return echec(chemin, QStringLiteral("%1 ne peut pas être ouvert en écriture"));
        if (flux.write(*octets) != octets->size())
            return echec(chemin, flux.error() == QFileDevice::ResourceError
                                     ? QStringLiteral("le disque qui doit contenir %1 est plein")
                                     : QStringLiteral("%1 n'a pas pu être écrit"));
        return std::nullopt;
    }
    // The new file may be made without a name and only named at the end:
    // a name the system refuses shows at either step.
    const QString trop_long =
        QStringLiteral("le nom du fichier %1 est trop long pour le système de fichiers");
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return echec(chemin, nom_trop_long(chemin)
                                 ? trop_long
                                 : QStringLiteral("le fichier %1 ne peut pas être créé (dossier "
                                                  "absent, en lecture seule ou interdit "
                                                  "d'écriture)"));
    if (fichier.write(*octets) != octets->size() || !fichier.commit()) {
        const bool plein = fichier.error() == QFileDevice::ResourceError;
        fichier.cancelWriting();
        if (nom_trop_long(chemin))
            return echec(chemin, trop_long);
        return echec(chemin, plein ? QStringLiteral("le disque qui doit contenir %1 est plein")
                                   : QStringLiteral("le fichier %1 n'a pas pu être écrit"));
    }
    return std::nullopt;
}

} // namespace kalder::document
