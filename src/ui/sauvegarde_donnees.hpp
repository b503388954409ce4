#pragma once
// "Sauvegarder toutes les données…" and "Restaurer des données…": the
// directory and the client file in one file, as kalder-theme
// --exporter-clients writes it and --importer-clients merges it back.

#include <QString>

#include <functional>

class QWidget;

namespace kalder::ui {

class FenetrePrincipale;

// The file dialog of both commands; a test answers it through this seam. It
// returns the chosen path, empty when cancelled.
using ChoixDonnees = std::function<QString(QWidget* parent, bool restaurer)>;
void definir_choix_donnees(ChoixDonnees choix); // empty: the platform's dialogs again

void sauvegarder_donnees(FenetrePrincipale& fenetre);
void restaurer_donnees(FenetrePrincipale& fenetre);

} // namespace kalder::ui
