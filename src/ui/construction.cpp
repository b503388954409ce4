#include "ui/construction.hpp"

#include "modele/catalogue.hpp"
#include "modele/slots.hpp"

#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace kalder::ui {

QFont police(double points, bool gras) {
    QFont f = QApplication::font();
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

QString nom_qt(std::string_view nom) {
    return QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size()));
}

QString sauts_de_ligne_qt(QString texte) {
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texte;
}

Style style_legende(QColor couleur, double points, bool gras) {
    Style s;
    s.points = points;
    s.gras = gras;
    s.couleur = couleur;
    s.alignement = Qt::AlignLeft | Qt::AlignVCenter;
    return s;
}

Style style_valeur(double points, bool gras) {
    Style s;
    s.points = points;
    s.gras = gras;
    s.fond = teinte::blanc;
    s.cadre = true;
    return s;
}

QLabel* legende(QWidget* parent, const QString& texte, QRect geometrie, Style style) {
    auto* l = new QLabel(texte, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometrie);
    l->setAlignment(style.alignement);
    if (style.points != 9.75 || style.gras)
        l->setFont(police(style.points, style.gras));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, style.couleur);
    if (style.fond.isValid()) {
        p.setColor(QPalette::Window, style.fond);
        l->setAutoFillBackground(true);
    }
    if (style.cadre) {
        p.setColor(QPalette::Dark, QColor(110, 110, 110));
        p.setColor(QPalette::Light, QColor(180, 180, 180));
    }
    l->setPalette(p);
    if (style.cadre) {
        // A sunken edge drawn from the palette's shades, so that a dark red
        // value does not get a dark red box.
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
    }
    return l;
}

QLabel* slot(Controles& c, QWidget* parent, const QString& nom, QRect geometrie, Style style) {
    if (libelle_slot(nom.toStdString()).empty())
        qFatal("Slot inconnu du catalogue : %s", qPrintable(nom));
    QLabel* l = legende(parent, QString(), geometrie, style);
    l->setObjectName(nom);
    c.libelles.insert(nom, LibelleSlot{l, style.couleur});
    // Read by a screen reader as its label, the value joining it once shown.
    l->setAccessibleName(QString::fromStdString(libelle_slot(nom.toStdString())));
    if (c.survol)
        l->installEventFilter(c.survol);
    return l;
}

QWidget* panneau(QWidget* parent, QRect geometrie, QColor couleur) {
    auto* w = new QWidget(parent);
    w->setGeometry(geometrie);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleur);
    w->setPalette(p);
    w->setAutoFillBackground(true);
    return w;
}

QString nom_accessible(ChampId id) {
    static const std::array<const char*, nombre_champs> noms = {"Prénom",
                                                                "Nom",
                                                                "Jour de naissance",
                                                                "Mois de naissance",
                                                                "Année de naissance",
                                                                "Prénom du partenaire",
                                                                "Nom du partenaire",
                                                                "Jour de naissance du partenaire",
                                                                "Mois de naissance du partenaire",
                                                                "Année de naissance du partenaire",
                                                                "Jour de la rencontre",
                                                                "Mois de la rencontre",
                                                                "Année de la rencontre",
                                                                "Année à calculer"};
    return QString::fromUtf8(noms[static_cast<std::size_t>(id)]);
}

QLineEdit* champ(Controles& c, QWidget* parent, ChampId id, QRect geometrie) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom_qt(nom_champ(id)));
    e->setAccessibleName(nom_accessible(id));
    e->setGeometry(geometrie);
    c.champs[static_cast<int>(id)] = e;
    return e;
}

// The four "Interpréter" buttons share their caption; a screen reader tells
// them apart by what they interpret.
QString nom_accessible(BoutonId id) {
    switch (id) {
    case BoutonId::synthese:
        return QStringLiteral("Interpréter la synthèse");
    case BoutonId::details:
        return QStringLiteral("Interpréter les détails");
    case BoutonId::annee:
        return QStringLiteral("Interpréter les cycles");
    case BoutonId::entente:
        return QStringLiteral("Interpréter l'entente");
    default:
        return {};
    }
}

QPushButton* bouton(Controles& c, QWidget* parent, BoutonId id, const QString& texte,
                    QRect geometrie) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom_qt(nom_bouton(id)));
    b->setAccessibleName(nom_accessible(id));
    b->setGeometry(geometrie);
    // Enter on a button that has the focus presses that button, so that a user who
    // tabs to a button acts on it; elsewhere Enter goes to the window.
    b->setAutoDefault(true);
    c.boutons[static_cast<int>(id)] = b;
    return b;
}

QPushButton* bouton_sans_defaut(QWidget* parent, const QString& texte, const char* nom) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAutoDefault(false);
    return b;
}

QString nom_slot(std::string_view tableau, int indice) {
    return QStringLiteral("%1(%2)").arg(nom_qt(tableau)).arg(indice);
}

QString libelle(const QString& nom) {
    const std::string texte = libelle_slot(nom.toStdString());
    if (texte.empty())
        qFatal("Slot inconnu du catalogue : %s", qPrintable(nom));
    return QString::fromStdString(texte);
}

QString legende_de(const QString& nom) {
    return libelle(nom) + QStringLiteral(" :");
}

QString legende_tableau(std::string_view tableau) {
    const SlotCatalogue* entree = entree_catalogue(tableau);
    if (!entree)
        qFatal("Tableau de slots inconnu : %s", std::string(tableau).c_str());
    return nom_qt(entree->titre) + QStringLiteral(" :");
}

void verifier_slots(const Controles& c) {
    EtatFenetre modele;
    const auto du_modele = slots_nommes(std::as_const(modele));
    for (const auto& [nom, s] : du_modele)
        if (!c.libelles.contains(QString::fromStdString(nom)))
            qFatal("Slot sans libellé à l'écran : %s", nom.c_str());
    if (static_cast<std::size_t>(c.libelles.size()) != du_modele.size())
        qFatal("Libellés en trop à l'écran");
}

} // namespace kalder::ui
