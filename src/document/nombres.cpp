#include "document/parties.hpp"

#include "document/html.hpp"
#include "explication/explications.hpp"
#include "modele/catalogue.hpp"
#include "theme/modes_lettres.hpp"

#include <algorithm>

namespace kalder::document {

namespace {

// The window's tabs and the runs each one shows, as the catalogue gives them.
const std::array<Onglet, onglets_catalogue.size()> table_onglets = [] {
    std::array<Onglet, onglets_catalogue.size()> r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = {onglets_catalogue[i].titre, rangees_onglet(i)};
    return r;
}();

// Runs drawn as figures of their own rather than as rows of a label table.
constexpr std::string_view en_figure[] = {"Grille",  "lettre", "deco",    "des",   "dei",
                                          "Toi",     "cym",    "esse",    "apog",  "leco",
                                          "periode", "profec", "semaine", "semdef"};

constexpr std::string_view abreges_mois[nombre_mois] = {"janv.", "févr.", "mars",  "avr.",
                                                        "mai",   "juin",  "juil.", "août",
                                                        "sept.", "oct.",  "nov.",  "déc."};

QString case_valeur(const ThemeCalcule& e, const SlotCatalogue& r, int i) {
    const Slot& s = r.slot(e, i);
    return QStringLiteral("<td align=\"center\">%1</td>")
        .arg(dans_le_dossier(e, r, i) ? valeur_html(s) : QString());
}

const SlotCatalogue& run(std::string_view nom) {
    return *entree_catalogue(nom);
}

bool run_montre(const ThemeCalcule& e, const SlotCatalogue& r) {
    for (int i = r.premier; i <= r.dernier; ++i)
        if (dans_le_dossier(e, r, i))
            return true;
    return false;
}

QString grille_inclusion(const ThemeCalcule& e) {
    const SlotCatalogue& g = run("Grille");
    QString h = titre_html(3, q(g.titre));
    h += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "
        "style=\"border-collapse: collapse; border-color: #9a9aae; margin-bottom: 12px;\">\n");
    for (int ligne = 0; ligne < 3; ++ligne) {
        h += QStringLiteral("<tr>");
        for (int colonne = 0; colonne < 3; ++colonne) {
            const int k = ligne * 3 + colonne + 1;
            h += QStringLiteral("<td width=\"64\" align=\"center\" bgcolor=\"#eef2fa\">"
                                "<span style=\"font-size: 7pt; color: #606070;\">%1</span><br/>"
                                "<span style=\"font-size: 14pt;\">%2</span></td>")
                     .arg(k)
                     .arg(dans_le_dossier(e, g, k) ? valeur_html(g.slot(e, k)) : QString());
        }
        h += QStringLiteral("</tr>\n");
    }
    return h + fin_table;
}

QString mode_expression(const ThemeCalcule& e) {
    const SlotCatalogue& m = run("lettre");
    constexpr int colonnes = mode::dernier - mode::nombre_lignes + 1;
    QString h = titre_html(3, q(m.titre)) + debut_table + QStringLiteral("<tr><td></td>");
    for (int k = 0; k < colonnes; ++k)
        h += case_entete(q(noms_modes[static_cast<std::size_t>(mode::nombre_lignes) +
                                      static_cast<std::size_t>(k)]));
    h += QStringLiteral("<td></td></tr>\n");
    for (int r = 0; r < mode::nombre_lignes; ++r) {
        h += QStringLiteral("<tr>") +
             case_entete(q(noms_modes[static_cast<std::size_t>(r)]), "left");
        for (int k = 0; k < colonnes; ++k)
            h += QStringLiteral("<td align=\"center\">%1</td>")
                     .arg(echappe(lettres_du_mode(r, mode::nombre_lignes + k)));
        h += case_valeur(e, m, r) + QStringLiteral("</tr>\n");
    }
    h += QStringLiteral("<tr><td></td>");
    for (int k = 0; k < colonnes; ++k)
        h += case_valeur(e, m, mode::nombre_lignes + k);
    return h + QStringLiteral("<td></td></tr>\n") + fin_table;
}

// The words of the name, one column each, with their vowels and consonants.
QString mots_du_nom(const ThemeCalcule& e) {
    const SlotCatalogue* lignes[] = {&run("deco"), &run("des"), &run("dei")};
    std::vector<int> mots;
    for (int k = 0; k < nombre_mots; ++k)
        if (dans_le_dossier(e, *lignes[0], k))
            mots.push_back(k);
    if (mots.empty())
        return {};
    QString h = titre_html(3, q(lignes[0]->titre)) + debut_table;
    for (const SlotCatalogue* l : lignes) {
        h += QStringLiteral("<tr>") + case_entete(q(l->titre), "left");
        for (int k : mots)
            h += case_valeur(e, *l, k);
        h += QStringLiteral("</tr>\n");
    }
    return h + fin_table;
}

// The label and value of every other shown slot of the tab.
QString table_libelles(const ThemeCalcule& e, const Onglet& onglet) {
    QString lignes;
    for (std::string_view nom : onglet.noms) {
        if (std::find(std::begin(en_figure), std::end(en_figure), nom) != std::end(en_figure))
            continue;
        const SlotCatalogue& r = run(nom);
        for (int i = r.premier; i <= r.dernier; ++i) {
            if (!dans_le_dossier(e, r, i))
                continue;
            lignes += QStringLiteral("<tr><td width=\"75%\">%1</td>%2</tr>\n")
                          .arg(echappe(libelle_dossier(std::string(r.libelle_de(i)))),
                               case_valeur(e, r, i));
        }
    }
    return lignes.isEmpty() ? QString() : debut_table + lignes + fin_table;
}

QString ligne_mois(const ThemeCalcule& e, const SlotCatalogue& r, const QString& libelle,
                   int premier) {
    QString h = QStringLiteral("<tr>") + case_entete(libelle, "left");
    for (int m = 0; m < nombre_mois; ++m)
        h += case_valeur(e, r, premier + m);
    return h + QStringLiteral("</tr>\n");
}

QString grille_annee(const ThemeCalcule& e) {
    const SlotCatalogue* mensuels[] = {&run("Toi"), &run("cym"), &run("esse"), &run("periode"),
                                       &run("profec")};
    const SlotCatalogue* semaines[] = {&run("semaine"), &run("semdef")};
    bool quelque_chose = false;
    for (const SlotCatalogue* r : mensuels)
        quelque_chose = quelque_chose || run_montre(e, *r);
    if (!quelque_chose)
        return {};
    const QString annee = e.origines.annee_grille > 0
                              ? QStringLiteral("L'année %1").arg(e.origines.annee_grille)
                              : QStringLiteral("L'année");
    QString h =
        titre_html(3, annee) +
        QStringLiteral(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
            "width=\"100%\" style=\"border-collapse: collapse; "
            "border-color: #9a9aae; margin-bottom: 12px; font-size: 8pt;\">\n<tr><td></td>");
    for (std::string_view mois : abreges_mois)
        h += case_entete(q(mois));
    h += QStringLiteral("</tr>\n");
    for (const SlotCatalogue* r : mensuels)
        if (run_montre(e, *r))
            h += ligne_mois(e, *r, q(r->titre), 1);
    for (const SlotCatalogue* r : semaines) {
        if (!run_montre(e, *r))
            continue;
        h += QStringLiteral("<tr><td colspan=\"13\" bgcolor=\"#f3f3f8\"><i>%1</i></td></tr>\n")
                 .arg(echappe(r->titre));
        for (int s = 1; s <= nombre_semaines; ++s)
            h += ligne_mois(e, *r, QStringLiteral("Semaine %1").arg(s), indice_semaine(s, 1));
    }
    h += fin_table;

    const SlotCatalogue* apogees[] = {&run("apog"), &run("leco")};
    if (run_montre(e, *apogees[0])) {
        h += titre_html(3, q(apogees[0]->titre)) + debut_table + QStringLiteral("<tr><td></td>");
        for (int a = 1; a <= nombre_apogees; ++a)
            h += case_entete(QString::number(a));
        h += QStringLiteral("</tr>\n");
        for (const SlotCatalogue* r : apogees) {
            h += QStringLiteral("<tr>") + case_entete(q(r->titre), "left");
            for (int a = 1; a <= nombre_apogees; ++a)
                h += case_valeur(e, *r, a);
            h += QStringLiteral("</tr>\n");
        }
        h += fin_table;
    }
    return h;
}

} // namespace

