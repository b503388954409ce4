// After a save, the status bar is told how many persons went where.
#include "modele/etat_fenetre.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "saisie_personne.hpp"

#include <gtest/gtest.h>

namespace kalder {
namespace {

EtatFenetre deux_lignes() {
    EtatFenetre e;
    essai::saisir_personne(e, "Anne-Marie", "Dupont", "15", "7", "1975");
    essai::saisir_partenaire(e, "Paul", "Martin");
    return e;
}

TEST(RepertoireStatut, CombienEtOu) {
    essai::DossierTemporaire dossier;
    const std::string ou =
        " dans «\u00a0" + texte_chemin(fichier_repertoire(dossier.chemin())) + "\u00a0».";
    essai::QuestionsScriptees aucune;
    Issue issue = sauvegarder_personnes(deux_lignes(), dossier.chemin(), aucune);
    ASSERT_FALSE(issue.message.has_value());
    EXPECT_EQ(issue.statut, "2 personnes enregistrées" + ou);

    // Both are there: replacing Anne-Marie only.
    essai::QuestionsScriptees oui_non({true, false});
    issue = sauvegarder_personnes(deux_lignes(), dossier.chemin(), oui_non);
    EXPECT_EQ(issue.statut, "1 personne enregistrée" + ou);

    essai::QuestionsScriptees non_non({false, false});
    issue = sauvegarder_personnes(deux_lignes(), dossier.chemin(), non_non);
    EXPECT_EQ(issue.statut, "Aucune personne enregistrée" + ou);
}

TEST(RepertoireStatut, RienApresUnEchec) {
    essai::DossierTemporaire dossier;
    essai::QuestionsScriptees aucune;
    const Issue issue =
        sauvegarder_personnes(deux_lignes(), dossier.chemin() / "absent" / "encore", aucune);
    ASSERT_TRUE(issue.message.has_value());
    EXPECT_EQ(issue.statut, "");
}

} // namespace
} // namespace kalder
