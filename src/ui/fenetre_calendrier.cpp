#include "ui/fenetre_calendrier.hpp"

#include "calendrier/ics.hpp"
#include "calendrier/trouver.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/boites_message.hpp"
#include "ui/choix_repertoire.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"
#include "ui/suivi_clients.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolTip>
#include <QVBoxLayout>

#include <charconv>

namespace kalder::ui {

namespace {

using namespace std::chrono;

const QString titre_fenetre = QStringLiteral("Calendrier");

QString choisir_par_dialogue(QWidget* parent, const QString& titre, const QString& nom,
                             const QString& filtre) {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, titre, dossier + QLatin1Char('/') + nom, filtre);
}

Date date_de(const QDate& d) {
    return Date{year{d.year()}, month{static_cast<unsigned>(d.month())},
                day{static_cast<unsigned>(d.day())}};
}

void message_erreur(QWidget* parent, const std::string& texte) {
    montrer_message(parent, Message{"Erreur", texte, Icone::avertissement});
}

} // namespace

Theme partenaire_calcule(const EtatFenetre& etat) {
    const EntenteCalculee& e = etat.origines.entente;
    Theme t;
    t.prenom = e.prenom_partenaire;
    t.nom = e.nom_partenaire;
    t.jour = e.jour;
    t.mois = e.mois;
    t.annee = e.annee;
    return t;
}

Theme theme_du_repertoire(const Personne& p) {
    const auto nombre = [](const std::string& texte) {
        Nombre n = 0;
        const auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
        return ec == std::errc{} && fin == texte.data() + texte.size() ? n : Nombre{0};
    };
    Theme t;
    t.prenom = p.prenoms;
    t.nom = p.nom;
    t.jour = nombre(p.jour);
    t.mois = nombre(p.mois);
    t.annee = nombre(p.annee);
    return t;
}

DessinCalendrier::DessinCalendrier(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dessin_calendrier"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::white);
    setPalette(fond);
}

void DessinCalendrier::definir(std::optional<VueCalendrier> vue) {
    vue_ = std::move(vue);
    update();
}

QSize DessinCalendrier::sizeHint() const {
    return {900, 620};
}

void DessinCalendrier::paintEvent(QPaintEvent*) {
    if (!vue_)
        return;
    QPainter peintre(this);
    dessiner_calendrier(peintre, QRectF(rect()), *vue_);
}

void DessinCalendrier::contextMenuEvent(QContextMenuEvent* evenement) {
    const JourCalendrier* jour =
        vue_ ? jour_sous(QRectF(rect()), *vue_, evenement->pos()) : nullptr;
    if (!jour)
        return;
    const JourCalendrier choisi = *jour;
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("Noter ce jour dans la fiche…")), &QAction::triggered,
            this, [this, choisi] { emit jour_a_noter(choisi); });
    menu.exec(evenement->globalPos());
}

bool DessinCalendrier::event(QEvent* evenement) {
    if (evenement->type() != QEvent::ToolTip)
        return QWidget::event(evenement);
    const auto* aide = static_cast<QHelpEvent*>(evenement);
    const JourCalendrier* jour = vue_ ? jour_sous(QRectF(rect()), *vue_, aide->pos()) : nullptr;
    if (jour)
        QToolTip::showText(aide->globalPos(),
                           vue_->seconde_personne.empty() ? bulle_du_jour(*jour)
                                                          : bulle_des_deux(*vue_, *jour),
                           this);
    else
        QToolTip::hideText();
    return true;
}

