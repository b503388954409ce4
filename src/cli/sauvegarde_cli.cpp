// --sauvegarder. Built into each program: the one that keeps the client file
// (KALDER_CLIENTS) lets a modified entry take its client record along; the
// others save alone, and kalder-theme hands a save to kalder-clients when
// the data folder has a client file.
#include "cli/repertoire_cli.hpp"

#include "cli/saisie_cli.hpp"
#if defined(KALDER_CLIENTS)
#include "clients/suivi_repertoire.hpp"
#endif
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/sauvegarder_personnes.hpp"

#include <iostream>

namespace kalder::cli {

namespace {

// Both questions get the same scripted answer; each is echoed on the error
// stream so a script's log shows what was decided.
class ReponseFixe : public Questions {
  public:
    explicit ReponseFixe(bool reponse) : reponse_(reponse) {}
    bool oui(const Message& question) override {
        std::cerr << question.titre << "\u00a0: " << question.texte << " "
                  << (reponse_ ? "oui" : "non") << "\n";
        return reponse_;
    }

  private:
    bool reponse_;
};

} // namespace

int sauvegarder(const Options& o, const std::filesystem::path& dossier) {
    const auto remplacer = o.valeur("remplacer").value_or("non");
    if (remplacer != "oui" && remplacer != "non")
        return erreur_usage("--remplacer attend oui ou non");
    if (auto echec = creer_dossier(dossier))
        return dossier_impossible({*echec});
    EtatFenetre etat;
    remplir_personne(etat, o);
    remplir_partenaire(etat, o);
    ReponseFixe reponses(remplacer == "oui");
#if defined(KALDER_CLIENTS)
    const auto avant = entrees_avant_sauvegarde(dossier, etat);
#endif
    const Issue issue = sauvegarder_personnes(etat, dossier, reponses);
    if (issue.message)
        return erreur_saisie(issue);
#if defined(KALDER_CLIENTS)
    // A modified entry keeps its client record.
    if (auto refus = suivre_sauvegarde(dossier, etat, avant))
        std::cerr << "Attention\u00a0: " << *refus << "\n";
#endif
    std::cout << issue.statut << "\n";
    return 0;
}

} // namespace kalder::cli
