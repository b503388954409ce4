#include "cli/json.hpp"

#include "explication/explications.hpp"
#include "modele/slots.hpp"
#include "noyau/utf8.hpp"
#include "repertoire/liste_personnes.hpp"

#include <ostream>

namespace kalder::cli {

namespace {

// Names come from the command line as raw bytes: decoding and re-encoding
// turns malformed sequences into U+FFFD so the output stays valid JSON.
void chaine(std::string& out, std::string_view texte) {
    out += '"';
    for (char32_t c : decoder_utf8(texte)) {
        switch (c) {
        case U'"':
            out += "\\\"";
            break;
        case U'\\':
            out += "\\\\";
            break;
        case U'\n':
            out += "\\n";
            break;
        case U'\r':
            out += "\\r";
            break;
        case U'\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                ajouter_utf8(out, c);
            }
        }
    }
    out += '"';
}

void couleur(std::string& out, Couleur c) {
    const std::string_view hex = couleur_hex(c);
    if (hex.empty()) {
        out += "null";
        return;
    }
    out += '"';
    out += hex;
    out += '"';
}

void slot(std::string& out, std::string_view nom, const Slot& s,
          const std::string* explication = nullptr) {
    chaine(out, nom);
    out += ": {\"texte\": ";
    chaine(out, s.texte);
    out += ", \"couleur\": ";
    couleur(out, s.couleur);
    out += s.visible ? ", \"visible\": true" : ", \"visible\": false";
    if (explication) {
        out += ", \"explication\": ";
        chaine(out, *explication);
    }
    out += '}';
}

template <typename T> void tableau(std::string& out, const T& valeurs, std::size_t debut) {
    out += '[';
    for (std::size_t i = debut; i < valeurs.size(); ++i) {
        if (i != debut)
            out += ", ";
        out += std::to_string(valeurs[i]);
    }
    out += ']';
}

void theme(std::string& out, const Theme& t) {
    out += "{\"prenom\": ";
    chaine(out, t.prenom);
    out += ", \"nom\": ";
    chaine(out, t.nom);
    const std::pair<const char*, Nombre> nombres[] = {{"jour", t.jour},
                                                      {"mois", t.mois},
                                                      {"annee", t.annee},
                                                      {"elan_brut", t.elan_brut},
                                                      {"moi_intime_brut", t.moi_intime_brut},
                                                      {"expression_brut", t.expression_brut},
                                                      {"actif_brut", t.actif_brut},
                                                      {"hereditaire_brut", t.hereditaire_brut}};
    for (const auto& [nom, valeur] : nombres) {
        out += ", \"";
        out += nom;
        out += "\": ";
        out += std::to_string(valeur);
    }
    out += ", \"pierres\": ";
    tableau(out, t.pierres, 1);
    out += ", \"modes\": ";
    tableau(out, t.modes, 0);
    out += '}';
}

// [{"prenom": …, "nom": …, "slots": {…}}, …] with the name-decided slots of each row.
void variantes_json(std::string& out, std::span<const LigneVariante> lignes, bool explications) {
    out += '[';
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        const LigneVariante& l = lignes[r];
        out += r ? ", {\"prenom\": " : "{\"prenom\": ";
        chaine(out, l.nom.prenom);
        out += ", \"nom\": ";
        chaine(out, l.nom.nom);
        out += ", \"slots\": {";
        for (std::size_t c = 0; c < l.cellules.size(); ++c) {
            if (c)
                out += ", ";
            const std::string explication = explications ? expliquer_cellule(l, c) : "";
            slot(out, colonnes_nom()[c].nom, l.cellules[c], explications ? &explication : nullptr);
        }
        out += "}}";
    }
    out += ']';
}

} // namespace

std::string ecrire_json(const ThemeCalcule& etat, std::string_view champ_annee_calcul,
                        const std::vector<std::pair<std::string, std::string>>& textes,
                        bool explications, std::span<const LigneVariante> variantes) {
    std::string out;
    out.reserve(32 * 1024);
    out += "{\"slots\": {";
    const auto slots = slots_nommes(etat);
    std::vector<std::pair<std::string, std::string>> textes_explications;
    if (explications)
        textes_explications = expliquer_slots(etat);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (i)
            out += ", ";
        slot(out, slots[i].first, *slots[i].second,
             explications ? &textes_explications[i].second : nullptr);
    }
    out += ", ";
    // The year field is not a result: it has nothing to explain.
    const std::string sans_explication;
    slot(out, "champ_annee_calcul", Slot{std::string(champ_annee_calcul), Couleur::defaut, true},
         explications ? &sans_explication : nullptr);
    out += "}, \"theme\": ";
    theme(out, etat.theme);
    if (!variantes.empty()) {
        out += ", \"variantes\": ";
        variantes_json(out, variantes, explications);
    }
    for (const auto& [cle, texte] : textes) {
        out += ", ";
        chaine(out, cle);
        out += ": ";
        chaine(out, texte);
    }
    out += "}\n";
    return out;
}

void ecrire_liste_json(std::ostream& sortie, const ListePersonnes& liste) {
    std::string out;
    out += '[';
    for (std::size_t i = 0; i < liste.taille(); ++i) {
        const Personne p = liste.personne(i);
        out += i ? ",\n {\"nom\": " : "{\"nom\": ";
        chaine(out, p.nom);
        out += ", \"prenoms\": ";
        chaine(out, p.prenoms);
        out += ", \"jour\": ";
        chaine(out, p.jour);
        out += ", \"mois\": ";
        chaine(out, p.mois);
        out += ", \"annee\": ";
        chaine(out, p.annee);
        out += '}';
        // Written by parts: a large directory never sits twice in memory.
        if (out.size() > 64 * 1024) {
            sortie << out;
            out.clear();
        }
    }
    out += "]\n";
    sortie << out;
}

} // namespace kalder::cli
