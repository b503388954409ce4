#pragma once
// Filling the window state from the options, and the tool's exit statuses.

#include "cli/options.hpp"
#include "modele/etat_fenetre.hpp"

#include <string>

namespace kalder::cli {

inline constexpr int sortie_erreur_saisie = 2;
inline constexpr int sortie_usage = 64;
inline constexpr int sortie_ecriture = 74;

// Pushes the standard output out; false, after saying why on the error
// stream, when it could not be written whole.
bool sortie_ecrite();

int erreur_usage(const std::string& pourquoi);
// "Erreur : <message>" on the error stream.
int erreur_saisie(const Issue& issue);

void remplir_personne(EtatFenetre& etat, const Options& o);
void remplir_partenaire(EtatFenetre& etat, const Options& o);
bool compatibilite_demandee(const Options& o);

} // namespace kalder::cli
