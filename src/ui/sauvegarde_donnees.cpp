#include "ui/sauvegarde_donnees.hpp"

#include "clients/base_clients.hpp"
#include "clients/sauvegarde.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/boites_message.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"

#include <QDir>
#include <QFileDialog>
#include <QStatusBar>

namespace kalder::ui {

namespace {

const QString filtre = QStringLiteral("Sauvegardes Kalder (*.json)");

QString demander(QWidget* parent, bool restaurer) {
    if (restaurer)
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Restaurer des données"), {},
                                            filtre);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Sauvegarder toutes les données"),
                                        QDir::home().filePath(QStringLiteral("kalder.json")),
                                        filtre);
}

ChoixDonnees& choix_donnees() {
    static ChoixDonnees choix = demander;
    return choix;
}

// A reason ends a sentence; shown alone, it starts one.
Message erreur(const char* titre, std::string raison) {
    if (!raison.empty() && raison[0] >= 'a' && raison[0] <= 'z')
        raison[0] = static_cast<char>(raison[0] - 'a' + 'A');
    return Message{titre, raison, Icone::avertissement};
}

} // namespace

void definir_choix_donnees(ChoixDonnees choix) {
    choix_donnees() = choix ? std::move(choix) : ChoixDonnees(demander);
}

void sauvegarder_donnees(FenetrePrincipale& fenetre) {
    const QString chemin = choix_donnees()(&fenetre, false);
    if (chemin.isEmpty())
        return;
    const auto dossier = fenetre.secondaires().dossier_donnees();
    BaseClients base(dossier);
    if (base.avis())
        montrer_message(&fenetre, erreur("Sauvegarde", *base.avis()));
    if (!base.disponible()) {
        montrer_message(&fenetre, erreur("Sauvegarde", base.raison()));
        return;
    }
    // Every saved person goes in with a record, empty until one is kept.
    const auto repertoire = personnes_du_repertoire(dossier);
    base.inscrire(repertoire);
    const auto ecrites = sauvegarder_tout(base, repertoire, chemin_local(chemin));
    if (ecrites.erreur) {
        montrer_message(&fenetre, erreur("Sauvegarde", *ecrites.erreur));
        return;
    }
    fenetre.barre_etat()->showMessage(
        QStringLiteral("Répertoire et fichier des clients sauvegardés dans «\u00a0%1\u00a0» "
                       "(%2 %3)")
            .arg(QDir::toNativeSeparators(chemin))
            .arg(ecrites.valeur)
            .arg(ecrites.valeur > 1 ? QStringLiteral("fiches") : QStringLiteral("fiche")));
}

void restaurer_donnees(FenetrePrincipale& fenetre) {
    const QString chemin = choix_donnees()(&fenetre, true);
    if (chemin.isEmpty())
        return;
    const auto dossier = fenetre.secondaires().dossier_donnees();
    BaseClients base(dossier);
    if (base.avis())
        montrer_message(&fenetre, erreur("Restauration", *base.avis()));
    if (!base.disponible()) {
        montrer_message(&fenetre, erreur("Restauration", base.raison()));
        return;
    }
    const auto issue = restaurer_tout(base, dossier, chemin_local(chemin));
    std::string ecartees;
    if (issue.valeur.personnes_ecartees)
        ecartees = " " + std::to_string(issue.valeur.personnes_ecartees) +
                   (issue.valeur.personnes_ecartees > 1 ? " personnes n'ont pas pu être ajoutées"
                                                        : " personne n'a pas pu être ajoutée") +
                   " au répertoire, qui ne peut pas garder ses caractères.";
    if (issue.erreur) {
        montrer_message(&fenetre, erreur("Restauration", *issue.erreur + ecartees));
        return;
    }
    montrer_message(&fenetre,
                    Message{"Restauration",
                            "Données de «\u00a0" + chemin.toStdString() +
                                "\u00a0» ajoutées, rien n'a été retiré ni remplacé\u00a0: " +
                                resume_restauration(issue.valeur) + "." + ecartees,
                            Icone::information});
}

} // namespace kalder::ui