FenetreCalendrier::FenetreCalendrier(FenetrePrincipale& principale)
    : QWidget(&principale, Qt::Window), principale_(principale) {
    setObjectName(QStringLiteral("fenetre_calendrier"));
    horloge = [] { return QDateTime::currentDateTime(); };
    choisir_fichier = choisir_par_dialogue;

    annee_personnelle_ = new QLabel;
    annee_personnelle_->setObjectName(QStringLiteral("calendrier_annee_personnelle"));
    mois_personnel_ = new QLabel;
    mois_personnel_->setObjectName(QStringLiteral("calendrier_mois_personnel"));
    avec_partenaire_ = new QCheckBox(QStringLiteral("Avec le par&tenaire"));
    avec_partenaire_->setObjectName(QStringLiteral("calendrier_avec_partenaire"));
    avec_partenaire_->setToolTip(
        QStringLiteral("Le partenaire de l'onglet Entente à droite dans chaque case"));
    a_cote_bouton_ = new QPushButton(QStringLiteral("Du &répertoire…"));
    a_cote_bouton_->setObjectName(QStringLiteral("bouton_calendrier_repertoire"));
    a_cote_bouton_->setToolTip(
        QStringLiteral("Une personne du répertoire à droite dans chaque case"));
    choix_mois_ = new QRadioButton(QStringLiteral("&Mois"));
    choix_mois_->setObjectName(QStringLiteral("calendrier_vue_mois"));
    choix_mois_->setChecked(true);
    choix_annee_ = new QRadioButton(QStringLiteral("A&nnée"));
    choix_annee_->setObjectName(QStringLiteral("calendrier_vue_annee"));
    precedent_ = new QPushButton(QStringLiteral("◀"));
    precedent_->setObjectName(QStringLiteral("bouton_calendrier_precedent"));
    precedent_->setToolTip(QStringLiteral("Précédent"));
    precedent_->setAccessibleName(QStringLiteral("Précédent"));
    suivant_ = new QPushButton(QStringLiteral("▶"));
    suivant_->setObjectName(QStringLiteral("bouton_calendrier_suivant"));
    suivant_->setToolTip(QStringLiteral("Suivant"));
    suivant_->setAccessibleName(QStringLiteral("Suivant"));
    liste_mois_ = new QComboBox;
    liste_mois_->setObjectName(QStringLiteral("calendrier_liste_mois"));
    liste_mois_->setAccessibleName(QStringLiteral("Mois"));
    for (std::string_view nom : noms_mois)
        liste_mois_->addItem(QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())));
    champ_annee_ = new QSpinBox;
    champ_annee_->setObjectName(QStringLiteral("calendrier_champ_annee"));
    champ_annee_->setAccessibleName(QStringLiteral("Année"));
    champ_annee_->setRange(annee_calendrier_min, annee_calendrier_max);
    champ_annee_->setGroupSeparatorShown(false);

    auto* haut = new QHBoxLayout;
    haut->addWidget(annee_personnelle_);
    haut->addSpacing(16);
    haut->addWidget(mois_personnel_);
    haut->addStretch();
    haut->addWidget(avec_partenaire_);
    haut->addWidget(a_cote_bouton_);
    haut->addSpacing(12);
    haut->addWidget(choix_mois_);
    haut->addWidget(choix_annee_);
    haut->addSpacing(12);
    haut->addWidget(precedent_);
    haut->addWidget(liste_mois_);
    haut->addWidget(champ_annee_);
    haut->addWidget(suivant_);

    dessin_ = new DessinCalendrier;
    sans_date_ = new QLabel(QString::fromUtf8(message_sans_date.data(),
                                              static_cast<qsizetype>(message_sans_date.size())));
    sans_date_->setObjectName(QStringLiteral("calendrier_sans_date"));
    sans_date_->setAlignment(Qt::AlignCenter);
    pages_ = new QStackedWidget;
    pages_->addWidget(dessin_);
    pages_->addWidget(sans_date_);

    imprimer_ = new QPushButton(QStringLiteral("&Imprimer…"));
    imprimer_->setObjectName(QStringLiteral("bouton_calendrier_imprimer"));
    pdf_ = new QPushButton(QStringLiteral("Enregistrer en &PDF…"));
    pdf_->setObjectName(QStringLiteral("bouton_calendrier_pdf"));
    agenda_ = new QPushButton(QStringLiteral("&Exporter vers un agenda…"));
    agenda_->setObjectName(QStringLiteral("bouton_calendrier_agenda"));
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(imprimer_);
    bas->addWidget(pdf_);
    bas->addWidget(agenda_);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(haut);
    colonne->addWidget(pages_, 1);
    colonne->addLayout(bas);

    connect(precedent_, &QPushButton::clicked, this, &FenetreCalendrier::precedent);
    connect(suivant_, &QPushButton::clicked, this, &FenetreCalendrier::suivant);
    connect(choix_annee_, &QRadioButton::toggled, this, &FenetreCalendrier::lire_commandes);
    connect(avec_partenaire_, &QCheckBox::toggled, this, &FenetreCalendrier::mettre_a_jour);
    connect(a_cote_bouton_, &QPushButton::clicked, this, &FenetreCalendrier::choisir_a_cote);
    connect(dessin_, &DessinCalendrier::jour_a_noter, this, [this](const JourCalendrier& jour) {
        bool ok = false;
        const QString objet = QInputDialog::getText(this, QStringLiteral("Noter dans la fiche"),
                                                    QStringLiteral("Jour choisi pour\u00a0:"),
                                                    QLineEdit::Normal, QString(), &ok);
        if (ok && !objet.trimmed().isEmpty())
            noter(jour, objet);
    });
    connect(liste_mois_, &QComboBox::currentIndexChanged, this, &FenetreCalendrier::lire_commandes);
    connect(champ_annee_, &QSpinBox::valueChanged, this, &FenetreCalendrier::lire_commandes);
    connect(imprimer_, &QPushButton::clicked, this, &FenetreCalendrier::imprimer_choisi);
    connect(pdf_, &QPushButton::clicked, this, &FenetreCalendrier::enregistrer_pdf_choisi);
    connect(agenda_, &QPushButton::clicked, this, &FenetreCalendrier::exporter_agenda_choisi);
    connect(&principale, &FenetrePrincipale::theme_calcule, this, [this] {
        annee_ = 0; // a new person: back to the year of calculation
        choisi_.reset();
        mettre_a_jour();
    });
    mettre_a_jour();
}

