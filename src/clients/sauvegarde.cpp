#include "clients/sauvegarde.hpp"

#include "clients/json_clients.hpp"
#include "repertoire/ajouter_personnes.hpp"
#include "repertoire/fichier_choisi.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "systeme/chemins.hpp"

namespace kalder {

namespace {

std::string nom_affiche(const std::filesystem::path& chemin) {
    return "«\u00a0" + utf8_du_chemin(chemin) + "\u00a0»";
}

// "s" after a count other than 0 or 1.
std::string nombre(std::size_t n, const char* singulier, const char* pluriel) {
    return std::to_string(n) + " " + (n > 1 ? pluriel : singulier);
}

} // namespace

std::string resume_restauration(const BilanRestauration& b) {
    return nombre(b.fiches.fiches_creees, "fiche créée", "fiches créées") + ", " +
           nombre(b.fiches.fiches_completees, "fiche complétée", "fiches complétées") + ", " +
           nombre(b.fiches.notes_ajoutees, "note ajoutée", "notes ajoutées") + ", " +
           nombre(b.fiches.consultations_ajoutees, "consultation ajoutée",
                  "consultations ajoutées") +
           ", " +
           nombre(b.personnes_ajoutees, "personne ajoutée au répertoire",
                  "personnes ajoutées au répertoire");
}

Reponse<std::size_t> sauvegarder_tout(const BaseClients& base, std::span<const Personne> repertoire,
                                      const std::filesystem::path& chemin) {
    Reponse<std::size_t> r;
    const auto fiches = base.tout_lire();
    if (fiches.erreur) {
        r.erreur = fiches.erreur;
        return r;
    }
    const Sauvegarde sauvegarde{{repertoire.begin(), repertoire.end()}, fiches.valeur};
    // Notes are private: the export is its owner's alone from its first byte.
    // A device or a pipe is written into, never replaced.
    if (auto echec = ecrire_fichier_choisi(chemin, export_json(sauvegarde), EnPlace::accepte,
                                           Lecteurs::proprietaire)) {
        r.erreur = "l'exportation " + nom_affiche(chemin) + " n'a pas pu être écrite\u00a0: " +
                   expliquer_echec_fichier_choisi(chemin, *echec) + ".";
        return r;
    }
    r.valeur = fiches.valeur.size();
    return r;
}

Reponse<BilanRestauration> restaurer_tout(BaseClients& base, const std::filesystem::path& dossier,
                                          const std::filesystem::path& chemin) {
    Reponse<BilanRestauration> r;
    std::string texte;
    if (auto echec = lire_fichier(chemin, texte, std::uintmax_t{4} << 30)) {
        r.erreur =
            nom_affiche(chemin) + " n'a pas pu être lu\u00a0: " + expliquer_echec(*echec) + ".";
        return r;
    }
    const auto lue = lire_export_json(texte);
    if (lue.erreur) {
        r.erreur = nom_affiche(chemin) + " n'a pas été importé\u00a0: " + *lue.erreur + ".";
        return r;
    }
    const IssueAjout ajout = ajouter_personnes(dossier, lue.valeur.repertoire);
    if (ajout.echec) {
        r.erreur = nom_affiche(chemin) +
                   " n'a pas été importé\u00a0: " + expliquer_echec(*ajout.echec) + ".";
        return r;
    }
    r.valeur.personnes_ajoutees = ajout.ajoutees;
    r.valeur.personnes_ecartees = ajout.ecartees;
    auto bilan = base.importer(lue.valeur.fiches);
    if (bilan.erreur) {
        r.erreur = *bilan.erreur + (ajout.ajoutees
                                        ? " Seules les personnes ont été ajoutées au répertoire."
                                        : " Rien n'a été importé.");
        return r;
    }
    r.valeur.fiches = bilan.valeur;
    return r;
}

} // namespace kalder
