#include "ui/fenetres_secondaires.hpp"

#include "interpretation/commandes.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "systeme/dossiers_systeme.hpp"
#include "ui/boites_message.hpp"
#include "ui/dialogue_ouvrir.hpp"
#include "ui/fenetre_aide.hpp"
#include "ui/fenetre_interpretation.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/impression.hpp"
#include "ui/questions_fenetre.hpp"

#include <QCoreApplication>
#include <QFile>

namespace kalder::ui {

namespace fs = std::filesystem;

fs::path chemin_local(const QString& texte) {
#ifdef Q_OS_WIN
    return fs::path(texte.toStdWString());
#else
    return fs::path(QFile::encodeName(texte).toStdString());
#endif
}

fs::path dossier_programme() {
    return chemin_local(QCoreApplication::applicationDirPath());
}

FenetresSecondaires::FenetresSecondaires(FenetrePrincipale& fenetre)
    : QObject(&fenetre), fenetre_(fenetre) {
    setObjectName(QStringLiteral("fenetres_secondaires"));
}

FenetresSecondaires::~FenetresSecondaires() {
    delete interpretation_;
    delete aide_;
}

void FenetresSecondaires::montrer_interpretation() {
    if (!interpretation_)
        interpretation_ = new FenetreInterpretation;
    interpretation_->afficher(fenetre_.etat().interpretation);
    interpretation_->montrer();
}

void FenetresSecondaires::rafraichir_interpretation() {
    if (interpretation_)
        interpretation_->afficher(fenetre_.etat().interpretation);
}

void FenetresSecondaires::fermer_interpretation() {
    delete interpretation_;
}

FenetreInterpretation* FenetresSecondaires::interpretation() const {
    return interpretation_;
}

FenetreAide* FenetresSecondaires::aide() const {
    return aide_;
}

void FenetresSecondaires::montrer_aide() {
    if (!aide_)
        aide_ = new FenetreAide;
    aide_->montrer();
}

void FenetresSecondaires::ouvrir_personne() {
    if (dossier_manquant())
        return;
    DialogueOuvrir::ouvrir(fenetre_, dossier_donnees());
}

bool FenetresSecondaires::dossier_manquant() {
    const fs::path& dossier = dossier_donnees(); // settles echecs_dossier_ on first use
    std::error_code ec;
    if (echecs_dossier_.empty() || fs::is_directory(dossier, ec))
        return false;
    montrer_message(&fenetre_, message_dossier_impossible(echecs_dossier_));
    return true;
}

void FenetresSecondaires::sauvegarder_personnes() {
    if (dossier_manquant())
        return;
    QuestionsFenetre questions(&fenetre_);
    fenetre_.appliquer(
        kalder::sauvegarder_personnes(fenetre_.etat(), dossier_donnees(), questions));
}

void FenetresSecondaires::imprimer_theme() {
    // Built even when the user then cancels the printer dialog.
    const QString rapport = QString::fromStdString(composer_rapport(fenetre_.etat()));
    imprimer_avec_dialogue(&fenetre_, rapport);
}

const fs::path& FenetresSecondaires::dossier_donnees() {
    if (!dossier_)
        dossier_ = kalder::dossier_donnees(donnees_application_utilisateur(), dossier_programme(),
                                           &echecs_dossier_);
    return *dossier_;
}

void FenetresSecondaires::definir_dossier_donnees(fs::path dossier) {
    dossier_ = std::move(dossier);
    echecs_dossier_.clear();
}

} // namespace kalder::ui
