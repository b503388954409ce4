#include "cli/dossier_cli.hpp"

#include "cli/saisie_cli.hpp"

#include <algorithm>
#include <iostream>

#ifdef KALDER_PDF
#include "document/dossier.hpp"
#include "systeme/chemins.hpp"

#include <QGuiApplication>
#endif

namespace kalder::cli {

#ifdef KALDER_PDF

int verifier_dossier(const Options& o) {
    if (const auto liste = o.valeur("sections")) {
        std::string inconnu;
        const auto sections = document::lire_sections(*liste, &inconnu);
        if (!sections && inconnu.empty())
            return erreur_usage("--sections\u202f: un nom de section manque entre deux virgules "
                                "(sections\u202f: " +
                                document::noms_des_sections() + ")");
        if (!sections)
            return erreur_usage("section inconnue\u202f: «\u202f" + inconnu +
                                "\u202f» (sections\u202f: " + document::noms_des_sections() + ")");
        // A dossier of its cover alone is no dossier.
        if (sections->empty())
            return erreur_usage("--sections attend au moins une section (sections\u202f: " +
                                document::noms_des_sections() + ")");
        const bool variantes = std::find(sections->begin(), sections->end(),
                                         document::Section::variantes) != sections->end();
        if (variantes && o.variantes.empty())
            return erreur_usage(
                "la section variantes compare les noms donnés par --variante\u202f: "
                "ajoutez au moins une --variante «\u202fPRÉNOMS;NOM\u202f»");
    }
    std::vector<NomVariante> variantes;
    for (const std::string& v : o.variantes) {
        // One without ";" is refused later as a usage error.
        const auto pv = v.find(';');
        variantes.push_back(pv == std::string::npos
                                ? NomVariante{v, {}}
                                : NomVariante{v.substr(0, pv), v.substr(pv + 1)});
    }
    const NomVariante personne{o.valeur("prenom").value_or(""), o.valeur("nom").value_or("")};
    if (const auto refus =
            document::refus_dossier(personne, variantes, o.valeur("prepare-par").value_or(""),
                                    o.valeur("message").value_or(""))) {
        if (variantes.size() > document::variantes_maximum)
            return erreur_usage(*refus);
        std::cerr << "Erreur\u00a0: " << *refus << ".\n";
        return sortie_erreur_saisie;
    }
    return 0;
}

namespace {

// Qt's notes about the session (no runtime folder, no display) are not the
// tool's output; only its critical messages reach the error stream.
void messages_qt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

} // namespace

int ecrire_dossier(const ThemeCalcule& etat, const Options& o, int annee_courante,
                   std::vector<NomVariante> variantes) {
    // The dossier's fonts need a Gui application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(messages_qt);
    int argc = 1;
    char nom[] = "kalder-theme";
    char* argv[] = {nom, nullptr};
    QGuiApplication application(argc, argv);

    document::ParametresDossier p;
    p.consultation = QDate::currentDate();
    p.annee_courante = annee_courante;
    if (const auto par = o.valeur("prepare-par"))
        p.prepare_par = QString::fromUtf8(par->data(), static_cast<qsizetype>(par->size()));
    if (const auto message = o.valeur("message"))
        p.message = QString::fromUtf8(message->data(), static_cast<qsizetype>(message->size()));
    if (const auto liste = o.valeur("sections"))
        p.sections = *document::lire_sections(*liste);
    // Without a birth date, sections that all read it would leave the cover alone.
    if (!etat.theme.date_complete() && !p.sections.empty() &&
        std::all_of(p.sections.begin(), p.sections.end(), document::demande_une_date)) {
        std::cerr << "Erreur\u00a0: sans date de naissance, "
                  << (p.sections.size() > 1 ? "les sections choisies n'ont"
                                            : "la section choisie n'a")
                  << " rien à montrer\u202f; le dossier n'aurait que sa couverture.\n";
        return sortie_erreur_saisie;
    }
    p.variantes = std::move(variantes);
    // The path's bytes as given: a name that is not UTF-8 is still that file.
    const std::filesystem::path chemin = chemin_utf8(*o.valeur("pdf"));
    if (const auto erreur = document::exporter_dossier_pdf(chemin, etat, p, EnPlace::accepte)) {
        QString message = *erreur;
        message[0] = message[0].toLower();
        std::cerr << "Erreur\u00a0: " << message.toStdString() << '\n';
        return sortie_ecriture;
    }
    return 0;
}

#else

int verifier_dossier(const Options&) {
    std::cerr << "Erreur\u00a0: cette version de kalder-theme ne sait pas écrire de dossier PDF.\n";
    return sortie_usage;
}

int ecrire_dossier(const ThemeCalcule&, const Options& o, int, std::vector<NomVariante>) {
    return verifier_dossier(o);
}

#endif

} // namespace kalder::cli
