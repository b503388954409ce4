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

// {"kalder_clients": 1, "clients": [<fiche_json>...]}
std::string export_json(const std::vector<Fiche>& fiches);

// The records of an export; the error says where the text went wrong.
Reponse<std::vector<Fiche>> lire_export_json(std::string_view texte);

} // namespace kalder
