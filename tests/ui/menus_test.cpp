// The menu bar as the user meets it: the items in order, each with its
// shortcut, and what choosing it or pressing its shortcut does; the
// switched-off menu and the about box.
#include "banc_fenetre.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace outils;

namespace {

struct Article {
    const char* menu;
    const char* texte;
    const char* raccourci; // "": none
    bool trait_avant;      // a separator just above it
    // The hook the item calls; none for "Quitter", the about box and the
    // switched-off items.
    int FenetreEspion::*crochet;
};

const Article menus_attendus[] = {
    {"&Fichier", "Ouvrir...", "Ctrl+O", false, &FenetreEspion::ouvertures},
    {"&Fichier", "Sauvegarder", "Ctrl+S", false, &FenetreEspion::sauvegardes},
    {"&Fichier", "Fiche client…", "Ctrl+K", false, nullptr},
    {"&Fichier", "Clients…", "", false, nullptr},
    {"&Fichier", "Sauvegarder toutes les données…", "", false, nullptr},
    {"&Fichier", "Restaurer des données…", "", false, nullptr},
    {"&Fichier", "&Imprimer le thème...", "Ctrl+P", true, &FenetreEspion::impressions},
    {"&Fichier", "Exporter le dossier PDF…", "Ctrl+D", false, nullptr},
    {"&Fichier", "Imprimer le dossier…", "", false, nullptr},
    {"&Fichier", "Aperçu du dossier…", "", false, nullptr},
    {"&Fichier", "Quitter", "Ctrl+Q", true, nullptr},
    {"&Interprétation", "Imprimer...", "Ctrl+I", false, nullptr},
    {"&Interprétation", "Exporter...", "Ctrl+E", false, nullptr},
    {"&Outils", "Frise de vie…", "", false, nullptr},
    {"&Outils", "Calendrier…", "", false, nullptr},
    {"&Outils", "Trouver un jour…", "", false, nullptr},
    {"&Outils", "Variantes du nom…", "", false, nullptr},
    {"&?", "A propos de Kalder...", "", false, nullptr},
    {"&?", "&Aide...", "", false, &FenetreEspion::aides},
};

// Every item of the bar as "menu > item", a separator as "menu > —".
QStringList lignes_de_la_barre(QMenuBar* barre) {
    QStringList lignes;
    for (QAction* m : barre->actions())
        for (QAction* a : m->menu()->actions())
            lignes << m->text() + QStringLiteral(" > ") +
                          (a->isSeparator() ? QStringLiteral("—") : a->text());
    return lignes;
}

QAction* article(QMenuBar* barre, const QString& menu, const QString& texte) {
    for (QAction* m : barre->actions())
        if (m->text() == menu)
            for (QAction* a : m->menu()->actions())
                if (a->text() == texte)
                    return a;
    return nullptr;
}

int appels(FenetreEspion& f) {
    return f.ouvertures + f.sauvegardes + f.impressions + f.aides + f.interpretations_montrees;
}

} // namespace

class TestMenus : public BancFenetre {
    Q_OBJECT

  public:
    TestMenus() : BancFenetre(Genre::espion) {}

  private slots:
    void barre_dans_l_ordre() {
        QStringList attendues;
        for (const Article& a : menus_attendus) {
            const QString menu = QString::fromUtf8(a.menu);
            if (a.trait_avant)
                attendues << menu + QStringLiteral(" > —");
            attendues << menu + QStringLiteral(" > ") + QString::fromUtf8(a.texte);
        }
        QCOMPARE(lignes_de_la_barre(fenetre->menuBar()), attendues);
    }

    // Each item's shortcut, then the item chosen from its menu and its
    // shortcut pressed in a field: its hook runs once for each, and nothing else.
    void articles_data() {
        QTest::addColumn<int>("rang");
        for (int i = 0; i < int(std::size(menus_attendus)); ++i)
            QTest::newRow(menus_attendus[i].texte) << i;
    }
    void articles() {
        QFETCH(int, rang);
        const Article& a = menus_attendus[rang];
        QAction* action =
            article(fenetre->menuBar(), QString::fromUtf8(a.menu), QString::fromUtf8(a.texte));
        QVERIFY(action);
        const QKeySequence raccourci(QString::fromUtf8(a.raccourci));
        QCOMPARE(action->shortcut(), raccourci);
        if (!a.crochet)
            return;
        action->trigger();
        QCOMPARE(espion().*a.crochet, 1);
        QTest::keySequence(champ(*fenetre, QStringLiteral("champ_prenom")), raccourci);
        QCOMPARE(espion().*a.crochet, raccourci.isEmpty() ? 1 : 2);
        QCOMPARE(appels(espion()), espion().*a.crochet);
    }

    // Switched off for good: its items and their shortcuts never act.
    void interpretation_jamais_utilisable() {
        auto* menu = trouver<QMenu>(*fenetre, QStringLiteral("m_interprétation"));
        QVERIFY(!menu->menuAction()->isEnabled());
        for (QAction* a : menu->actions())
            QVERIFY(!a->isEnabled());
        calculer_exemple(*fenetre);
        QVERIFY(!menu->menuAction()->isEnabled());
        for (QAction* a : menu->actions())
            QTest::keySequence(champ(*fenetre, QStringLiteral("champ_prenom")), a->shortcut());
        QCOMPARE(appels(espion()), 0);
        QCOMPARE(kalder::ui::nombre_messages_montres(), 0);
    }

    void a_propos() {
        commande(*fenetre, QStringLiteral("m_apropos"));
        const auto m = message_montre();
        QVERIFY(kalder::ui::dernier_message().has_value());
        QCOMPARE(m.titre, QStringLiteral("A Propos"));
        QCOMPARE(m.texte, QStringLiteral("Kalder Version 3.1"));
        QCOMPARE(m.icone, QMessageBox::Information);
    }
};

QTEST_MAIN(TestMenus)
#include "menus_test.moc"
