#include "ui/dossier_consultation.hpp"

#include "document/dossier.hpp"
#include "identite/identite.hpp"
#include "ui/boites_message.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"
#if defined(KALDER_CLIENTS)
#include "ui/suivi_clients.hpp"
#endif

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cctype>
#include <optional>

namespace kalder::ui {

namespace {

// The sections left out: one the program gains later is in by default.
const QString cle_omises = QStringLiteral("dossier/sections_omises");
const QString cle_prepare_par = QStringLiteral("dossier/prepare_par");
const QString cle_dossier = QStringLiteral("dossier/dernier_dossier");

QSettings reglages() {
    return QSettings(QStringLiteral("Kalder"), QStringLiteral("Kalder"));
}

// Said when the settings could not be written; the dossier is whole all the same.
constexpr QStringView non_retenus =
    u"\u00a0; ses choix n'ont pas pu être retenus pour la prochaine fois "
    u"(les réglages de Kalder ne peuvent pas être écrits)";

QString demander_fichier(QWidget* parent, const QString& propose) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Exporter le dossier PDF"), propose,
                                        QStringLiteral("Documents PDF (*.pdf)"));
}

ChoixFichier& choix_fichier() {
    static ChoixFichier choix = demander_fichier;
    return choix;
}

QString identifiant(const document::DescriptionSection& d) {
    return QString::fromUtf8(d.id.data(), static_cast<qsizetype>(d.id.size()));
}

// The choices of the dialog, as last remembered, to show before it opens.
document::ParametresDossier parametres_retenus() {
    document::ParametresDossier p;
    p.consultation = QDate::currentDate();
    p.annee_courante = p.consultation.year();
    const QSettings r = reglages();
    p.prepare_par = r.value(cle_prepare_par).toString();
    const QStringList omises = r.value(cle_omises).toStringList();
    p.sections.clear();
    for (const auto& d : document::sections_dossier())
        if (!omises.contains(identifiant(d)))
            p.sections.push_back(d.section);
    return p;
}

// The sections and the "Préparé par" line asked, then the person's fresh
// calculation; nothing when cancelled or when no theme was calculated.
struct Demande {
    EtatFenetre etat;
    document::ParametresDossier parametres;
    bool choix_retenus = true;
};
std::optional<Demande> demander(FenetrePrincipale& fenetre) {
    if (!fenetre.etat().theme_montre) {
        montrer_message(&fenetre,
                        Message{"Dossier", "Calculez d'abord un thème.", Icone::information});
        return std::nullopt;
    }
    const int annee_courante = QDate::currentDate().year();
    std::string erreur;
    auto etat = recalculer(identite_enregistree(fenetre.etat()), annee_courante, &erreur);
    if (!etat) {
        montrer_message(&fenetre, Message{"Erreur", erreur, Icone::avertissement});
        return std::nullopt;
    }
    // Only the spellings compared for this person, and only those with numbers.
    document::ParametresDossier p = parametres_retenus();
    p.variantes =
        variantes_acceptees(etat->origines.theme, fenetre.variantes_du_theme(), annee_courante);
    DialogueDossier dialogue(&fenetre, document::resume_dossier(*etat, p), !p.variantes.empty(),
                             etat->origines.theme.date_complete());
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    // Made from the dialog's own choices, whether the settings kept them or not.
    auto variantes = std::move(p.variantes);
    p = dialogue.parametres();
    p.annee_courante = annee_courante;
    p.variantes = std::move(variantes);
    if (auto refus =
            document::refus_dossier({etat->theme.prenom, etat->theme.nom}, p.variantes,
                                    p.prepare_par.toStdString(), p.message.toStdString())) {
        refus->front() =
            static_cast<char>(std::toupper(static_cast<unsigned char>(refus->front())));
        montrer_message(&fenetre, Message{"Erreur", *refus + ".", Icone::avertissement});
        return std::nullopt;
    }
    return Demande{std::move(*etat), std::move(p), dialogue.choix_retenus()};
}

