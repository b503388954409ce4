#include "ui/fiche_client.hpp"

#include "clients/base_clients.hpp"
#include "noyau/date_chiffres.hpp"
#include "noyau/elision.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/prendre_personne.hpp"
#include "ui/boites_message.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/fenetres_secondaires.hpp"
#include "ui/modele_clients.hpp"
#include "ui/suivi_clients.hpp"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kalder::ui {

namespace {

QString q(const std::string& texte) {
    return QString::fromStdString(texte);
}
std::string s(const QString& texte) {
    return texte.toStdString();
}

Message message_fiche(const std::string& texte) {
    return Message{"Fiche client", texte, Icone::avertissement};
}

template <typename T> T* nomme(T* w, const char* nom) {
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

QString date_personne(const std::string& jour, const std::string& mois, const std::string& annee) {
    if (jour.empty() && mois.empty() && annee.empty())
        return {};
    return q(", " + date_chiffres(jour, mois, annee));
}

// Removes from `lignes` the row chosen in `liste`, which shows them in order.
template <typename T> bool retirer_choisie(const QListWidget& liste, std::vector<T>& lignes) {
    const int rang = liste.currentRow();
    if (rang < 0 || rang >= static_cast<int>(lignes.size()))
        return false;
    lignes.erase(lignes.begin() + rang);
    return true;
}

} // namespace

DialogueFicheClient::DialogueFicheClient(BaseClients& base, const Fiche& fiche, QWidget* parent)
    : QDialog(parent), base_(base), fiche_(std::make_unique<Fiche>(fiche)) {
    setWindowTitle(QStringLiteral("Fiche client ") +
                   q(de(fiche.personne.prenoms + " " + fiche.personne.nom)));
    setModal(true);
    auto* formulaire = new QFormLayout;
    telephone_ = nomme(new QLineEdit, "fiche_telephone");
    courriel_ = nomme(new QLineEdit, "fiche_courriel");
    adresse_ = nomme(new QPlainTextEdit, "fiche_adresse");
    adresse_->setFixedHeight(fontMetrics().lineSpacing() * 3 + 12);
    tags_ = nomme(new QLineEdit, "fiche_tags");
    tags_->setPlaceholderText(QStringLiteral("mots séparés par des virgules"));
    notes_ = nomme(new QListWidget, "fiche_notes");
    notes_->setWordWrap(true);
    nouvelle_note_ = nomme(new QPlainTextEdit, "fiche_nouvelle_note");
    nouvelle_note_->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
    consultations_ = nomme(new QListWidget, "fiche_consultations");
    note_consultation_ = nomme(new QLineEdit, "fiche_note_consultation");
    note_consultation_->setPlaceholderText(QStringLiteral("note de la consultation"));
    auto* consulter = nomme(new QPushButton(QStringLiteral("Nouvelle consultation")),
                            "bouton_nouvelle_consultation");
    orthographes_ = nomme(new QListWidget, "fiche_orthographes");
    partenaires_ = nomme(new QListWidget, "fiche_partenaires");
    auto* modifier_note =
        nomme(new QPushButton(QStringLiteral("Modifier la note…")), "bouton_modifier_note");
    auto* supprimer_note =
        nomme(new QPushButton(QStringLiteral("Supprimer la note")), "bouton_supprimer_note");
    auto* retirer_orthographe =
        nomme(new QPushButton(QStringLiteral("Retirer")), "bouton_retirer_orthographe");
    auto* retirer_partenaire =
        nomme(new QPushButton(QStringLiteral("Retirer")), "bouton_retirer_partenaire");
    // A list and the buttons acting on its selected line, under it.
    const auto avec_boutons = [](QListWidget* liste, std::initializer_list<QPushButton*> boutons) {
        auto* colonne = new QVBoxLayout;
        colonne->setContentsMargins(0, 0, 0, 0);
        colonne->addWidget(liste);
        auto* ligne = new QHBoxLayout;
        ligne->addStretch(1);
        for (QPushButton* b : boutons)
            ligne->addWidget(b);
        colonne->addLayout(ligne);
        return colonne;
    };
    for (QListWidget* l : {consultations_, orthographes_, partenaires_})
        l->setMaximumHeight(fontMetrics().lineSpacing() * 4 + 12);

    formulaire->addRow(QStringLiteral("Téléphone\u00a0:"), telephone_);
    formulaire->addRow(QStringLiteral("Courriel\u00a0:"), courriel_);
    formulaire->addRow(QStringLiteral("Adresse\u00a0:"), adresse_);
    formulaire->addRow(QStringLiteral("Étiquettes\u00a0:"), tags_);
    formulaire->addRow(QStringLiteral("Notes\u00a0:"),
                       avec_boutons(notes_, {modifier_note, supprimer_note}));
    formulaire->addRow(QStringLiteral("Nouvelle note\u00a0:"), nouvelle_note_);
    formulaire->addRow(QStringLiteral("Consultations\u00a0:"), consultations_);
    auto* ligne_consultation = new QHBoxLayout;
    ligne_consultation->addWidget(note_consultation_);
    ligne_consultation->addWidget(consulter);
    formulaire->addRow(QString(), ligne_consultation);
    formulaire->addRow(QStringLiteral("Variantes du nom\u00a0:"),
                       avec_boutons(orthographes_, {retirer_orthographe}));
    formulaire->addRow(QStringLiteral("Partenaires\u00a0:"),
                       avec_boutons(partenaires_, {retirer_partenaire}));

    auto* boutons = new QDialogButtonBox;
    auto* enregistrer_ =
        nomme(boutons->addButton(QStringLiteral("Enregistrer"), QDialogButtonBox::ApplyRole),
              "bouton_enregistrer_fiche");
    nomme(boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::AcceptRole),
          "bouton_fermer_fiche");
    connect(enregistrer_, &QPushButton::clicked, this, [this] { enregistrer(); });
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(consulter, &QPushButton::clicked, this, [this] { nouvelle_consultation(); });
    connect(modifier_note, &QPushButton::clicked, this, &DialogueFicheClient::modifier_note);
    connect(notes_, &QListWidget::itemDoubleClicked, this, &DialogueFicheClient::modifier_note);
    connect(supprimer_note, &QPushButton::clicked, this, &DialogueFicheClient::supprimer_note);
    connect(retirer_orthographe, &QPushButton::clicked, this,
            &DialogueFicheClient::retirer_orthographe);
    connect(retirer_partenaire, &QPushButton::clicked, this,
            &DialogueFicheClient::retirer_partenaire);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(boutons);
    resize(560, 720);

