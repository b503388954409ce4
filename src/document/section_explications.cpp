// "Comment les nombres ont été obtenus": every explanation whole, grouped as
// the tabs are. The year's runs (a value a month, a week row a month) are
// compact: what their explanations share written once, then one line per
// month. Lines, not table rows: a paragraph moves whole to the next page,
// where a row of two lines would be cut in two.

#include "document/html.hpp"
#include "document/parties.hpp"
#include "explication/explications.hpp"
#include "noyau/typographie.hpp"

#include <algorithm>

namespace kalder::document {

namespace {

// The runs of the year table, read a month at a time.
constexpr std::string_view runs_mensuels[] = {"Toi",     "cym",    "esse", "periode", "profec",
                                              "semaine", "semdef", "apog", "leco"};

struct Explication {
    std::string nom; // "Toi(3)"
    std::string texte;
};

std::string_view run_de(std::string_view nom) {
    return nom.substr(0, nom.find('('));
}

bool mensuel(std::string_view run) {
    return std::find(std::begin(runs_mensuels), std::end(runs_mensuels), run) !=
           std::end(runs_mensuels);
}

// The start all the texts share, cut after its last ";" or ":" (or ",")
// so that it reads as a whole; empty when they share nothing worth it.
std::string debut_commun(const std::vector<Explication>& groupe) {
    if (groupe.size() < 2)
        return {};
    std::string commun = groupe.front().texte;
    for (const Explication& e : groupe) {
        const auto fin =
            std::mismatch(commun.begin(), commun.end(), e.texte.begin(), e.texte.end());
        commun.erase(fin.first, commun.end());
    }
    std::size_t coupe = 0;
    for (std::string_view separateur :
         {typo::point_virgule, typo::deux_points, std::string_view(", ")}) {
        const auto p = commun.rfind(separateur);
        if (p != std::string::npos)
            coupe = std::max(coupe, p + separateur.size());
    }
    return coupe >= 12 ? commun.substr(0, coupe) : std::string();
}

// A row's caption: the month of a monthly value or week row, else its label.
QString libelle_ligne(const Explication& e) {
    const PlaceSlot place = place_slot(e.nom);
    const std::string_view run = run_de(e.nom);
    if (place.entree && (run == "semaine" || run == "semdef"))
        return q(noms_mois[static_cast<std::size_t>((place.indice - 1) % nombre_mois)]);
    if (place.entree && run != "apog" && run != "leco")
        return q(noms_mois[static_cast<std::size_t>(place.indice - 1)]);
    return echappe(libelle_dossier(libelle_slot(e.nom)));
}

QString liste_compacte(const QString& titre, const std::vector<Explication>& groupe) {
    const std::string commun = debut_commun(groupe);
    // What the lines share, without the comma that joined it to each: the
    // heading itself when it starts with the title ("Cycle mensuel commencé
    // en juillet (…)"), not the title then the same words again.
    QString partage = q(commun).trimmed();
    while (partage.endsWith(QLatin1Char(',')) || partage.endsWith(QLatin1Char(';')))
        partage.chop(1);
    partage = partage.trimmed();
    const bool repete = !partage.isEmpty() && partage.startsWith(titre, Qt::CaseInsensitive);
    QString h = QStringLiteral("<h4>%1</h4>\n").arg((repete ? partage : titre).toHtmlEscaped());
    if (!partage.isEmpty() && !repete)
        h += QStringLiteral("<p class=\"suite\">%1</p>\n").arg(partage.toHtmlEscaped());
    for (const Explication& e : groupe) {
        const QString libelle = libelle_ligne(e);
        h += QStringLiteral("<p class=\"suite\" style=\"margin-left: 18px;\"><b>%1</b>%2</p>\n")
                 .arg(libelle,
                      echappe(apres_libelle(libelle.toStdString(),
                                            std::string_view(e.texte).substr(commun.size()))));
    }
    return h;
}

// The explanations of one monthly run, a table per twelve (one per week row).
QString run_mensuel(const std::vector<Explication>& run) {
    const PlaceSlot premier = place_slot(run.front().nom);
    const QString titre = premier.entree ? q(premier.entree->titre) : QString();
    const bool semaines =
        run_de(run.front().nom) == "semaine" || run_de(run.front().nom) == "semdef";
    if (!semaines)
        return liste_compacte(titre, run);
    QString h;
    for (std::size_t debut = 0; debut < run.size(); debut += nombre_mois) {
        const std::vector<Explication> groupe(
            run.begin() + static_cast<std::ptrdiff_t>(debut),
            run.begin() + static_cast<std::ptrdiff_t>(std::min(run.size(), debut + nombre_mois)));
        const PlaceSlot p = place_slot(groupe.front().nom);
        h += liste_compacte(
            QStringLiteral("%1, semaine %2").arg(titre).arg((p.indice - 1) / nombre_mois + 1),
            groupe);
    }
    return h;
}

} // namespace

QString html_explications(const ThemeCalcule& etat) {
    const auto explications = expliquer_slots(etat);
    QString h;
    for (const Onglet& onglet : onglets()) {
        QString partie;
        std::vector<Explication> run;
        const auto vider_run = [&] {
            if (!run.empty())
                partie += run_mensuel(run);
            run.clear();
        };
        for (const auto& [nom, explication] : explications) {
            const std::string_view r = run_de(nom);
            if (explication.empty() || !dans_le_dossier(etat, nom) ||
                std::find(onglet.noms.begin(), onglet.noms.end(), r) == onglet.noms.end())
                continue;
            if (!run.empty() && run_de(run.front().nom) != r)
                vider_run();
            if (mensuel(r)) {
                run.push_back({nom, explication});
                continue;
            }
            const std::string libelle = libelle_dossier(libelle_slot(nom));
            partie += QStringLiteral("<p class=\"suite\"><b>%1</b>%2</p>\n")
                          .arg(echappe(libelle), echappe(apres_libelle(libelle, explication)));
        }
        vider_run();
        if (!partie.isEmpty())
            h += titre_html(2, q(onglet.titre)) + partie;
    }
    return h;
}

} // namespace kalder::document
