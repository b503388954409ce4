#pragma once
// The client file as JSON: one record for `kalder-theme --fiche --json`, and
// the whole file for a backup or a move to another computer.

#include "clients/base_clients.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace kalder {

// {"personne": {...}, "contact": {...}, "notes": [{"date": …, "texte": …}],
//  "tags": [...], "consultations": [...], "variantes": [...], "partenaires": [...]}
std::string fiche_json(const Fiche& fiche);

// Everything a backup holds: the directory's persons and the records.
struct Sauvegarde {
    std::vector<Personne> repertoire;
    std::vector<Fiche> fiches;
};

// {"kalder_clients": 1, "repertoire": [{"nom": …, "prenoms": …, "jour": …,
//  "mois": …, "annee": …}...], "clients": [<fiche_json>...]}
std::string export_json(const Sauvegarde& sauvegarde);

// The persons and records of an export (an export without "repertoire"
// holds records only); the error says where the text went wrong.
Reponse<Sauvegarde> lire_export_json(std::string_view texte);

} // namespace kalder
