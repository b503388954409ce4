#pragma once
// The consultation dossier of one person: a cover, the numbers as tables and
// figures, the life timeline, the interpretations and how each number was
// reached, typeset on A4 pages with a running header and "page N / M".
// The state handed in is a fresh calculation of the person's stored identity.

#include "document/sections.hpp"
#include "modele/theme_calcule.hpp"
#include "repertoire/fichier_choisi.hpp"
#include "variantes/comparer_noms.hpp"

#include <QDate>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QPagedPaintDevice;

namespace kalder::document {

// What no consultation needs: more would only cost time and pages.
inline constexpr std::size_t variantes_maximum = 20;
inline constexpr std::size_t longueur_maximale_nom = 100; // characters of first names or name
inline constexpr int longueur_maximale_prepare_par = 200; // characters
inline constexpr int longueur_maximale_message = 10000;   // characters of the client's message

// Why a dossier of `personne`, its compared names, "Préparé par" and the
// message for the client cannot be made, as the end of a French sentence;
// nothing when it can.
std::optional<std::string> refus_dossier(const NomVariante& personne,
                                         std::span<const NomVariante> variantes,
                                         std::string_view prepare_par,
                                         std::string_view message = {});

struct ParametresDossier {
    QDate consultation;     // the day of the consultation, given by the caller's clock
    int annee_courante = 0; // the calendar year the timeline marks
    QString prepare_par;    // "Préparé par" on the cover; nothing when empty
    // A word for the client, on a page of its own between the cover and the
    // contents; no page when empty. The practitioner's notes never go here.
    QString message;
    std::vector<Section> sections = toutes_les_sections();
    // The spellings compared with the person's name, for "Variantes du nom".
    std::vector<NomVariante> variantes;
};

// "Anne-Marie Dupont".
QString nom_complet(std::string_view prenom, std::string_view nom);
QString nom_complet(const ThemeCalcule& etat);
// "Dupont Anne-Marie 15-07-1975.pdf", the name a save dialog suggests.
QString nom_de_fichier_suggere(const ThemeCalcule& etat);
// "Paul Martin": the other person of the compatibility calculated; empty
// without one.
QString nom_partenaire(const ThemeCalcule& etat);
// What the dossier will hold, a line each: the person and birth date,
// "Entente avec Paul Martin", "3 variantes du nom".
QStringList resume_dossier(const ThemeCalcule& etat, const ParametresDossier& parametres);
// The sections of `parametres` the dossier prints, in its order: those with
// something to show (no "Entente" without a partner…).
std::vector<Section> sections_imprimees(const ThemeCalcule& etat,
                                        const ParametresDossier& parametres);

// The dossier's pages drawn on a PDF writer or a printer whose page size is
// set; the device's margins are set to none, the dossier draws its own.
// False when the device could not be painted on.
bool imprimer_dossier(QPagedPaintDevice& support, const ThemeCalcule& etat,
                      const ParametresDossier& parametres);

// The dossier as a PDF file at `chemin` (its bytes as the system names it),
// written as ecrire_fichier_choisi writes. Nothing on success; otherwise why,
// in French, and no file left behind.
std::optional<QString> exporter_dossier_pdf(const std::filesystem::path& chemin,
                                            const ThemeCalcule& etat,
                                            const ParametresDossier& parametres,
                                            EnPlace en_place = EnPlace::refuse);

// The PDF's bytes, for a caller that writes them itself.
std::optional<QByteArray> dossier_pdf(const ThemeCalcule& etat,
                                      const ParametresDossier& parametres);

} // namespace kalder::document
