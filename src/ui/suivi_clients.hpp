#pragma once
// The client file kept up to date from the window: the spellings compared,
// the partner calculated and the dossiers handed over by a person of the
// directory are recorded as they happen, and given back when the person is
// opened again. A failure never stops the work: the status bar tells it.

#include "clients/fiche.hpp"
#include "repertoire/personne.hpp"
#include "variantes/comparer_noms.hpp"

#include <QString>

class QWidget;

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kalder::ui {

class FenetrePrincipale;

// The spellings now compared for `personne` (as calculated).
void retenir_variantes_client(FenetrePrincipale& fenetre, const Theme& personne,
                              const std::vector<NomVariante>& noms);
// The partner line, once its compatibility with the person shown was calculated.
void retenir_partenaire_client(FenetrePrincipale& fenetre);
// After `personne` went to the "Vous :" line: the spellings kept for them in
// "Variantes du nom", the last partner on the partner line.
void restaurer_client(FenetrePrincipale& fenetre, const Personne& personne);
// A dossier of the person shown was exported or printed; nothing for a
// person who is not in the directory. What could not be recorded, for the
// status bar beside what the dossier has to say.
std::optional<QString> noter_consultation(FenetrePrincipale& fenetre,
                                          const Consultation& consultation);

// A day chosen with the person shown, as a dated note of their record
// (`note` made by note_jour_choisi); what could not be recorded, for the
// status bar. A person who is not in the directory has no record.
std::optional<QString> noter_jour_choisi(FenetrePrincipale& fenetre, const std::string& note);

// After `personne` left the directory: when a client record is kept for
// them, asks whether to erase it too, and erases it on "Oui".
void proposer_effacement_fiche(QWidget* parent, const std::filesystem::path& dossier,
                               const Personne& personne);

} // namespace kalder::ui