std::string libelle_dossier(std::string libelle) {
    struct Forme {
        std::string_view fenetre, dossier;
    };
    static constexpr Forme formes[] = {{"Votre Chemin de vie", "Votre chemin de vie"}};
    for (const Forme& f : formes)
        if (libelle == f.fenetre)
            return std::string(f.dossier);
    return libelle;
}

bool dans_le_dossier(const ThemeCalcule& e, const SlotCatalogue& r, int i) {
    if (!r.slot(e, i).montre())
        return false;
    // The "Entente" tab's copies of the person's numbers go with a partner.
    if (r.nom == "ent" && nom_partenaire(e).isEmpty())
        return false;
    switch (r.decideur(i)) {
    case Decideur::nom:
        return true;
    case Decideur::date:
    case Decideur::nom_et_date:
    case Decideur::annee:
    case Decideur::nom_et_annee:
        return e.theme.date_complete();
    case Decideur::partenaire:
        return !nom_partenaire(e).isEmpty();
    }
    return false;
}

bool dans_le_dossier(const ThemeCalcule& e, std::string_view nom_complet) {
    const PlaceSlot place = place_slot(nom_complet);
    return place.entree && dans_le_dossier(e, *place.entree, place.indice);
}

QString raison_omissions(const ThemeCalcule& e) {
    if (e.theme.date_complete())
        return {};
    return QStringLiteral("Sans date de naissance, les cycles, l'année et la frise ne sont pas "
                          "calculés.");
}

