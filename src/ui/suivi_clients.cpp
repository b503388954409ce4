#include "ui/suivi_clients.hpp"

#include "clients/base_clients.hpp"
#include "clients/suivi_fenetre.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/boites_message.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"

#include <optional>
#include <vector>

namespace kalder::ui {

namespace {

QString pour_barre(const std::string& texte) {
    return QStringLiteral("Fiche client\u00a0: ") + QString::fromStdString(texte);
}

void signaler(FenetrePrincipale& fenetre, const std::string& texte) {
    fenetre.signaler(pour_barre(texte));
}

// Runs `ecrire` on the client file for the directory entry of `personne`;
// nothing at all for a person who was never saved. What went wrong, for the
// status bar.
template <typename F>
std::optional<QString> pour_entree(FenetrePrincipale& fenetre, const Theme& personne, F&& ecrire) {
    const std::filesystem::path& dossier = fenetre.secondaires().dossier_donnees();
    const auto tous = personnes_du_repertoire(dossier);
    const std::optional<Personne> entree = entree_du_theme(tous, personne);
    if (!entree)
        return std::nullopt;
    BaseClients base(dossier);
    if (!base.disponible())
        return pour_barre(base.raison());
    Refus refus = ecrire(base, *entree);
    if (!refus)
        refus = base.avis();
    if (refus)
        return pour_barre(*refus);
    return std::nullopt;
}

} // namespace

void retenir_variantes_client(FenetrePrincipale& fenetre, const Theme& personne,
                              const std::vector<NomVariante>& noms) {
    if (auto refus = pour_entree(fenetre, personne, [&](BaseClients& base, const Personne& e) {
            return base.retenir_variantes(e, en_orthographes(noms));
        }))
        fenetre.signaler(*refus);
}

void retenir_partenaire_client(FenetrePrincipale& fenetre) {
    const EtatFenetre& etat = fenetre.etat();
    if (!etat.theme_montre)
        return;
    if (auto refus =
            pour_entree(fenetre, etat.origines.theme, [&](BaseClients& base, const Personne& e) {
                return base.retenir_partenaire(e, partenaire_de_la_ligne(etat));
            }))
        fenetre.signaler(*refus);
}

void restaurer_client(FenetrePrincipale& fenetre, const Personne& personne) {
    const std::filesystem::path& dossier = fenetre.secondaires().dossier_donnees();
    std::error_code ec;
    if (!std::filesystem::exists(fichier_clients(dossier), ec))
        return;
    BaseClients base(dossier);
    if (base.avis())
        signaler(fenetre, *base.avis());
    if (!base.disponible()) {
        signaler(fenetre, base.raison());
        return;
    }
    auto lu = base.lire(personne);
    if (lu.erreur) {
        signaler(fenetre, *lu.erreur);
        return;
    }
    if (!lu.valeur)
        return;
    const Fiche& fiche = *lu.valeur;
    if (!fiche.variantes.empty())
        if (const auto cle = theme_de_la_ligne(fenetre.etat()))
            fenetre.variantes().retenir(*cle, en_noms_variantes(fiche.variantes));
    if (!fiche.partenaires.empty())
        proposer_partenaire(fenetre.etat(), fiche.partenaires.front());
}

std::optional<QString> noter_consultation(FenetrePrincipale& fenetre,
                                          const Consultation& consultation) {
    const EtatFenetre& etat = fenetre.etat();
    if (!etat.theme_montre)
        return std::nullopt;
    return pour_entree(fenetre, etat.origines.theme, [&](BaseClients& base, const Personne& e) {
        return base.ajouter_consultation(e, consultation);
    });
}

std::optional<QString> noter_jour_choisi(FenetrePrincipale& fenetre, const std::string& note) {
    const EtatFenetre& etat = fenetre.etat();
    if (!etat.theme_montre)
        return std::nullopt;
    return pour_entree(fenetre, etat.origines.theme, [&](BaseClients& base, const Personne& e) {
        return base.ajouter_note(e, maintenant_client(), note);
    });
}

void proposer_effacement_fiche(QWidget* parent, const std::filesystem::path& dossier,
                               const Personne& personne) {
    std::error_code ec;
    if (!std::filesystem::exists(fichier_clients(dossier), ec))
        return;
    BaseClients base(dossier);
    if (!base.disponible() || !base.lire(personne).valeur)
        return;
    const Message question{"Fiche client",
                           "La fiche client de «\u00a0" + personne.prenoms + " " + personne.nom +
                               "\u00a0» est toujours conservée. L'effacer aussi\u00a0? Ses notes, "
                               "ses coordonnées, ses consultations, les variantes du nom "
                               "et les partenaires seront définitivement effacés.",
                           Icone::question};
    if (montrer_message(parent, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    if (Refus refus = base.effacer(personne))
        montrer_message(parent, Message{"Fiche client", *refus, Icone::avertissement});
}

} // namespace kalder::ui