void FenetreCalendrier::lire_commandes() {
    vue_annee_ = choix_annee_->isChecked();
    mois_ = liste_mois_->currentIndex() + 1;
    annee_ = champ_annee_->value();
    mettre_a_jour();
}

void FenetreCalendrier::montrer(int annee, int mois) {
    annee_ = std::clamp(annee, annee_calendrier_min, annee_calendrier_max);
    vue_annee_ = mois == 0;
    if (mois)
        mois_ = mois;
    mettre_a_jour();
}

void FenetreCalendrier::montrer_partenaire(bool avec) {
    avec_partenaire_->setChecked(avec);
    mettre_a_jour();
}

void FenetreCalendrier::noter(const JourCalendrier& jour, const QString& objet) {
    if (auto refus =
            noter_jour_choisi(principale_, note_jour_choisi(objet.trimmed().toStdString(),
                                                            jour.date, jour.jour_personnel)))
        principale_.signaler(*refus);
}

void FenetreCalendrier::montrer_a_cote(const Personne& personne) {
    a_cote_ = theme_du_repertoire(personne);
    const QSignalBlocker bloque(avec_partenaire_);
    avec_partenaire_->setChecked(true);
    mettre_a_jour();
}

void FenetreCalendrier::choisir_a_cote() {
    const auto choisies =
        choisir_personnes(this, lire_liste_personnes(principale_.secondaires().dossier_donnees()));
    if (!choisies.empty())
        montrer_a_cote(choisies.front());
}

void FenetreCalendrier::montrer_jour(const Date& date) {
    choisi_ = date;
    montrer(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())));
}

void FenetreCalendrier::precedent() {
    if (vue_annee_)
        montrer(annee_ - 1, 0);
    else
        montrer(mois_ == 1 ? annee_ - 1 : annee_, mois_ == 1 ? 12 : mois_ - 1);
}

void FenetreCalendrier::suivant() {
    if (vue_annee_)
        montrer(annee_ + 1, 0);
    else
        montrer(mois_ == 12 ? annee_ + 1 : annee_, mois_ == 12 ? 1 : mois_ + 1);
}

void FenetreCalendrier::mettre_a_jour() {
    const EtatFenetre& etat = principale_.etat();
    const Theme& t = etat.origines.theme;
    const QDate aujourdhui = horloge().date();
    if (annee_ == 0) {
        annee_ = etat.origines.annee_grille ? static_cast<int>(etat.origines.annee_grille)
                                            : aujourdhui.year();
        mois_ = aujourdhui.month();
    }
    // Before the birth year there is nothing to show: the birth year instead.
    if (t.date_complete() && annee_ < t.annee)
        annee_ = static_cast<int>(t.annee);
    auto vue = vue_calendrier(t, annee_, vue_annee_ ? 0 : mois_, date_de(aujourdhui));
    const bool avec = vue.has_value();
    if (avec) {
        vue->choisi = choisi_;
        if (avec_partenaire_->isChecked())
            ajouter_seconde_personne(*vue, a_cote_ ? *a_cote_ : partenaire_calcule(etat));
    }
    if (avec) {
        annee_personnelle_->setText(
            QStringLiteral("Année personnelle %1").arg(vue->annee_personnelle));
        annee_personnelle_->setToolTip(
            QString::fromStdString(expliquer_annee_du_calendrier(t, annee_)));
        mois_personnel_->setText(
            QStringLiteral("Mois personnel %1")
                .arg(vue->mois_personnels[static_cast<std::size_t>(mois_ - 1)]));
        mois_personnel_->setToolTip(
            QString::fromStdString(expliquer_mois_du_calendrier(t, annee_, mois_)));
    } else {
        annee_personnelle_->clear();
        mois_personnel_->clear();
    }
    mois_personnel_->setVisible(!vue_annee_);
    dessin_->definir(std::move(vue));
    pages_->setCurrentWidget(avec ? static_cast<QWidget*>(dessin_) : sans_date_);
    for (QWidget* w :
         std::initializer_list<QWidget*>{imprimer_, pdf_, agenda_, precedent_, suivant_,
                                         liste_mois_, champ_annee_, choix_mois_, choix_annee_})
        w->setEnabled(avec);
    avec_partenaire_->setEnabled(
        avec && (a_cote_ ? a_cote_->date_complete() : partenaire_calcule(etat).date_complete()));
    a_cote_bouton_->setEnabled(avec);
    if (a_cote_)
        avec_partenaire_->setText(
            QStringLiteral("Avec %1").arg(QString::fromStdString(nom_de_la_personne(*a_cote_))));
    {
        const QSignalBlocker b1(liste_mois_), b2(champ_annee_), b3(choix_annee_), b4(choix_mois_);
        liste_mois_->setCurrentIndex(mois_ - 1);
        liste_mois_->setEnabled(avec && !vue_annee_);
        champ_annee_->setValue(annee_);
        choix_annee_->setChecked(vue_annee_);
        choix_mois_->setChecked(!vue_annee_);
    }
    const QString nom = QString::fromStdString(nom_de_la_personne(t)).trimmed();
    setWindowTitle(nom.isEmpty() ? titre_fenetre : titre_fenetre + QStringLiteral(" — ") + nom);
}

