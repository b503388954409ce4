#include "ui/fiche_client.hpp"

#include "clients/base_clients.hpp"
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
    return q(", " + jour + "/" + mois + "/" + annee);
}

} // namespace

DialogueFicheClient::DialogueFicheClient(BaseClients& base, const Fiche& fiche, QWidget* parent)
    : QDialog(parent), base_(base), fiche_(std::make_unique<Fiche>(fiche)) {
    setWindowTitle(QStringLiteral("Fiche client de %1 %2")
                       .arg(q(fiche.personne.prenoms), q(fiche.personne.nom)));
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
    for (QListWidget* l : {consultations_, orthographes_, partenaires_})
        l->setMaximumHeight(fontMetrics().lineSpacing() * 4 + 12);

    formulaire->addRow(QStringLiteral("Téléphone\u00a0:"), telephone_);
    formulaire->addRow(QStringLiteral("Courriel\u00a0:"), courriel_);
    formulaire->addRow(QStringLiteral("Adresse\u00a0:"), adresse_);
    formulaire->addRow(QStringLiteral("Tags\u00a0:"), tags_);
    formulaire->addRow(QStringLiteral("Notes\u00a0:"), notes_);
    formulaire->addRow(QStringLiteral("Nouvelle note\u00a0:"), nouvelle_note_);
    formulaire->addRow(QStringLiteral("Consultations\u00a0:"), consultations_);
    auto* ligne_consultation = new QHBoxLayout;
    ligne_consultation->addWidget(note_consultation_);
    ligne_consultation->addWidget(consulter);
    formulaire->addRow(QString(), ligne_consultation);
    formulaire->addRow(QStringLiteral("Orthographes comparées\u00a0:"), orthographes_);
    formulaire->addRow(QStringLiteral("Partenaires\u00a0:"), partenaires_);

    auto* boutons = new QDialogButtonBox;
    auto* enregistrer_ =
        nomme(boutons->addButton(QStringLiteral("Enregistrer"), QDialogButtonBox::ApplyRole),
              "bouton_enregistrer_fiche");
    nomme(boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::AcceptRole),
          "bouton_fermer_fiche");
    connect(enregistrer_, &QPushButton::clicked, this, [this] { enregistrer(); });
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(consulter, &QPushButton::clicked, this, [this] { nouvelle_consultation(); });

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(boutons);
    resize(560, 640);

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
    for (const Note& n : fiche_->notes)
        notes_->addItem(q(date_affichee(n.date) + "\u00a0: " + n.texte));
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

bool DialogueFicheClient::enregistrer() {
    Fiche f;
    f.personne = fiche_->personne;
    f.contact = {s(telephone_->text().trimmed()), s(courriel_->text().trimmed()),
                 s(adresse_->toPlainText())};
    for (const QString& t : tags_->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!t.trimmed().isEmpty())
            f.tags.push_back(s(t.trimmed()));
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
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(recherche);
    colonne->addWidget(table_);
    colonne->addWidget(boutons);
    resize(720, 420);
    chercher({});
}

void DialogueClients::chercher(const QString& texte) {
    auto r = base_.lister(s(texte));
    if (r.erreur) {
        montrer_message(this, message_fiche(*r.erreur));
        return;
    }
    modele_->definir(std::move(r.valeur));
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
