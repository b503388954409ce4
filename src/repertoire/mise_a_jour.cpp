#include "repertoire/mise_a_jour.hpp"

#include "repertoire/dossier_donnees.hpp"
#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/temporaires.hpp"
#include "repertoire/verrou.hpp"

namespace kalder {

namespace fs = std::filesystem;

fs::path fichier_reel(const fs::path& dossier) {
    fs::path fichier = fichier_repertoire(dossier);
    std::error_code ec;
    if (!fs::is_symlink(fichier, ec))
        return fichier;
    const fs::path cible = fs::canonical(fichier, ec);
    return ec ? fichier : cible;
}

IssueMiseAJour mettre_a_jour(const fs::path& dossier, std::chrono::milliseconds attente,
                             const Modification& modifier) {
    IssueMiseAJour issue;
    Verrou verrou;
    if ((issue.echec = verrou.prendre(dossier, attente)))
        return issue;

    const fs::path fichier = fichier_reel(dossier);
    // Killed saves left their temporary files where the files they replaced live.
    nettoyer_temporaires(fichier.parent_path());
    if (fichier_repertoire(dossier).parent_path() != fichier.parent_path())
        nettoyer_temporaires(fichier_repertoire(dossier).parent_path());

    const fs::path secours = fichier_secours(dossier);
    if ((issue.echec = verifier_ordinaire(secours, Operation::remplacer))) {
        issue.secours = true;
        return issue;
    }

    std::optional<fs::perms> droits;
    ContenuRepertoire contenu;
    if ((issue.echec = lire_contenu(fichier, contenu, true)))
        return issue;
    if (contenu.existe) {
        std::error_code ec;
        droits = fs::status(fichier, ec).permissions();
        // Replacing a write-protected file would only be possible because
        // the folder is writable: the user's protection is respected.
        if (!ec && (*droits & fs::perms::owner_write) == fs::perms::none) {
            issue.echec = Echec{Operation::remplacer, fichier, ErreurRepertoire::lecture_seule};
            return issue;
        }
        if (ec)
            droits.reset();
    }

    std::string nouveau;
    issue.decision = modifier(contenu, nouveau);
    if (issue.decision != Decision::ecrire)
        return issue;

    if (contenu.existe) {
        // The backup is the bytes just read, so it is exactly what this change starts from.
        if ((issue.echec = remplacer_fichier(secours, contenu.sur_disque(), droits))) {
            issue.secours = true;
            return issue;
        }
    }
    contenu = {};
    issue.echec = remplacer_fichier(fichier, nouveau, droits);
    return issue;
}

} // namespace kalder