// The dossier handed over goes into the person's client record, when the
// person is in the directory; what could not be recorded is said after what
// the status bar already says.
QString noter(FenetrePrincipale& fenetre, const Demande& demande, const QString& chemin) {
#if defined(KALDER_CLIENTS)
    const document::ParametresDossier& p = demande.parametres;
    Consultation c;
    c.date = QDateTime(p.consultation, QTime::currentTime())
                 .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                 .toStdString();
    const int annee_grille = demande.etat.origines.annee_grille;
    c.annee_calcul = annee_grille > 0 ? annee_grille : p.annee_courante;
    c.fichier = chemin.toStdString();
    for (document::Section s : document::sections_imprimees(demande.etat, p)) {
        if (!c.sections.empty())
            c.sections += ", ";
        c.sections += document::description(s).titre;
    }
    if (auto refus = noter_consultation(fenetre, c))
        return QStringLiteral("\u00a0; ") + *refus;
#else
    (void)fenetre;
    (void)demande;
    (void)chemin;
#endif
    return {};
}

void signaler_non_retenus(FenetrePrincipale& fenetre, const Demande& demande) {
    if (!demande.choix_retenus)
        fenetre.barre_etat()->showMessage(QStringLiteral("Dossier de consultation") +
                                          non_retenus.toString());
}

// A4 portrait to start with; the dossier draws its own margins.
void preparer(QPrinter& imprimante) {
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setPageOrientation(QPageLayout::Portrait);
    imprimante.setFullPage(true);
}

QString dossier_propose() {
    const QString dernier = reglages().value(cle_dossier).toString();
    if (!dernier.isEmpty() && QFileInfo(dernier).isDir())
        return dernier;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

DialogueDossier::DialogueDossier(QWidget* parent, const QStringList& resume, bool avec_variantes,
                                 bool avec_date)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dialogue_dossier"));
    setWindowTitle(QStringLiteral("Dossier de consultation"));
    const QSettings r = reglages();

    // Whom the dossier is for, and who else it names, seen before it is written.
    auto* contenu = new QLabel(resume.join(QLatin1Char('\n')), this);
    contenu->setObjectName(QStringLiteral("dossier_resume"));
    contenu->setTextFormat(Qt::PlainText);
    QFont gras = contenu->font();
    gras.setBold(true);
    contenu->setFont(gras);
    const QStringList omises = r.value(cle_omises).toStringList();

    auto* groupe = new QGroupBox(QStringLiteral("Sections"), this);
    auto* liste = new QVBoxLayout(groupe);
    for (const auto& d : document::sections_dossier()) {
        auto* c = new QCheckBox(
            QString::fromUtf8(d.titre.data(), static_cast<qsizetype>(d.titre.size())), groupe);
        c->setObjectName(QStringLiteral("dossier_") + identifiant(d));
        c->setChecked(!omises.contains(identifiant(d)));
        if ((d.section == document::Section::variantes && !avec_variantes) ||
            (d.section == document::Section::calendrier && !avec_date))
            c->hide();
        liste->addWidget(c);
        cases_.push_back(c);
    }
    prepare_par_ = new QLineEdit(r.value(cle_prepare_par).toString(), this);
    prepare_par_->setMaxLength(document::longueur_maximale_prepare_par);
    prepare_par_->setObjectName(QStringLiteral("dossier_prepare_par"));
    prepare_par_->setPlaceholderText(QStringLiteral("Nom et coordonnées (facultatif)"));
    // For this client only: never remembered for the next dossier.
    message_ = new QPlainTextEdit(this);
    message_->setObjectName(QStringLiteral("dossier_message"));
    message_->setTabChangesFocus(true);
    message_->setPlaceholderText(
        QStringLiteral("Imprimé sur une page à part après la couverture (facultatif)"));
    message_->setFixedHeight(message_->fontMetrics().lineSpacing() * 5 + 12);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Préparé par"), prepare_par_);
    formulaire->addRow(QStringLiteral("Message personnel"), message_);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &DialogueDossier::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &DialogueDossier::reject);

    auto* tout = new QVBoxLayout(this);
    tout->addWidget(contenu);
    tout->addWidget(groupe);
    tout->addLayout(formulaire);
    tout->addWidget(boutons);
}

