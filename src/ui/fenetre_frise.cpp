#include "ui/fenetre_frise.hpp"

#include "document/frise_dessin.hpp"
#include "ui/boites_message.hpp"
#include "ui/fenetre_principale.hpp"

#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

namespace kalder::ui {

namespace {

const QString titre_fenetre = QStringLiteral("Frise de vie");

QString nom_personne(const Theme& t) {
    return QString::fromStdString(t.prenom + " " + t.nom).trimmed();
}

QString filtre_images() {
    return QStringLiteral("Image PNG (*.png);;Image SVG (*.svg)");
}

const QString cle_dossier = QStringLiteral("frise/dernier_dossier");

QSettings reglages() {
    return QSettings(QStringLiteral("Kalder"), QStringLiteral("Kalder"));
}

// A name typed without an extension takes the chosen type's.
QString avec_extension(QString chemin, const QString& filtre) {
    if (!chemin.isEmpty() && QFileInfo(chemin).suffix().isEmpty())
        chemin += filtre.contains(QStringLiteral("svg"), Qt::CaseInsensitive)
                      ? QStringLiteral(".svg")
                      : QStringLiteral(".png");
    return chemin;
}

QString choisir_par_dialogue(QWidget* parent, const QString& propose) {
    QString filtre;
    const QString chemin = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Enregistrer l'image"), propose, filtre_images(), &filtre);
    return avec_extension(chemin, filtre);
}

// The picture's own title above the timeline: what it shows and whose it is,
// for a picture pasted or saved away from the window.
void dessiner_avec_titre(QPainter& peintre, const QRectF& zone, const Frise& frise,
                         const QString& titre) {
    const double hauteur = std::max(18.0, zone.height() * 0.07);
    QFont police = peintre.font();
    police.setBold(true);
    police.setPointSizeF(std::max(6.0, hauteur * 0.45 * 72.0 / peintre.device()->logicalDpiY()));
    peintre.save();
    peintre.setFont(police);
    peintre.setPen(QColor(0x1f, 0x3a, 0x66));
    peintre.drawText(
        QRectF(zone.left() + hauteur * 0.3, zone.top(), zone.width() - hauteur * 0.6, hauteur),
        Qt::AlignLeft | Qt::AlignVCenter, titre);
    peintre.restore();
    dessiner_frise(peintre, zone.adjusted(0, hauteur, 0, 0), frise);
}

// Vectors at the window's size, so that the file opens at the size seen on screen.
bool ecrire_svg(QSaveFile& fichier, const Frise& frise, QSize taille, const QString& titre,
                const QFont& police) {
    QSvgGenerator svg;
    svg.setOutputDevice(&fichier);
    svg.setResolution(96);
    svg.setSize(taille);
    svg.setViewBox(QRect(QPoint(0, 0), taille));
    svg.setTitle(titre);
    QPainter peintre;
    if (!peintre.begin(&svg))
        return false;
    peintre.setFont(police);
    peintre.fillRect(QRectF(QPointF(0, 0), taille), Qt::white);
    dessiner_avec_titre(peintre, QRectF(QPointF(0, 0), taille), frise, titre);
    return peintre.end();
}

} // namespace

DessinFrise::DessinFrise(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dessin_frise"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::white);
    setPalette(fond);
}

void DessinFrise::definir(std::optional<Frise> frise) {
    frise_ = std::move(frise);
    update();
}

QSize DessinFrise::sizeHint() const {
    return {1000, 600};
}

void DessinFrise::paintEvent(QPaintEvent*) {
    if (!frise_)
        return;
    QPainter peintre(this);
    dessiner_frise(peintre, QRectF(rect()), *frise_);
}

bool DessinFrise::event(QEvent* evenement) {
    if (evenement->type() != QEvent::ToolTip)
        return QWidget::event(evenement);
    const auto* aide = static_cast<QHelpEvent*>(evenement);
    const std::optional<std::string> texte =
        frise_ ? explication_sous(QRectF(rect()), *frise_, aide->pos()) : std::nullopt;
    if (texte)
        QToolTip::showText(aide->globalPos(), QString::fromStdString(*texte), this);
    else
        QToolTip::hideText();
    return true;
}

FenetreFrise::FenetreFrise(FenetrePrincipale& principale)
    : QWidget(&principale, Qt::Window), principale_(principale) {
    setObjectName(QStringLiteral("fenetre_frise"));
    choisir_fichier = choisir_par_dialogue;

    dessin_ = new DessinFrise;
    // Below this the captions, the axis's labels and the nodes no longer read.
    dessin_->setMinimumSize(720, 420);
    sans_date_ = new QLabel(QStringLiteral("Pas de frise de vie sans date de naissance."));
    sans_date_->setObjectName(QStringLiteral("frise_sans_date"));
    sans_date_->setAlignment(Qt::AlignCenter);
    pages_ = new QStackedWidget;
    pages_->addWidget(dessin_);
    pages_->addWidget(sans_date_);

    copier_ = new QPushButton(QStringLiteral("Copier l'image"));
    copier_->setObjectName(QStringLiteral("bouton_copier_image"));
    enregistrer_ = new QPushButton(QStringLiteral("Enregistrer l'image…"));
    enregistrer_->setObjectName(QStringLiteral("bouton_enregistrer_image"));
    connect(copier_, &QPushButton::clicked, this, &FenetreFrise::copier);
    connect(enregistrer_, &QPushButton::clicked, this, &FenetreFrise::enregistrer_choisi);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(copier_);
    boutons->addWidget(enregistrer_);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(pages_, 1);
    colonne->addLayout(boutons);

    connect(&principale, &FenetrePrincipale::theme_calcule, this, &FenetreFrise::mettre_a_jour);
    mettre_a_jour();
}

void FenetreFrise::mettre_a_jour() {
    const EtatFenetre& etat = principale_.etat();
    dessin_->definir(construire_frise(etat, QDate::currentDate().year()));
    const bool avec_frise = dessin_->frise().has_value();
    pages_->setCurrentWidget(avec_frise ? static_cast<QWidget*>(dessin_) : sans_date_);
    copier_->setEnabled(avec_frise);
    enregistrer_->setEnabled(avec_frise);
    const QString nom = nom_personne(etat.origines.theme);
    setWindowTitle(nom.isEmpty() ? titre_fenetre : titre_fenetre + QStringLiteral(" – ") + nom);
}

QSize FenetreFrise::taille_vue() const {
    return dessin_->size().isEmpty() ? dessin_->sizeHint() : dessin_->size();
}

QString FenetreFrise::titre_image() const {
    const Theme& t = principale_.etat().origines.theme;
    QString titre = titre_fenetre + QStringLiteral(" – ") + nom_personne(t);
    if (t.date_complete())
        titre += QStringLiteral(", naissance le %1/%2/%3")
                     .arg(t.jour, 2, 10, QLatin1Char('0'))
                     .arg(t.mois, 2, 10, QLatin1Char('0'))
                     .arg(t.annee);
    return titre;
}

QImage FenetreFrise::image() const {
    // Twice the window's width at least, sharp enough once pasted and printed.
    const QSize vue = taille_vue();
    const int largeur = 2 * std::max(vue.width(), 800);
    QImage image(largeur, largeur * vue.height() / std::max(1, vue.width()), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (dessin_->frise()) {
        QPainter peintre(&image);
        peintre.setFont(font());
        dessiner_avec_titre(peintre, QRectF(image.rect()), *dessin_->frise(), titre_image());
    }
    return image;
}

void FenetreFrise::copier() {
    if (dessin_->frise())
        QGuiApplication::clipboard()->setImage(image());
}

bool FenetreFrise::enregistrer(const QString& chemin) {
    if (!dessin_->frise())
        return false;
    QSaveFile fichier(avec_extension(chemin, QString()));
    bool ecrit = fichier.open(QIODevice::WriteOnly);
    if (ecrit) {
        const bool svg =
            QFileInfo(chemin).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
        ecrit = svg ? ecrire_svg(fichier, *dessin_->frise(), taille_vue(), titre_image(), font())
                    : image().save(&fichier, "PNG");
        ecrit = ecrit && fichier.commit();
        if (!ecrit)
            fichier.cancelWriting();
    }
    if (ecrit)
        reglages().setValue(cle_dossier, QFileInfo(fichier.fileName()).absolutePath());
    else
        montrer_message(this,
                        Message{"Erreur",
                                "L'image n'a pas pu être enregistrée dans «\u00a0" +
                                    QDir::toNativeSeparators(chemin).toStdString() + "\u00a0».",
                                Icone::avertissement});
    return ecrit;
}

void FenetreFrise::enregistrer_choisi() {
    QString dossier = reglages().value(cle_dossier).toString();
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir())
        dossier = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString nom = titre_fenetre + QStringLiteral(" – ") +
                  nom_personne(principale_.etat().origines.theme) + QStringLiteral(".png");
    for (QChar interdit : QStringLiteral("/\\:*?\"<>|"))
        nom.replace(interdit, QLatin1Char('-'));
    const QString chemin = choisir_fichier(this, QDir(dossier).filePath(nom));
    if (!chemin.isEmpty())
        enregistrer(chemin);
}

void montrer_frise(FenetrePrincipale& principale) {
    auto* fenetre = principale.findChild<FenetreFrise*>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenetre) {
        fenetre = new FenetreFrise(principale);
        fenetre->resize(1000, 640); // the personal years as a table, readable
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

} // namespace kalder::ui