    const Contact& c = fiche_->contact;
    telephone_->setText(q(c.telephone));
    courriel_->setText(q(c.courriel));
    adresse_->setPlainText(q(c.adresse));
    QStringList tags;
    for (const std::string& t : fiche_->tags)
        tags << q(t);
    tags_->setText(tags.join(QStringLiteral(", ")));
    afficher();
}

DialogueFicheClient::~DialogueFicheClient() = default;

// The lists as stored; the fields typed stay as they are.
void DialogueFicheClient::afficher() {
    notes_->clear();
    // A deleted note stays in the record, emptied, until the next save.
    for (std::size_t i = 0; i < fiche_->notes.size(); ++i) {
        const Note& n = fiche_->notes[i];
        if (n.texte.empty())
            continue;
        auto* ligne = new QListWidgetItem(q(date_affichee(n.date) + "\u00a0: " + n.texte), notes_);
        ligne->setData(Qt::UserRole, static_cast<qulonglong>(i));
    }
    consultations_->clear();
    for (const Consultation& k : fiche_->consultations) {
        QString t = q(date_affichee(k.date));
        if (k.annee_calcul)
            t += QStringLiteral(", année %1").arg(k.annee_calcul);
        if (!k.fichier.empty())
            t += QStringLiteral(", dossier «\u00a0%1\u00a0»").arg(q(k.fichier));
        if (!k.note.empty())
            t += QStringLiteral("\u00a0: ") + q(k.note);
        consultations_->addItem(t);
    }
    orthographes_->clear();
    for (const Orthographe& o : fiche_->variantes)
        orthographes_->addItem(q(o.prenoms + " " + o.nom));
    partenaires_->clear();
    for (const Partenaire& p : fiche_->partenaires) {
        QString t = q(p.prenoms + " " + p.nom) + date_personne(p.jour, p.mois, p.annee);
        if (!p.rencontre.empty())
            t += QStringLiteral(", rencontre le ") + q(p.rencontre);
        partenaires_->addItem(t);
    }
}

