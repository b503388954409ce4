#include "ui/fenetre_interpretation.hpp"

#include "ui/construction.hpp"
#include "ui/impression.hpp"

#include <QLabel>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextCursor>

#include <algorithm>

namespace kalder::ui {

namespace {

constexpr QColor jaune_pale{255, 255, 128};

// The layout, in twips.
constexpr int largeur_client = 9375;
constexpr int hauteur_client = 7095;
constexpr int hauteur_bandeau = 375;
constexpr int haut_texte = 360;
constexpr int largeur_bouton = 1095;

int pixels(int twips) {
    return static_cast<int>(twips / double(twips_par_pixel) + 0.5);
}

} // namespace

TaillesInterpretation tailles_interpretation(int largeur_exterieure, int hauteur_exterieure,
                                             int hauteur_banniere) {
    TaillesInterpretation t;
    t.largeur_bandeau = largeur_exterieure;
    if (largeur_exterieure > 100)
        t.largeur_texte = largeur_exterieure - 100;
    if (hauteur_banniere + 400 < hauteur_exterieure)
        t.hauteur_texte = hauteur_exterieure - hauteur_banniere - 400;
    return t;
}

QString texte_affichable(const std::string& texte) {
    return sauts_de_ligne_qt(QString::fromStdString(texte));
}

FenetreInterpretation::FenetreInterpretation(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("interpret"));
    setWindowTitle(QStringLiteral("Interprétation"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(police(9.75));

    bandeau_ = new QLabel(this);
    bandeau_->setObjectName(QStringLiteral("bandeau_titre"));
    bandeau_->setAlignment(Qt::AlignCenter);
    bandeau_->setFont(police(13.5));
    QPalette p = bandeau_->palette();
    p.setColor(QPalette::Window, jaune_pale);
    p.setColor(QPalette::WindowText, Qt::black);
    bandeau_->setPalette(p);
    bandeau_->setAutoFillBackground(true);
    bandeau_->setGeometry(0, 0, pixels(largeur_client), pixels(hauteur_bandeau));

    // Editable, so that the user can adjust the text before printing: what is
    // in it when "Imprimer" is pressed is what gets printed, and the next
    // interpretation replaces it.
    texte_ = new QPlainTextEdit(this);
    texte_->setObjectName(QStringLiteral("texte_interp"));
    texte_->setAccessibleName(QStringLiteral("Texte de l'interprétation"));
    texte_->setFont(police(9.75));
    texte_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    texte_->setGeometry(0, pixels(haut_texte), pixels(largeur_client),
                        pixels(hauteur_client - haut_texte));

    // Made last so that it lies over the banner's left end.
    bouton_imprimer_ = new QPushButton(QStringLiteral("Imprimer"), this);
    bouton_imprimer_->setObjectName(QStringLiteral("bouton_imprimer"));
    bouton_imprimer_->setGeometry(0, 0, pixels(largeur_bouton), pixels(hauteur_bandeau));
    connect(bouton_imprimer_, &QPushButton::clicked, this, &FenetreInterpretation::imprimer);

    setTabOrder(texte_, bouton_imprimer_);
    resize(pixels(largeur_client), pixels(hauteur_client));
}

void FenetreInterpretation::afficher(const Interpretation& contenu) {
    // The band names whose numbers the text reads, so that an earlier
    // person's text is never taken for the one on screen.
    QString bandeau = QString::fromStdString(contenu.titre);
    if (!contenu.personne.empty())
        bandeau += QStringLiteral(" — ") + QString::fromStdString(contenu.personne);
    bandeau_->setText(bandeau);
    texte_->setPlainText(texte_affichable(contenu.texte));
}

void FenetreInterpretation::montrer() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QString FenetreInterpretation::titre() const {
    return bandeau_->text();
}

QString FenetreInterpretation::texte() const {
    return texte_->toPlainText();
}

void FenetreInterpretation::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    suivre_la_taille();
}

// The window manager tells the frame's size only after the window is up,
// and moves the window when it does.
void FenetreInterpretation::moveEvent(QMoveEvent* evenement) {
    QWidget::moveEvent(evenement);
    suivre_la_taille();
}

void FenetreInterpretation::suivre_la_taille() {
    // The rule counts the outer size, frame included; where the platform
    // draws a frame wider than the rule allows for, the text view is kept
    // inside the client area so that its scroll bar stays visible.
    QSize exterieur = frameGeometry().size();
    if (exterieur.width() < width() || exterieur.height() < height())
        exterieur = size();
    const TaillesInterpretation t = tailles_interpretation(exterieur.width() * twips_par_pixel,
                                                           exterieur.height() * twips_par_pixel,
                                                           bandeau_->height() * twips_par_pixel);
    bandeau_->resize(std::min(pixels(t.largeur_bandeau), width()), bandeau_->height());
    QSize taille = texte_->size();
    if (t.largeur_texte)
        taille.setWidth(std::min(pixels(*t.largeur_texte), width()));
    if (t.hauteur_texte)
        taille.setHeight(std::max(0, std::min(pixels(*t.hauteur_texte), height() - texte_->y())));
    texte_->resize(taille);
}

void FenetreInterpretation::imprimer() {
    // Whatever the user selected, the whole text is printed.
    QTextCursor curseur = texte_->textCursor();
    curseur.clearSelection();
    texte_->setTextCursor(curseur);
    imprimer_avec_dialogue(this, texte_->toPlainText());
}

} // namespace kalder::ui
