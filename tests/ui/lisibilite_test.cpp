// Every caption, value and button text can be read whole: none is cut by
// its own box, and no two texts run into each other.
#include "banc_fenetre.hpp"
#include "modele/etat_fenetre.hpp"

#include "modele/slots.hpp"
#include "repertoire/liste_personnes.hpp"
#include "ui/dialogue_ouvrir.hpp"
#include "ui/fenetre_aide.hpp"
#include "ui/fenetre_interpretation.hpp"

#include <QStyle>

using namespace outils;

namespace {

// Where the label draws its text, in the coordinates of `repere`: the whole
// advance across, the ink of the glyphs from top to bottom (a line's leading
// and descent may fall outside a small box without hiding anything).
QRect rectangle_du_texte(QLabel* l, QWidget* repere) {
    const QFontMetrics fm = l->fontMetrics();
    QRect contenu = l->contentsRect();
    if (l->indent() > 0) {
        if (l->alignment() & Qt::AlignLeft)
            contenu.setLeft(contenu.left() + l->indent());
        if (l->alignment() & Qt::AlignRight)
            contenu.setRight(contenu.right() - l->indent());
    }
    QRect r = fm.boundingRect(contenu, int(l->alignment()), l->text());
    const QRect encre = fm.tightBoundingRect(l->text());
    const int ligne_de_base = r.top() + fm.ascent();
    r.setTop(ligne_de_base + encre.top());
    r.setBottom(ligne_de_base + encre.bottom());
    return QRect(l->mapTo(repere, r.topLeft()), r.size());
}

bool montre(QWidget* w, QWidget* repere) {
    return w->isVisibleTo(repere);
}

// The text of every label that shows one, as laid out on a page.
QStringList defauts_des_libelles(QWidget* page) {
    QStringList defauts;
    struct Texte {
        QLabel* libelle;
        QRect rect;
    };
    QList<Texte> textes;
    for (QLabel* l : page->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || l->wordWrap() || !montre(l, page))
            continue;
        const QRect r = rectangle_du_texte(l, page);
        const QRect boite(l->mapTo(page, l->contentsRect().topLeft()), l->contentsRect().size());
        if (!boite.contains(r))
            defauts << QStringLiteral("« %1 » coupé (%2 × %3 px dans %4 × %5 px)")
                           .arg(l->text())
                           .arg(r.width())
                           .arg(r.height())
                           .arg(boite.width())
                           .arg(boite.height());
        textes.append({l, r});
    }
    for (int i = 0; i < textes.size(); ++i)
        for (int j = i + 1; j < textes.size(); ++j)
            if (textes[i].rect.intersects(textes[j].rect))
                defauts << QStringLiteral("« %1 » touche « %2 »")
                               .arg(textes[i].libelle->text(), textes[j].libelle->text());
    return defauts;
}

// A button's text wants the style's margin and frame on both sides, as the
// button's own size hint counts them (less the hint's minimum width).
QStringList defauts_des_boutons(QWidget* fenetre) {
    QStringList defauts;
    for (QPushButton* b : fenetre->findChildren<QPushButton*>()) {
        QStyle* style = b->style();
        const int largeur = b->fontMetrics().horizontalAdvance(b->text()) +
                            style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        if (largeur > b->width())
            defauts << QStringLiteral("bouton « %1 » coupé (%2 px dans %3 px)")
                           .arg(b->text())
                           .arg(largeur)
                           .arg(b->width());
    }
    return defauts;
}

} // namespace

class TestLisibilite : public BancFenetre {
    Q_OBJECT

  private slots:
    void fenetre_principale() {
        calculer_exemple(*fenetre);
        taper_partenaire(*fenetre, QStringLiteral("Paul"), QStringLiteral("Martin"),
                         QStringLiteral("17"), QStringLiteral("5"), QStringLiteral("1990"));
        taper(*fenetre, QStringLiteral("champ_jour_rencontre"), QStringLiteral("1"));
        taper(*fenetre, QStringLiteral("champ_mois_rencontre"), QStringLiteral("1"));
        taper(*fenetre, QStringLiteral("champ_annee_rencontre"), QStringLiteral("2000"));
        bouton(*fenetre, QStringLiteral("bouton_calculer_entente"))->click();

        QStringList defauts;
        QTabWidget* t = onglets(*fenetre);
        for (int i = 0; i < t->count(); ++i) {
            t->setCurrentIndex(i);
            defauts << defauts_des_libelles(fenetre->centralWidget());
        }
        defauts << defauts_des_boutons(fenetre.get());
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join(QLatin1Char('\n'))));
    }

    // Each slot holding the widest text its calculation can give it.
    void valeurs_les_plus_larges() {
        calculer_exemple(*fenetre);
        kalder::EtatFenetre& e = fenetre->etat();
        const std::pair<const char*, const char*> prefixes[] = {
            {"Grille", "12"},   {"lettre", "12"},         {"defi(", "8"},       {"Toi", "9"},
            {"cym", "9"},       {"esse", "33"},           {"periode", "7"},     {"profec", "12"},
            {"leco", "9"},      {"semdef", "9"},          {"apog(", "99/9"},    {"semaine", "99/9"},
            {"apogee", "99/9"}, {"fin_apogee", "35 ans"}, {"defi_apogee", "9"}, {"cycle", "33/6"},
            {"synth", "33/6"},  {"des", "33/6"},          {"dei", "33/6"},      {"ent", "33/6"},
            {"Nomb", "33/6"}};
        for (auto& [nom, slot] : kalder::slots_nommes(e))
            for (const auto& [prefixe, texte] : prefixes)
                if (nom.rfind(prefixe, 0) == 0) {
                    slot->texte = texte;
                    break;
                }
        for (int i : {5, 7, 13, 14})
            e.Nomb[i].texte = "9";
        e.Nomb[6].texte = "Y";
        e.Nomb[12].texte = "31";
        e.ent[6].texte = "22/4";
        e.tri1.texte = "Pierre angulaire : 9";
        e.tri2.texte = "Nombre clef : 9";
        e.tri3.texte = "Dernière pierre : 9";
        e.vie[0].texte = "Chemin de vie : 33/6";
        e.annee_personnelle.texte = "9";
        e.lettre_passage.texte = "W";
        fenetre->afficher_modele();

        QStringList defauts;
        QTabWidget* t = onglets(*fenetre);
        for (int i = 0; i < t->count(); ++i) {
            t->setCurrentIndex(i);
            defauts << defauts_des_libelles(fenetre->centralWidget());
        }
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join(QLatin1Char('\n'))));
    }

    void dialogue_ouvrir() {
        kalder::ui::DialogueOuvrir dialogue(
            kalder::liste_depuis_octets("\"Dupont\",\"Anne-Marie\",\"15\",\"7\",\"1975\"\r\n"));
        dialogue.show();
        const QStringList defauts = defauts_des_boutons(&dialogue);
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join(QLatin1Char('\n'))));
    }

    void fenetres_aide_et_interpretation() {
        kalder::ui::FenetreAide aide;
        aide.show();
        kalder::ui::FenetreInterpretation interpretation;
        kalder::Interpretation texte;
        texte.existe = true;
        texte.titre = "Entente entre deux personnes";
        texte.texte = "Expression 7 : ...\r\n";
        interpretation.afficher(texte);
        interpretation.show();
        QStringList defauts;
        for (QWidget* w : {static_cast<QWidget*>(&aide), static_cast<QWidget*>(&interpretation)})
            defauts << defauts_des_libelles(w) << defauts_des_boutons(w);
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLisibilite)
#include "lisibilite_test.moc"
