// Reading the client file: one record, the list, the search.
#include "clients/acces.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <numeric>

#include <cctype>
#include <ctime>

namespace kalder {

namespace {

using sqlite::Requete;

// Each word of the search as an FTS5 phrase in double quotes (a quote in it
// doubled), matched as a word start: whatever is typed is looked for as
// text, never read as query syntax.
std::vector<std::string> phrases(std::string_view recherche) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < recherche.size()) {
        while (i < recherche.size() && (recherche[i] == ' ' || recherche[i] == '\t' ||
                                        recherche[i] == '\n' || recherche[i] == '\r'))
            ++i;
        std::string phrase = "\"";
        bool mot = false;
        for (; i < recherche.size() && recherche[i] != ' ' && recherche[i] != '\t' &&
               recherche[i] != '\n' && recherche[i] != '\r';
             ++i) {
            phrase += recherche[i];
            if (recherche[i] == '"')
                phrase += '"';
            mot = true;
        }
        if (mot)
            r.push_back(phrase + "\"*");
    }
    return r;
}

// A word without any letter or digit is not in the index: it is left out of
// the search, but a search of such words only ("%") finds nobody.
bool a_lettre(std::string_view phrase) {
    for (const char c : phrase)
        if (static_cast<unsigned char>(c) >= 0x80 || std::isalnum(static_cast<unsigned char>(c)))
            return true;
    return false;
}

constexpr const char* colonnes_resume =
    "SELECT c.nom, c.prenoms, c.jour, c.mois, c.annee, c.derniere_consultation, c.liste_tags, "
    "c.nombre_notes FROM clients c";
constexpr std::size_t mots_cherches_maximum = 100;

// The terms of each order, as the indexes of the file hold them (equal
// values by name, then as stored).
constexpr std::array<std::array<const char*, 4>, 6> termes_ordre = {{
    {"c.cle_tri"},
    {"c.cle_prenoms"},
    {"CAST(c.annee AS INTEGER)", "CAST(c.mois AS INTEGER)", "CAST(c.jour AS INTEGER)", "c.cle_tri"},
    {"c.derniere_consultation", "c.cle_tri"},
    {"c.cle_tags"},
    {"c.nombre_notes", "c.cle_tri"},
}};

std::string ordre_resume(OrdreClients ordre) {
    std::string sql = " ORDER BY ";
    const char* const sens = ordre.descendant ? " DESC, " : ", ";
    for (const char* terme : termes_ordre.at(static_cast<std::size_t>(ordre.colonne)))
        if (terme)
            (sql += terme) += sens;
    sql += "c.id";
    if (ordre.descendant)
        sql += " DESC";
    return sql;
}

} // namespace

std::optional<Fiche> lire_fiche(const sqlite::Connexion& base, const Personne& cle) {
    const std::int64_t id = id_client(base, cle, false);
    if (id == 0)
        return std::nullopt;
    Fiche f;
    f.personne = cle;
    Requete c(base, "SELECT telephone, courriel, adresse FROM clients WHERE id = ?");
    c.lier(1, id);
    if (c.ligne())
        f.contact = {c.texte(0), c.texte(1), c.texte(2)};
    Requete n(base, "SELECT id, date, texte FROM notes WHERE client = ? "
                    "ORDER BY date DESC, id DESC");
    for (n.lier(1, id); n.ligne();)
        f.notes.push_back({n.entier(0), n.texte(1), n.texte(2)});
    Requete t(base, "SELECT tag FROM tags WHERE client = ? ORDER BY rang");
    for (t.lier(1, id); t.ligne();)
        f.tags.push_back(t.texte(0));
    Requete k(base, "SELECT id, date, annee_calcul, fichier, sections, note FROM consultations "
                    "WHERE client = ? ORDER BY date DESC, id DESC");
    for (k.lier(1, id); k.ligne();)
        f.consultations.push_back({k.entier(0), k.texte(1), static_cast<int>(k.entier(2)),
                                   k.texte(3), k.texte(4), k.texte(5)});
    Requete v(base, "SELECT prenoms, nom FROM variantes WHERE client = ? ORDER BY rang");
    for (v.lier(1, id); v.ligne();)
        f.variantes.push_back({v.texte(0), v.texte(1)});
    Requete p(base, "SELECT prenoms, nom, jour, mois, annee, rencontre FROM partenaires "
                    "WHERE client = ? ORDER BY rang DESC");
    for (p.lier(1, id); p.ligne();)
        f.partenaires.push_back(
            {p.texte(0), p.texte(1), p.texte(2), p.texte(3), p.texte(4), p.texte(5)});
    return f;
}

