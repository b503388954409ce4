#include "ui/fenetre_aide.hpp"

#include "textes/tables.hpp"
#include "ui/construction.hpp"
#include "ui/fenetre_interpretation.hpp"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kalder::ui {

namespace {

constexpr QColor jaune_pale{255, 255, 128};
constexpr int largeur = 450;
constexpr int hauteur = 294;
constexpr int hauteur_titre = 27;
constexpr QSize taille_bouton{73, 25};

} // namespace

FenetreAide::FenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("f_aide"));
    setWindowTitle(QStringLiteral("Aide"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(police(9.75));
    setFixedSize(largeur, hauteur);

    titre_ = new QLabel(QStringLiteral("Comment Utiliser Kalder ?"), this);
    titre_->setObjectName(QStringLiteral("titre_aide"));
    titre_->setAlignment(Qt::AlignCenter);
    titre_->setFont(police(12));
    QPalette p = titre_->palette();
    p.setColor(QPalette::Window, jaune_pale);
    p.setColor(QPalette::WindowText, Qt::black);
    titre_->setPalette(p);
    titre_->setAutoFillBackground(true);
    titre_->setGeometry(0, 0, largeur, hauteur_titre);

    const std::string_view aide = textes::entree(textes::tables::aide, "texte");
    texte_ = new QPlainTextEdit(this);
    texte_->setObjectName(QStringLiteral("texte_aide"));
    texte_->setPlainText(texte_affichable(std::string(aide)));
    // Tab goes on to "Ok", as in the other fields of the program.
    texte_->setTabChangesFocus(true);
    const int haut_bouton = hauteur - taille_bouton.height() - 7;
    texte_->setGeometry(0, hauteur_titre, largeur, haut_bouton - 7 - hauteur_titre);

    bouton_ok_ = new QPushButton(QStringLiteral("Ok"), this);
    bouton_ok_->setObjectName(QStringLiteral("bouton_ok"));
    bouton_ok_->setGeometry(
        QRect(QPoint((largeur - taille_bouton.width()) / 2, haut_bouton), taille_bouton));
    connect(bouton_ok_, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(texte_, bouton_ok_);
    texte_->setFocus(Qt::OtherFocusReason);
}

void FenetreAide::montrer() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

} // namespace kalder::ui