document::ParametresDossier DialogueDossier::parametres() const {
    document::ParametresDossier p;
    p.consultation = QDate::currentDate();
    p.annee_courante = p.consultation.year();
    p.prepare_par = prepare_par_->text().trimmed();
    p.message = message_->toPlainText();
    p.sections.clear();
    const auto sections = document::sections_dossier();
    for (std::size_t i = 0; i < cases_.size(); ++i)
        if (cases_[i]->isChecked())
            p.sections.push_back(sections[i].section);
    return p;
}

void DialogueDossier::accept() {
    QStringList omises;
    const auto sections = document::sections_dossier();
    for (std::size_t i = 0; i < cases_.size(); ++i)
        if (!cases_[i]->isChecked())
            omises << identifiant(sections[i]);
    // Remembered for the next time only: the dossier is made from the dialog.
    QSettings r = reglages();
    r.setValue(cle_omises, omises);
    r.setValue(cle_prepare_par, prepare_par_->text().trimmed());
    r.sync();
    choix_retenus_ = r.status() == QSettings::NoError;
    QDialog::accept();
}

void definir_choix_fichier(ChoixFichier choix) {
    choix_fichier() = choix ? std::move(choix) : ChoixFichier(demander_fichier);
}

void exporter_dossier(FenetrePrincipale& fenetre) {
    const auto demande = demander(fenetre);
    if (!demande)
        return;
    const QString propose =
        QDir(dossier_propose()).filePath(document::nom_de_fichier_suggere(demande->etat));
    const QString chemin = choix_fichier()(&fenetre, propose);
    if (chemin.isEmpty())
        return;
    if (const auto erreur = document::exporter_dossier_pdf(chemin_local(chemin), demande->etat,
                                                           demande->parametres)) {
        montrer_message(&fenetre, Message{"Erreur", erreur->toStdString(), Icone::avertissement});
        return;
    }
    const QFileInfo fichier(chemin);
    reglages().setValue(cle_dossier, fichier.absolutePath());
    const QString natif = QDir::toNativeSeparators(fichier.absoluteFilePath());
    const QString non_noter = noter(fenetre, *demande, natif);
    fenetre.barre_etat()->showMessage(
        QStringLiteral("Dossier enregistré dans «\u00a0%1\u00a0»%2%3")
            .arg(natif, demande->choix_retenus ? QString() : non_retenus.toString(), non_noter));
}

void imprimer_dossier(FenetrePrincipale& fenetre) {
    const auto demande = demander(fenetre);
    if (!demande)
        return;
    signaler_non_retenus(fenetre, *demande);
    QPrinter imprimante(QPrinter::HighResolution);
    preparer(imprimante);
    QPrintDialog dialogue(&imprimante, &fenetre);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    if (!document::imprimer_dossier(imprimante, demande->etat, demande->parametres)) {
        montrer_message(
            &fenetre, Message{"Erreur", "L'impression du dossier a échoué.", Icone::avertissement});
        return;
    }
    if (const QString non_noter = noter(fenetre, *demande, {}); !non_noter.isEmpty())
        fenetre.barre_etat()->showMessage(QStringLiteral("Dossier imprimé") + non_noter);
}

void apercu_dossier(FenetrePrincipale& fenetre) {
    const auto demande = demander(fenetre);
    if (!demande)
        return;
    signaler_non_retenus(fenetre, *demande);
    QPrinter imprimante(QPrinter::HighResolution);
    preparer(imprimante);
    QPrintPreviewDialog apercu(&imprimante, &fenetre);
    apercu.setObjectName(QStringLiteral("apercu_dossier"));
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&demande](QPrinter* p) {
                         document::imprimer_dossier(*p, demande->etat, demande->parametres);
                     });
    apercu.exec();
}

} // namespace kalder::ui
