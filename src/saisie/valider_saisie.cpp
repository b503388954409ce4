#include "saisie/valider_saisie.hpp"

#include "noyau/nombre_saisi.hpp"

namespace kalder {

namespace {

struct RegleChamp {
    double minimum;
    double maximum;
    const char* message;
};

constexpr RegleChamp regle_jour{1, 31, "Jour incorrect"};
constexpr RegleChamp regle_mois{1, 12, "Mois incorrect"};
constexpr RegleChamp regle_annee{1, static_cast<double>(annee_maximale), "Année incorrecte"};

// The typed value is compared before rounding: 30.6 passes and becomes 31,
// 31.4 is above 31 and is refused.
std::optional<Nombre> lire(const std::string& texte, const RegleChamp& regle) {
    const auto valeur = lire_nombre_saisi(texte);
    if (!valeur || !(*valeur >= regle.minimum) || !(*valeur <= regle.maximum))
        return std::nullopt;
    return arrondir_pair(*valeur);
}

} // namespace

Issue erreur_saisie(std::string texte, ChampId focus) {
    Issue issue;
    issue.message = Message{"Erreur", std::move(texte), Icone::avertissement};
    issue.focus = focus;
    return issue;
}

namespace {

std::optional<Issue> valider_nom(const EtatFenetre& etat, ChampId champ, const char* message,
                                 std::string* stockage) {
    const std::string_view texte = rogner(etat.texte(champ));
    if (texte.empty())
        return erreur_saisie(message, champ);
    if (stockage)
        stockage->assign(texte);
    return std::nullopt;
}

} // namespace

std::optional<std::string> refus_noms(std::string_view prenom, std::string_view nom) {
    if (rogner(prenom).empty())
        return "Le prénom doit être saisi";
    if (rogner(nom).empty())
        return "Le nom doit être saisi";
    return std::nullopt;
}

std::optional<Issue> valider_noms_vous(const EtatFenetre& etat, Theme& cible) {
    if (auto e = valider_nom(etat, ChampId::prenom, "Le prénom doit être saisi", &cible.prenom))
        return e;
    return valider_nom(etat, ChampId::nom, "Le nom doit être saisi", &cible.nom);
}

std::optional<Issue> valider_noms_partenaire(const EtatFenetre& etat) {
    if (auto e =
            valider_nom(etat, ChampId::prenom_partenaire, "Le prénom doit être saisi", nullptr))
        return e;
    return valider_nom(etat, ChampId::nom_partenaire, "Le nom doit être saisi", nullptr);
}

DateSaisie valider_date(const EtatFenetre& etat, ChampsDate champs) {
    DateSaisie date;
    if (rogner(etat.texte(champs.jour)).empty() && rogner(etat.texte(champs.mois)).empty() &&
        rogner(etat.texte(champs.annee)).empty()) {
        date.absente = true;
        return date;
    }
    const std::pair<ChampId, const RegleChamp*> etapes[] = {
        {champs.jour, &regle_jour}, {champs.mois, &regle_mois}, {champs.annee, &regle_annee}};
    Nombre* cibles[] = {&date.jour, &date.mois, &date.annee};
    for (int i = 0; i < 3; ++i) {
        const auto [champ, regle] = etapes[i];
        const auto valeur = lire(etat.texte(champ), *regle);
        if (!valeur) {
            date.erreur = erreur_saisie(regle->message, champ);
            return date;
        }
        *cibles[i] = *valeur;
    }
    return date;
}

} // namespace kalder