QString FenetreCalendrier::nom_suggere(const QString& extension) const {
    const Theme& t = principale_.etat().origines.theme;
    QString periode = QString::number(annee_);
    if (!vue_annee_)
        periode += QStringLiteral("-%1").arg(mois_, 2, 10, QLatin1Char('0'));
    return QStringLiteral("Jours personnels %1 %2.%3")
        .arg(QString::fromStdString(nom_de_la_personne(t)), periode, extension);
}

bool FenetreCalendrier::imprimer(QPrinter& imprimante) {
    if (!dessin_->vue())
        return false;
    if (!imprimer_calendrier(imprimante, *dessin_->vue())) {
        message_erreur(this, "L'impression a échoué\u00a0: l'imprimante n'a pas pu être ouverte.");
        return false;
    }
    return true;
}

void FenetreCalendrier::imprimer_choisi() {
    QPrinter imprimante;
    imprimante.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialogue(&imprimante, this);
    if (dialogue.exec() == QDialog::Accepted)
        imprimer(imprimante);
}

bool FenetreCalendrier::enregistrer_pdf(const QString& chemin) {
    if (!dessin_->vue())
        return false;
    if (const auto erreur = exporter_calendrier_pdf(chemin, *dessin_->vue())) {
        message_erreur(this, erreur->toStdString());
        return false;
    }
    return true;
}

void FenetreCalendrier::enregistrer_pdf_choisi() {
    const QString chemin =
        choisir_fichier(this, QStringLiteral("Enregistrer en PDF"),
                        nom_suggere(QStringLiteral("pdf")), QStringLiteral("Document PDF (*.pdf)"));
    if (!chemin.isEmpty())
        enregistrer_pdf(chemin);
}

bool FenetreCalendrier::exporter_agenda(const QString& chemin) {
    const Theme& t = principale_.etat().origines.theme;
    const Plage plage = vue_annee_ ? plage_annee(annee_) : plage_mois(annee_, mois_);
    const auto maintenant = sys_seconds{seconds{horloge().toSecsSinceEpoch()}};
    // The person shown beside, when there is one, goes into the agenda too.
    std::optional<Theme> autre;
    if (avec_partenaire_->isChecked()) {
        autre = a_cote_ ? *a_cote_ : partenaire_calcule(principale_.etat());
        if (!autre->date_complete() || verifier_plage(*autre, plage))
            autre.reset();
    }
    if (const auto erreur =
            exporter_ics(chemin_local(chemin), t, plage, maintenant, autre ? &*autre : nullptr)) {
        message_erreur(this, *erreur);
        return false;
    }
    return true;
}

void FenetreCalendrier::exporter_agenda_choisi() {
    const QString chemin = choisir_fichier(this, QStringLiteral("Exporter vers un agenda"),
                                           nom_suggere(QStringLiteral("ics")),
                                           QStringLiteral("Agenda iCalendar (*.ics)"));
    if (!chemin.isEmpty())
        exporter_agenda(chemin);
}

FenetreCalendrier* montrer_calendrier(FenetrePrincipale& principale) {
    auto* fenetre = principale.findChild<FenetreCalendrier*>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenetre) {
        fenetre = new FenetreCalendrier(principale);
        fenetre->resize(960, 700);
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
    return fenetre;
}

} // namespace kalder::ui
