#include "clients/suivi_fenetre.hpp"

#include "noyau/nombre_saisi.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/prendre_personne.hpp"
#include "saisie/valider_saisie.hpp"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace kalder {

namespace {

// A date field of the directory as a number; 0 for an empty or odd one.
Nombre en_nombre(std::string_view texte) {
    texte = rogner(texte);
    Nombre n = 0;
    const auto r = std::from_chars(texte.data(), texte.data() + texte.size(), n);
    return r.ec == std::errc() && r.ptr == texte.data() + texte.size() ? n : 0;
}

std::string texte_de(const EtatFenetre& etat, ChampId id) {
    return std::string(rogner(etat.texte(id)));
}

} // namespace

std::optional<Theme> theme_de_la_ligne(const EtatFenetre& etat) {
    Theme t;
    if (valider_noms_vous(etat, t))
        return std::nullopt;
    const DateSaisie date = valider_date(etat, {ChampId::jour, ChampId::mois, ChampId::annee});
    if (date.erreur)
        return std::nullopt;
    t.jour = date.jour;
    t.mois = date.mois;
    t.annee = date.annee;
    return t;
}

std::optional<Personne> entree_du_theme(std::span<const Personne> entrees, const Theme& theme) {
    const std::string nom = preparer_champ(theme.nom);
    const std::string prenoms = preparer_champ(theme.prenom);
    const auto meme = [&](const Personne& p) {
        return p.nom == nom && p.prenoms == prenoms && en_nombre(p.jour) == theme.jour &&
               en_nombre(p.mois) == theme.mois && en_nombre(p.annee) == theme.annee;
    };
    const auto it = std::find_if(entrees.begin(), entrees.end(), meme);
    if (it == entrees.end())
        return std::nullopt;
    return *it;
}

std::vector<Orthographe> en_orthographes(std::span<const NomVariante> noms) {
    std::vector<Orthographe> r;
    r.reserve(noms.size());
    for (const NomVariante& n : noms)
        r.push_back({n.prenom, n.nom});
    return r;
}

std::vector<NomVariante> en_noms_variantes(std::span<const Orthographe> orthographes) {
    std::vector<NomVariante> r;
    r.reserve(orthographes.size());
    for (const Orthographe& o : orthographes)
        r.push_back({o.prenoms, o.nom});
    return r;
}

Partenaire partenaire_de_la_ligne(const EtatFenetre& etat) {
    Partenaire p{
        texte_de(etat, ChampId::prenom_partenaire), texte_de(etat, ChampId::nom_partenaire),
        texte_de(etat, ChampId::jour_partenaire),   texte_de(etat, ChampId::mois_partenaire),
        texte_de(etat, ChampId::annee_partenaire),  {}};
    const std::string jour = texte_de(etat, ChampId::jour_rencontre);
    const std::string mois = texte_de(etat, ChampId::mois_rencontre);
    const std::string annee = texte_de(etat, ChampId::annee_rencontre);
    if (!jour.empty() || !mois.empty() || !annee.empty())
        p.rencontre = jour + "/" + mois + "/" + annee;
    return p;
}

void proposer_partenaire(EtatFenetre& etat, const Partenaire& p) {
    prendre_partenaire(etat, Personne{p.nom, p.prenoms, p.jour, p.mois, p.annee});
    // "JJ/MM/AAAA": three parts, or none.
    std::string_view reste = p.rencontre;
    for (const ChampId id : {ChampId::jour_rencontre, ChampId::mois_rencontre}) {
        const auto barre = reste.find('/');
        etat.saisir(id, std::string(reste.substr(0, barre)));
        reste = barre == std::string_view::npos ? std::string_view{} : reste.substr(barre + 1);
    }
    etat.saisir(ChampId::annee_rencontre, std::string(reste));
}

} // namespace kalder