QString valeur_html(const Slot& slot) {
    QString valeur = echappe(slot.texte_valeur());
    const QString couleur = couleur_html(slot.couleur);
    if (couleur.isEmpty())
        return valeur;
    return QStringLiteral("<span style=\"color: %1; font-weight: bold;\">%2</span>")
        .arg(couleur, valeur);
}

std::span<const Onglet> onglets() {
    return table_onglets;
}

QString html_nombres(const ThemeCalcule& e) {
    const Onglet& synthese = table_onglets[0];
    const Onglet& details = table_onglets[1];
    const Onglet& cycles = table_onglets[2];
    const Onglet& entente = table_onglets[3];

    // What the colours say, before the first coloured value.
    QString h =
        QStringLiteral("<p class=\"suite\"><i>%1</i></p>\n").arg(legende_couleurs.toHtmlEscaped()) +
        titre_html(2, q(synthese.titre)) + grille_inclusion(e) + mode_expression(e) +
        titre_html(3, QStringLiteral("Nombres")) + table_libelles(e, synthese);
    h += titre_html(2, q(details.titre)) + table_libelles(e, details) + mots_du_nom(e);
    // A tab with nothing to show makes no heading.
    const QString cycles_h = table_libelles(e, cycles) + grille_annee(e);
    if (!cycles_h.isEmpty())
        h += titre_html(2, q(cycles.titre)) + cycles_h;
    const QString entente_h = table_libelles(e, entente);
    if (!nom_partenaire(e).isEmpty() && !entente_h.isEmpty())
        h += titre_html(2, q(entente.titre)) + entente_h;
    return h;
}

} // namespace kalder::document
