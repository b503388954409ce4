#include "repertoire/sauvegarder_personnes.hpp"

#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/messages_repertoire.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace kalder {

namespace fs = std::filesystem;

namespace {

struct Participant {
    LigneFenetre ligne;
    bool prend_part = false;
    bool ecrit = false;
};

Issue erreur(Message message) {
    Issue issue;
    issue.message = std::move(message);
    return issue;
}

// A directory file reached through a link is replaced where it really lives.
fs::path cible_reelle(const fs::path& fichier) {
    std::error_code ec;
    if (!fs::is_symlink(fichier, ec))
        return fichier;
    const fs::path cible = fs::canonical(fichier, ec);
    return ec ? fichier : cible;
}

std::string nouveau_contenu(const std::vector<EntreeBrute>& entrees, std::size_t taille_ancienne,
                            std::array<Participant, 2>& lignes) {
    std::string contenu;
    contenu.reserve(taille_ancienne + taille_ancienne / 16 + 256);
    for (const EntreeBrute& entree : entrees) {
        const auto remplacant =
            std::find_if(lignes.begin(), lignes.end(), [&](const Participant& p) {
                return p.prend_part && !p.ecrit && p.ligne.meme_personne(entree);
            });
        if (remplacant == lignes.end()) {
            ajouter_entree_lue(contenu, entree);
        } else {
            ajouter_entree(contenu, remplacant->ligne.champs());
            remplacant->ecrit = true;
        }
    }
    for (Participant& p : lignes) {
        if (p.prend_part && !p.ecrit) {
            ajouter_entree(contenu, p.ligne.champs());
            p.ecrit = true;
        }
    }
    return contenu;
}

// Said in the status bar once the file holds them.
Issue enregistrees(const std::array<Participant, 2>& lignes, const fs::path& fichier) {
    Issue issue;
    issue.statut = message_personnes_enregistrees(
        static_cast<int>(std::count_if(lignes.begin(), lignes.end(),
                                       [](const Participant& p) { return p.ecrit; })),
        fichier);
    return issue;
}

} // namespace

Issue sauvegarder_personnes(const EtatFenetre& etat, const fs::path& dossier,
                            Questions& questions) {
    std::array<Participant, 2> lignes = {Participant{lire_ligne(etat, LigneId::vous)},
                                         Participant{lire_ligne(etat, LigneId::partenaire)}};
    for (Participant& p : lignes) {
        p.prend_part = p.ligne.prend_part();
        if (!p.prend_part)
            continue;
        if (auto refus = encoder_ligne(p.ligne))
            return *refus;
    }

    const fs::path fichier = cible_reelle(fichier_repertoire(dossier));
    std::error_code ec;
    const fs::file_status statut = fs::status(fichier, ec);
    if (ec && statut.type() != fs::file_type::not_found)
        return erreur(message_echec_sauvegarde(Echec{Operation::lire, fichier, ec}));

    if (statut.type() == fs::file_type::not_found) {
        std::string contenu = nouveau_contenu({}, 0, lignes);
        if (auto echec = remplacer_fichier(fichier, contenu))
            return erreur(message_echec_sauvegarde(*echec));
        return enregistrees(lignes, fichier);
    }

    std::string ancien;
    if (auto echec = lire_fichier(fichier, ancien))
        return erreur(message_echec_sauvegarde(*echec));
    const std::vector<EntreeBrute> entrees = decouper_repertoire(ancien);

    constexpr std::array<Icone, 2> icones = {Icone::question, Icone::aucune};
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        Participant& p = lignes[i];
        if (!p.prend_part)
            continue;
        const bool trouve = std::any_of(entrees.begin(), entrees.end(), [&](const EntreeBrute& e) {
            return p.ligne.meme_personne(e);
        });
        if (trouve &&
            !questions.oui(question_modifier(p.ligne.prenoms(), p.ligne.nom(), icones[i])))
            p.prend_part = false;
    }

    // The backup is the bytes just read, so it is exactly what this save starts from.
    if (auto echec = remplacer_fichier(fichier_secours(dossier), ancien))
        return erreur(message_echec_secours(*echec));

    const std::string contenu = nouveau_contenu(entrees, ancien.size(), lignes);
    if (auto echec = remplacer_fichier(fichier, contenu))
        return erreur(message_echec_sauvegarde(*echec));
    return enregistrees(lignes, fichier);
}

} // namespace kalder