Reponse<std::optional<Fiche>> BaseClients::lire(const Personne& personne) const {
    return lire_avec<std::optional<Fiche>>(
        [&]() -> std::optional<Fiche> { return lire_fiche(base_, identite_client(personne)); });
}

Reponse<ListeClients> BaseClients::parcourir(std::string_view recherche, OrdreClients ordre) const {
    Reponse<ListeClients> r;
    if (!base_) {
        r.erreur = raison_;
        return r;
    }
    const auto mots = phrases(recherche);
    // Words without a letter only: nobody.
    if (!mots.empty() && std::none_of(mots.begin(), mots.end(), a_lettre))
        return r;
    // Each word is one more condition, and SQLite's expressions have a depth.
    if (mots.size() > mots_cherches_maximum) {
        r.erreur =
            "La recherche compte trop de mots\u00a0: " + std::to_string(mots_cherches_maximum) +
            " au plus.";
        return r;
    }
    std::string sql = colonnes_resume;
    std::vector<std::string> liees;
    for (const std::string& mot : mots) {
        if (!a_lettre(mot))
            continue;
        liees.push_back(mot);
        const std::string n = std::to_string(liees.size());
        sql += (liees.size() == 1 ? " WHERE " : " AND ");
        sql += "c.id IN (SELECT rowid FROM index_clients WHERE index_clients MATCH ?";
        sql += n;
        sql += " UNION SELECT client FROM notes WHERE id IN (SELECT rowid FROM index_notes "
               "WHERE index_notes MATCH ?";
        sql += n;
        sql += "))";
    }
    sql += ordre_resume(ordre);
    try {
        auto q = std::make_unique<Requete>(base_, sql);
        for (std::size_t i = 0; i < liees.size(); ++i)
            q->lier(static_cast<int>(i + 1), liees[i]);
        r.valeur.requete_ = std::move(q);
    } catch (const sqlite::Erreur& e) {
        r.erreur = prefixe_lecture + sqlite::raison(e) + ".";
    }
    return r;
}

ListeClients::ListeClients() = default;
ListeClients::ListeClients(ListeClients&&) noexcept = default;
ListeClients& ListeClients::operator=(ListeClients&&) noexcept = default;
ListeClients::~ListeClients() = default;

Reponse<std::vector<ResumeClient>> ListeClients::suivants(std::size_t nombre) {
    Reponse<std::vector<ResumeClient>> r;
    try {
        while (requete_ && r.valeur.size() < nombre) {
            Requete& q = *requete_;
            if (!q.ligne()) {
                // The statement done, its snapshot of the file goes with it.
                requete_.reset();
                break;
            }
            r.valeur.push_back({{q.texte(0), q.texte(1), q.texte(2), q.texte(3), q.texte(4)},
                                q.texte(5),
                                q.texte(6),
                                q.entier(7)});
        }
    } catch (const sqlite::Erreur& e) {
        requete_.reset();
        r.erreur = prefixe_lecture + sqlite::raison(e) + ".";
    } catch (const std::bad_alloc&) {
        requete_.reset();
        r.erreur = std::string(prefixe_lecture) + "la mémoire a manqué.";
    }
    return r;
}

Reponse<std::vector<ResumeClient>> BaseClients::lister(std::string_view recherche) const {
    auto liste = parcourir(recherche);
    if (liste.erreur)
        return {{}, liste.erreur};
    return liste.valeur.suivants(std::numeric_limits<std::size_t>::max());
}

std::string maintenant_client() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char texte[32];
    std::strftime(texte, sizeof texte, "%Y-%m-%d %H:%M", &local);
    return texte;
}

std::string date_affichee(std::string_view d) {
    // "AAAA-MM-JJ" then, optionally, " HH:MM".
    if (d.size() < 10 || d[4] != '-' || d[7] != '-')
        return std::string(d);
    std::string r = std::string(d.substr(8, 2)) + "/" + std::string(d.substr(5, 2)) + "/" +
                    std::string(d.substr(0, 4));
    return r + std::string(d.substr(10));
}

} // namespace kalder