void DialogueFicheClient::nouvelle_consultation() {
    Consultation k;
    k.date = maintenant_client();
    k.note = s(note_consultation_->text());
    if (auto refus = base_.ajouter_consultation(fiche_->personne, k)) {
        montrer_message(this, message_fiche(*refus));
        return;
    }
    note_consultation_->clear();
    if (auto lu = base_.lire(fiche_->personne).valeur)
        fiche_->consultations = lu->consultations;
    afficher();
}

Note* DialogueFicheClient::note_choisie() {
    const QListWidgetItem* ligne = notes_->currentItem();
    if (!ligne)
        return nullptr;
    return &fiche_->notes.at(static_cast<std::size_t>(ligne->data(Qt::UserRole).toULongLong()));
}

void DialogueFicheClient::modifier_note() {
    Note* note = note_choisie();
    if (!note)
        return;
    bool ok = false;
    const QString texte = QInputDialog::getMultiLineText(
        this, QStringLiteral("Modifier la note"),
        QStringLiteral("Note du %1\u00a0:").arg(q(date_affichee(note->date))), q(note->texte), &ok);
    // Emptied, the note would be deleted: that is "Supprimer la note".
    if (!ok || texte.trimmed().isEmpty())
        return;
    note->texte = s(texte);
    afficher();
}

