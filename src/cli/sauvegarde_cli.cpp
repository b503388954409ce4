// --sauvegarder and --supprimer. Built into each program: the one that keeps
// the client file (KALDER_CLIENTS) lets a modified entry take its client
// record along and a removed one erase it; the others work on the directory
// alone, and kalder-theme hands both to kalder-clients when the data folder
// has a client file.
#include "cli/repertoire_cli.hpp"

#include "cli/saisie_cli.hpp"
#if defined(KALDER_CLIENTS)
#include "clients/base_clients.hpp"
#include "clients/suivi_repertoire.hpp"
#endif
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "repertoire/supprimer_personne.hpp"

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

#if defined(KALDER_CLIENTS)
namespace {

// The record of a person just removed from the directory: erased when asked,
// else kept, and the user told how to erase it.
void suivre_suppression(const std::filesystem::path& dossier, const Personne& personne,
                        bool effacer) {
    std::error_code ec;
    if (!std::filesystem::exists(fichier_clients(dossier), ec))
        return;
    BaseClients base(dossier);
    if (!base.disponible()) {
        if (effacer)
            std::cerr << "Attention\u00a0: " << base.raison() << "\n";
        return;
    }
    if (!base.lire(personne).valeur)
        return;
    if (effacer) {
        if (auto refus = base.effacer(personne))
            std::cerr << "Attention\u00a0: " << *refus << "\n";
        else
            std::cout << "La fiche client a été effacée.\n";
        return;
    }
    std::cerr << "Attention\u00a0: la fiche client (notes, consultations) est gardée\u00a0; "
                 "--effacer-fiche l'efface avec la personne.\n";
}

} // namespace
#endif

int supprimer(const Options& o, const std::filesystem::path& dossier) {
    if (!o.a("prenom") || !o.a("nom"))
        return erreur_usage("--supprimer demande au moins --nom et --prenom");
    // Made ready as a save makes them, so that the same words find the person.
    Personne personne =
        personne_saisie(o.valeur("nom").value_or(""), o.valeur("prenom").value_or(""),
                        o.valeur("jour").value_or(""), o.valeur("mois").value_or(""),
                        o.valeur("annee").value_or(""));
    // Without a date, the one person of that name; several are listed.
    if (!o.a("jour") && !o.a("mois") && !o.a("annee")) {
        std::vector<Personne> memes;
        for (const Personne& p : personnes_du_repertoire(dossier))
            if (p.nom == personne.nom && p.prenoms == personne.prenoms)
                memes.push_back(p);
        if (memes.size() == 1)
            personne = memes.front();
        if (memes.size() > 1) {
            std::string liste;
            for (const Personne& p : memes)
                liste += (liste.empty() ? "" : ", ") + personne_lisible(p);
            std::cerr << "Erreur\u00a0: plusieurs personnes du répertoire portent ce nom\u00a0: "
                      << liste
                      << "\u00a0; précisez la date de naissance (--jour, --mois, --annee).\n";
            return sortie_erreur_saisie;
        }
    }
    const Issue issue = supprimer_personne(dossier, personne);
    if (issue.message)
        return erreur_saisie(issue);
    std::cout << message_personne_retiree(personne, fichier_repertoire(dossier)) << "\n";
#if defined(KALDER_CLIENTS)
    suivre_suppression(dossier, personne, o.effacer_fiche);
#endif
    return 0;
}

} // namespace kalder::cli
