#include "repertoire/mise_a_jour.hpp"

#include "repertoire/dossier_donnees.hpp"
#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/temporaires.hpp"
#include "repertoire/verrou.hpp"
#include "systeme/chemins.hpp"
#include "systeme/fichiers_systeme.hpp"

namespace kalder {

namespace fs = std::filesystem;

std::optional<Echec> fichier_reel(const fs::path& dossier, fs::path& fichier) {
    return suivre_liens_surs(fichier_repertoire(dossier), fichier);
}

IssueMiseAJour mettre_a_jour(const fs::path& dossier, std::chrono::milliseconds attente,
                             const Modification& modifier, const std::function<void()>& en_attente,
                             std::uintmax_t limite) {
    IssueMiseAJour issue;
    fs::path fichier;
    if ((issue.echec = fichier_reel(dossier, fichier)))
        return issue;
    // Two data folders whose files lead to one file share its lock.
    const fs::path lieu = fichier.parent_path();
    Verrou verrou;
    if ((issue.echec = verrou.prendre(lieu, attente, en_attente)))
        return issue;

    // Killed saves left their temporary files where the files they replaced live.
    nettoyer_temporaires(lieu, utf8_du_chemin(fichier.filename()));
    if (fichier_repertoire(dossier).parent_path() != lieu)
        nettoyer_temporaires(fichier_repertoire(dossier).parent_path());

    const fs::path secours = fichier_secours(dossier);
    if ((issue.echec = verifier_ordinaire(secours, Operation::remplacer))) {
        issue.secours = true;
        return issue;
    }

    systeme::EtatFichier modele;
    ContenuRepertoire contenu;
    if ((issue.echec = lire_contenu(fichier, contenu, true)))
        return issue;
    if (contenu.existe && !systeme::etat_sans_suivre(fichier, modele) &&
        modele.genre == systeme::Genre::ordinaire &&
        (modele.droits & static_cast<unsigned>(fs::perms::owner_write)) == 0) {
        // Replacing a write-protected file would only be possible because
        // the folder is writable: the user's protection is respected.
        issue.echec = Echec{Operation::remplacer, fichier, ErreurRepertoire::lecture_seule};
        return issue;
    }

    std::string nouveau;
    issue.decision = modifier(contenu, nouveau);
    if (issue.decision != Decision::ecrire)
        return issue;
    // Refused now rather than written and then never read again.
    if (nouveau.size() > limite) {
        issue.decision = Decision::rien;
        issue.echec = Echec{Operation::ecrire, fichier, ErreurRepertoire::resultat_trop_grand};
        return issue;
    }

    const systeme::EtatFichier* garde =
        modele.genre == systeme::Genre::ordinaire ? &modele : nullptr;
    if (contenu.existe) {
        // The backup is the bytes just read, so it is exactly what this change starts from.
        if ((issue.echec = remplacer_fichier(secours, contenu.sur_disque(), garde))) {
            issue.secours = true;
            return issue;
        }
    }
    // Freed before the new file is written: assigning an empty one would keep the capacity.
    ContenuRepertoire().echanger(contenu);
    issue.echec = remplacer_fichier(fichier, nouveau, garde);
    return issue;
}

} // namespace kalder