void DialogueFicheClient::supprimer_note() {
    Note* note = note_choisie();
    if (!note)
        return;
    const Message question{"Fiche client",
                           "Supprimer la note du " + date_affichee(note->date) + "\u00a0?",
                           Icone::question};
    if (montrer_message(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    note->texte.clear();
    afficher();
}

void DialogueFicheClient::retirer_orthographe() {
    if (retirer_choisie(*orthographes_, fiche_->variantes))
        afficher();
}

void DialogueFicheClient::retirer_partenaire() {
    if (retirer_choisie(*partenaires_, fiche_->partenaires))
        afficher();
}

bool DialogueFicheClient::enregistrer() {
    Fiche f;
    f.personne = fiche_->personne;
    f.contact = {s(telephone_->text().trimmed()), s(courriel_->text().trimmed()),
                 s(adresse_->toPlainText())};
    for (const QString& t : tags_->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!t.trimmed().isEmpty())
            f.tags.push_back(s(t.trimmed()));
    // The notes shown, as modified, and those deleted (emptied) since the last save.
    f.notes = fiche_->notes;
    if (!nouvelle_note_->toPlainText().trimmed().isEmpty())
        f.notes.push_back({0, maintenant_client(), s(nouvelle_note_->toPlainText())});
    f.variantes = fiche_->variantes;
    f.partenaires = fiche_->partenaires;
    if (auto refus = base_.enregistrer(f)) {
        montrer_message(this, message_fiche(*refus + " Ce qui a été saisi reste dans la fiche."));
        return false;
    }
    nouvelle_note_->clear();
    if (auto lu = base_.lire(f.personne).valeur)
        *fiche_ = std::move(*lu);
    afficher();
    return true;
}

void DialogueFicheClient::done(int resultat) {
    // Closing saves; a refused save keeps the typed text on screen.
    if (enregistrer())
        QDialog::done(resultat);
}

void DialogueFicheClient::ouvrir(FenetrePrincipale& fenetre, const std::filesystem::path& dossier) {
    const EtatFenetre& e = fenetre.etat();
    Personne p = identite_client({e.champ(ChampId::nom).texte, e.champ(ChampId::prenom).texte,
                                  e.champ(ChampId::jour).texte, e.champ(ChampId::mois).texte,
                                  e.champ(ChampId::annee).texte});
    if (p.nom.empty() || p.prenoms.empty()) {
        montrer_message(&fenetre, Message{"Fiche client",
                                          "Saisissez d'abord le nom et les prénoms de la personne.",
                                          Icone::information});
        return;
    }
    BaseClients base(dossier);
    if (base.avis())
        montrer_message(&fenetre, message_fiche(*base.avis()));
    if (!base.disponible()) {
        montrer_message(&fenetre, message_fiche(base.raison()));
        return;
    }
    auto lu = base.lire(p);
    if (lu.erreur) {
        montrer_message(&fenetre, message_fiche(*lu.erreur));
        return;
    }
    Fiche f = lu.valeur.value_or(Fiche{});
    f.personne = p;
    DialogueFicheClient dialogue(base, f, &fenetre);
    dialogue.exec();
}

DialogueClients::DialogueClients(BaseClients& base, QWidget* parent)
    : QDialog(parent), base_(base), modele_(new ModeleClients(this)) {
    setWindowTitle(QStringLiteral("Clients"));
    setModal(true);
    auto* recherche = nomme(new QLineEdit, "recherche_clients");
    recherche->setPlaceholderText(QStringLiteral("Chercher un nom, un tag, un mot des notes"));
    recherche->setClearButtonEnabled(true);
    table_ = nomme(new QTableView, "table_clients");
    table_->setModel(modele_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    auto* boutons = new QDialogButtonBox;
    auto* ouvrir_ =
        nomme(boutons->addButton(QStringLiteral("Ouvrir"), QDialogButtonBox::AcceptRole),
              "bouton_ouvrir_client");
    nomme(boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole),
          "bouton_fermer_clients");
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto choisir = [this] {
        const QModelIndex i = table_->currentIndex();
        if (!i.isValid())
            return;
        choisi_ = i.row();
        accept();
    };
    connect(ouvrir_, &QPushButton::clicked, this, choisir);
    connect(table_, &QTableView::doubleClicked, this, choisir);
    connect(recherche, &QLineEdit::textChanged, this, &DialogueClients::chercher);
    // Not from inside the view's layout, which asked for the rows.
    connect(
        modele_, &ModeleClients::lecture_echouee, this,
        [this](const QString& raison) { montrer_message(this, message_fiche(s(raison))); },
        Qt::QueuedConnection);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(recherche);
    colonne->addWidget(table_);
    colonne->addWidget(boutons);
    resize(720, 420);
    chercher({});
}

void DialogueClients::chercher(const QString& texte) {
    if (auto refus = modele_->definir(base_, s(texte))) {
        montrer_message(this, message_fiche(*refus));
        return;
    }
    // Measured on the first rows only (the header's precision), not on all.
    table_->resizeColumnsToContents();
    if (modele_->rowCount() > 0)
        table_->setCurrentIndex(modele_->index(0, 0));
}

void DialogueClients::ouvrir(FenetrePrincipale& fenetre, const std::filesystem::path& dossier) {
    BaseClients base(dossier);
    if (base.avis())
        montrer_message(&fenetre, message_fiche(*base.avis()));
    if (!base.disponible()) {
        montrer_message(&fenetre, message_fiche(base.raison()));
        return;
    }
    // Every saved person is listed, with an empty record until one is kept.
    base.inscrire(personnes_du_repertoire(dossier));
    DialogueClients dialogue(base, &fenetre);
    if (dialogue.exec() != QDialog::Accepted || dialogue.choisi() < 0)
        return;
    // As "-> Vous" of "Ouvrir…": clear-all, then the "Vous :" line.
    const Personne personne = dialogue.modele()->client(dialogue.choisi()).personne;
    prendre_vous(fenetre.etat(), personne);
    restaurer_client(fenetre, personne);
    fenetre.secondaires().fermer_interpretation();
    fenetre.afficher_modele();
}

} // namespace kalder::ui
