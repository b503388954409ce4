#include "repertoire/sauvegarder_personnes.hpp"

#include "repertoire/contenu_repertoire.hpp"
#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/mise_a_jour.hpp"

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <string>

namespace kalder {

namespace fs = std::filesystem;

namespace {

struct Participant {
    LigneFenetre ligne;
    bool prend_part = false;
    // The user's answer to "… a déjà été enregistré, modifier ?", once asked.
    std::optional<bool> reponse;
};

using Participants = std::array<Participant, 2>;
constexpr std::array<Icone, 2> icones = {Icone::question, Icone::aucune};
// Questions asked again when a person appears between two readings; past
// that many rounds, a person with no answer is left as the file has it.
constexpr int tours_maximum = 3;

Issue erreur(Message message) {
    Issue issue;
    issue.message = std::move(message);
    return issue;
}

std::array<bool, 2> presents(std::string_view octets, const Participants& lignes) {
    std::array<bool, 2> trouve{};
    pour_chaque_entree(octets, [&](const EntreeBrute& e) {
        for (std::size_t i = 0; i < lignes.size(); ++i)
            trouve[i] = trouve[i] || (lignes[i].prend_part && lignes[i].ligne.meme_personne(e));
    });
    return trouve;
}

void demander(Participants& lignes, const std::array<bool, 2>& trouve, Questions& questions) {
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        Participant& p = lignes[i];
        if (p.prend_part && trouve[i] && !p.reponse)
            p.reponse =
                questions.oui(question_modifier(p.ligne.prenoms(), p.ligne.nom(), icones[i]));
    }
}

bool manque_reponse(const Participants& lignes, const std::array<bool, 2>& trouve) {
    for (std::size_t i = 0; i < lignes.size(); ++i)
        if (lignes[i].prend_part && trouve[i] && !lignes[i].reponse)
            return true;
    return false;
}

void nouveau_contenu(std::string_view ancien, const Participants& lignes, std::string& contenu) {
    // Any answer but Yes withdraws the person from the save.
    std::array<bool, 2> a_ecrire{};
    for (std::size_t i = 0; i < lignes.size(); ++i)
        a_ecrire[i] = lignes[i].prend_part && lignes[i].reponse.value_or(true);
    contenu.reserve(ancien.size() + ancien.size() / 16 + 256);
    pour_chaque_entree(ancien, [&](const EntreeBrute& entree) {
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            if (a_ecrire[i] && lignes[i].ligne.meme_personne(entree)) {
                ajouter_entree(contenu, lignes[i].ligne.champs());
                a_ecrire[i] = false;
                return;
            }
        }
        ajouter_entree_lue(contenu, entree);
    });
    for (std::size_t i = 0; i < lignes.size(); ++i)
        if (a_ecrire[i])
            ajouter_entree(contenu, lignes[i].ligne.champs());
}

// Said in the status bar once the file holds them; without memory left for
// the sentence, the save still succeeded and is not reported as failed.
Issue enregistrees(const Participants& lignes, const fs::path& fichier) {
    Issue issue;
    try {
        issue.statut = message_personnes_enregistrees(
            static_cast<int>(std::count_if(
                lignes.begin(), lignes.end(),
                [](const Participant& p) { return p.prend_part && p.reponse.value_or(true); })),
            fichier);
    } catch (const std::bad_alloc&) {
        issue.statut.clear();
    }
    return issue;
}

Message message_echec(const IssueMiseAJour& issue) {
    return issue.secours ? message_echec_secours(*issue.echec)
                         : message_echec_sauvegarde(*issue.echec);
}

Issue sauvegarder(const EtatFenetre& etat, const fs::path& dossier, Questions& questions,
                  std::chrono::milliseconds attente) {
    Participants lignes = {Participant{lire_ligne(etat, LigneId::vous), false, std::nullopt},
                           Participant{lire_ligne(etat, LigneId::partenaire), false, std::nullopt}};
    for (Participant& p : lignes) {
        p.prend_part = p.ligne.prend_part();
        if (!p.prend_part)
            continue;
        if (auto refus = encoder_ligne(p.ligne))
            return *refus;
    }

    // The questions come before the lock: while the user thinks, another
    // save can go on.
    fs::path fichier;
    if (auto echec = fichier_reel(dossier, fichier))
        return erreur(message_echec_sauvegarde(*echec));
    {
        ContenuRepertoire contenu;
        if (auto echec = lire_contenu(fichier, contenu, true))
            return erreur(message_echec_sauvegarde(*echec));
        demander(lignes, presents(contenu.octets, lignes), questions);
    }

    for (int tour = 1;; ++tour) {
        std::array<bool, 2> trouve{};
        const IssueMiseAJour issue = mettre_a_jour(
            dossier, attente,
            [&](const ContenuRepertoire& c, std::string& nouveau) {
                trouve = presents(c.octets, lignes);
                if (manque_reponse(lignes, trouve) && tour < tours_maximum)
                    return Decision::redemander;
                for (std::size_t i = 0; i < lignes.size(); ++i)
                    if (lignes[i].prend_part && trouve[i] && !lignes[i].reponse)
                        lignes[i].reponse = false;
                nouveau_contenu(c.octets, lignes, nouveau);
                return Decision::ecrire;
            },
            [&] { questions.attente_autre_sauvegarde(); });
        if (issue.echec)
            return erreur(message_echec(issue));
        if (issue.decision != Decision::redemander)
            return enregistrees(lignes, fichier);
        // Saved meanwhile by someone else: asked now, then read again.
        demander(lignes, trouve, questions);
    }
}

} // namespace

Issue sauvegarder_personnes(const EtatFenetre& etat, const fs::path& dossier, Questions& questions,
                            std::chrono::milliseconds attente) {
    constexpr std::string_view rien_ecrit = "\u00a0; rien n'a été écrit";
    try {
        return sauvegarder(etat, dossier, questions, attente);
    } catch (const std::bad_alloc&) {
        return erreur(
            message_sauvegarde_impossible(expliquer_exception(true) + std::string(rien_ecrit)));
    } catch (...) {
        return erreur(
            message_sauvegarde_impossible(expliquer_exception(false) + std::string(rien_ecrit)));
    }
}

} // namespace kalder
