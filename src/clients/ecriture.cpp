// The changes to the client file, each in one transaction.
#include "clients/acces.hpp"
#include "noyau/elision.hpp"
#include "repertoire/cle_tri.hpp"
#include "repertoire/cp1252.hpp"

#include <algorithm>

namespace kalder {

namespace {

using sqlite::Requete;

bool utf8_valide(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size()) {
        const auto c = static_cast<unsigned char>(t[i]);
        const std::size_t n = c < 0x80           ? 1
                              : (c >> 5) == 0x6  ? 2
                              : (c >> 4) == 0xE  ? 3
                              : (c >> 3) == 0x1E ? 4
                                                 : 0;
        if (n == 0 || i + n > t.size())
            return false;
        char32_t v = n == 1 ? c : c & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto s = static_cast<unsigned char>(t[i + k]);
            if ((s & 0xC0) != 0x80)
                return false;
            v = (v << 6) | (s & 0x3F);
        }
        constexpr char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (v < minimum[n] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
            return false;
        i += n;
    }
    return true;
}

// The order of "Ouvrir": case and accents ignored first. A text the code
// page cannot hold keeps its UTF-8 bytes in its key. The fields are given
// in the order they sort by.
std::string cle_tri(std::array<const std::string*, champs_par_entree> champs) {
    std::array<std::string, champs_par_entree> octets;
    for (std::size_t c = 0; c < champs_par_entree; ++c)
        octets[c] = utf8_vers_cp1252(*champs[c]).value_or(*champs[c]);
    std::string cle;
    construire_cle_tri(cle, {octets[0], octets[1], octets[2], octets[3], octets[4]});
    return cle;
}

// The sort keys of a record, from its row: by name, by first names, by tags.
void ranger(const sqlite::Connexion& base, std::int64_t id) {
    Requete ligne(base, "SELECT nom, prenoms, jour, mois, annee, liste_tags FROM clients "
                        "WHERE id = ?");
    if (!ligne.lier(1, id).ligne())
        return;
    const std::string nom = ligne.texte(0), prenoms = ligne.texte(1), jour = ligne.texte(2),
                      mois = ligne.texte(3), annee = ligne.texte(4), tags = ligne.texte(5);
    Requete(base, "UPDATE clients SET cle_tri = CAST(?1 AS BLOB), cle_prenoms = CAST(?2 AS BLOB), "
                  "cle_tags = CAST(?3 AS BLOB) WHERE id = ?4")
        .lier(1, cle_tri({&nom, &prenoms, &jour, &mois, &annee}))
        .lier(2, cle_tri({&prenoms, &nom, &jour, &mois, &annee}))
        .lier(3, cle_tri({&tags, &nom, &prenoms, &jour, &mois}))
        .lier(4, id)
        .executer();
}

// The tags of the record joined for the list and the search index.
void indexer(const sqlite::Connexion& base, std::int64_t id) {
    Requete(base, "UPDATE clients SET liste_tags = coalesce((SELECT group_concat(tag, ', ') FROM "
                  "(SELECT tag FROM tags WHERE client = ?1 ORDER BY rang)), '') WHERE id = ?1")
        .lier(1, id)
        .executer();
    Requete(base, "DELETE FROM index_clients WHERE rowid = ?").lier(1, id).executer();
    Requete(base, "INSERT INTO index_clients (rowid, nom, prenoms, tags) SELECT id, nom, prenoms, "
                  "coalesce((SELECT group_concat(tag, ' ') FROM tags WHERE client = ?1), '') "
                  "FROM clients WHERE id = ?1")
        .lier(1, id)
        .executer();
    ranger(base, id);
}

void verifier_personne(const Personne& p) {
    for (const std::string* champ : {&p.nom, &p.prenoms, &p.jour, &p.mois, &p.annee})
        verifier_texte(*champ, "le nom ou de la date");
    if (p.nom.empty() || p.prenoms.empty())
        throw TexteRefuse{"Une fiche client demande le nom et les prénoms de la personne."};
}

std::int64_t inserer_note(const sqlite::Connexion& base, std::int64_t client, std::string_view date,
                          std::string_view texte) {
    verifier_texte(texte, "la note");
    Requete(base, "INSERT INTO notes (client, date, texte) VALUES (?, ?, ?)")
        .lier(1, client)
        .lier(2, date)
        .lier(3, texte)
        .executer();
    return base.dernier_id();
}

void inserer_consultation(const sqlite::Connexion& base, std::int64_t client,
                          const Consultation& c) {
    for (const std::string* champ : {&c.date, &c.fichier, &c.sections, &c.note})
        verifier_texte(*champ, "la consultation");
    Requete(base, "INSERT INTO consultations (client, date, annee_calcul, fichier, sections, note) "
                  "VALUES (?, ?, ?, ?, ?, ?)")
        .lier(1, client)
        .lier(2, c.date)
        .lier(3, std::int64_t{c.annee_calcul})
        .lier(4, c.fichier)
        .lier(5, c.sections)
        .lier(6, c.note)
        .executer();
}

void remplacer_variantes(const sqlite::Connexion& base, std::int64_t client,
                         std::span<const Orthographe> variantes) {
    Requete(base, "DELETE FROM variantes WHERE client = ?").lier(1, client).executer();
    Requete ajout(base, "INSERT INTO variantes (client, rang, prenoms, nom) VALUES (?, ?, ?, ?)");
    std::int64_t rang = 0;
    for (const Orthographe& o : variantes) {
        verifier_texte(o.prenoms, "une orthographe");
        verifier_texte(o.nom, "une orthographe");
        ajout.lier(1, client).lier(2, rang++).lier(3, o.prenoms).lier(4, o.nom).executer();
        ajout.reinitialiser();
    }
}

void inserer_partenaire(Requete& ajout, std::int64_t client, std::int64_t rang,
                        const Partenaire& p) {
    for (const std::string* champ : {&p.prenoms, &p.nom, &p.jour, &p.mois, &p.annee, &p.rencontre})
        verifier_texte(*champ, "un partenaire");
    ajout.lier(1, client).lier(2, rang).lier(3, p.prenoms).lier(4, p.nom).lier(5, p.jour);
    ajout.lier(6, p.mois).lier(7, p.annee).lier(8, p.rencontre).executer();
    ajout.reinitialiser();
}

constexpr const char* sql_cherche_client =
    "SELECT id FROM clients WHERE nom = ? AND prenoms = ? AND jour = ? AND mois = ? AND annee = ?";

constexpr const char* sql_partenaire =
    "INSERT INTO partenaires (client, rang, prenoms, nom, jour, mois, annee, rencontre) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?)";

} // namespace

void completer_cles_tri(const sqlite::Connexion& base) {
    Requete sans(base, "SELECT id FROM clients "
                       "WHERE cle_tri IS NULL OR cle_prenoms IS NULL OR cle_tags IS NULL");
    std::vector<std::int64_t> a_ranger;
    while (sans.ligne())
        a_ranger.push_back(sans.entier(0));
    if (a_ranger.empty())
        return;
    sqlite::Transaction transaction(base);
    for (const std::int64_t id : a_ranger)
        ranger(base, id);
    transaction.valider();
}

void verifier_texte(std::string_view texte, const char* quoi) {
    if (!utf8_valide(texte))
        throw TexteRefuse{"Le texte " + de_article(quoi) +
                          " n'est pas de l'UTF-8 valide\u00a0: il n'a pas été enregistré."};
}

std::int64_t id_client(const sqlite::Connexion& base, const Personne& cle, bool creer) {
    Requete cherche(base, sql_cherche_client);
    cherche.lier(1, cle.nom).lier(2, cle.prenoms).lier(3, cle.jour).lier(4, cle.mois);
    cherche.lier(5, cle.annee);
    if (cherche.ligne())
        return cherche.entier(0);
    if (!creer)
        return 0;
    verifier_personne(cle);
    Requete(base, "INSERT INTO clients (nom, prenoms, jour, mois, annee) VALUES (?, ?, ?, ?, ?)")
        .lier(1, cle.nom)
        .lier(2, cle.prenoms)
        .lier(3, cle.jour)
        .lier(4, cle.mois)
        .lier(5, cle.annee)
        .executer();
    const std::int64_t id = base.dernier_id();
    indexer(base, id);
    return id;
}

Refus BaseClients::enregistrer(const Fiche& fiche) {
    return ecrire([&] { ecrire_fiche(fiche); });
}

void BaseClients::ecrire_fiche(const Fiche& fiche) {
    {
        const std::int64_t id = id_client(base_, identite_client(fiche.personne), true);
        const Contact& c = fiche.contact;
        for (const std::string* champ : {&c.telephone, &c.courriel, &c.adresse})
            verifier_texte(*champ, "la fiche");
        Requete(base_, "UPDATE clients SET telephone = ?, courriel = ?, adresse = ? WHERE id = ?")
            .lier(1, c.telephone)
            .lier(2, c.courriel)
            .lier(3, c.adresse)
            .lier(4, id)
            .executer();
        Requete(base_, "DELETE FROM tags WHERE client = ?").lier(1, id).executer();
        Requete tag(base_, "INSERT INTO tags (client, rang, tag) VALUES (?, ?, ?)");
        std::int64_t rang = 0;
        for (const std::string& t : fiche.tags) {
            verifier_texte(t, "une étiquette");
            tag.lier(1, id).lier(2, rang++).lier(3, t).executer();
            tag.reinitialiser();
        }
        indexer(base_, id);
        for (const Note& n : fiche.notes) {
            if (n.id == 0) {
                if (!n.texte.empty())
                    inserer_note(base_, id, n.date, n.texte);
            } else if (n.texte.empty()) {
                Requete(base_, "DELETE FROM notes WHERE id = ? AND client = ?")
                    .lier(1, n.id)
                    .lier(2, id)
                    .executer();
            } else {
                verifier_texte(n.texte, "la note");
                Requete(base_,
                        "UPDATE notes SET texte = ? WHERE id = ? AND client = ? AND texte <> ?")
                    .lier(1, n.texte)
                    .lier(2, n.id)
                    .lier(3, id)
                    .lier(4, n.texte)
                    .executer();
            }
        }
        for (const Consultation& k : fiche.consultations) {
            if (k.id == 0) {
                inserer_consultation(base_, id, k);
            } else if (k.date.empty()) {
                Requete(base_, "DELETE FROM consultations WHERE id = ? AND client = ?")
                    .lier(1, k.id)
                    .lier(2, id)
                    .executer();
            } else {
                verifier_texte(k.note, "la consultation");
                verifier_texte(k.date, "la consultation");
                Requete(base_,
                        "UPDATE consultations SET date = ?, note = ? WHERE id = ? AND client = ?")
                    .lier(1, k.date)
                    .lier(2, k.note)
                    .lier(3, k.id)
                    .lier(4, id)
                    .executer();
            }
        }
        remplacer_variantes(base_, id, fiche.variantes);
        Requete(base_, "DELETE FROM partenaires WHERE client = ?").lier(1, id).executer();
        Requete ajout(base_, sql_partenaire);
        // Stored oldest first: the highest rank is the last one calculated.
        const auto n = static_cast<std::int64_t>(fiche.partenaires.size());
        for (std::int64_t i = 0; i < n; ++i)
            inserer_partenaire(ajout, id, n - 1 - i,
                               fiche.partenaires[static_cast<std::size_t>(i)]);
    }
}

Refus BaseClients::inscrire(std::span<const Personne> repertoire) {
    if (auto r = refus_ecriture())
        return r;
    // Every command enrols the whole directory, whose persons are nearly
    // always clients already: they are looked for in one reading, with one
    // statement, and the file is written only for those missing.
    auto absents = lire_avec<std::vector<Personne>>([&] {
        std::vector<Personne> r;
        Requete cherche(base_, sql_cherche_client);
        for (const Personne& p : repertoire) {
            Personne cle = identite_client(p);
            if (cle.nom.empty() || cle.prenoms.empty() || !utf8_valide(cle.nom) ||
                !utf8_valide(cle.prenoms) || !utf8_valide(cle.jour) || !utf8_valide(cle.mois) ||
                !utf8_valide(cle.annee))
                continue;
            cherche.lier(1, cle.nom).lier(2, cle.prenoms).lier(3, cle.jour).lier(4, cle.mois);
            cherche.lier(5, cle.annee);
            if (!cherche.ligne())
                r.push_back(std::move(cle));
            cherche.reinitialiser();
        }
        return r;
    });
    if (absents.erreur)
        return absents.erreur;
    if (absents.valeur.empty())
        return std::nullopt;
    return ecrire([&] {
        for (const Personne& cle : absents.valeur)
            id_client(base_, cle, true);
    });
}

Refus BaseClients::ajouter_note(const Personne& personne, std::string_view date,
                                std::string_view texte) {
    return ecrire([&] {
        verifier_texte(texte, "la note");
        inserer_note(base_, id_client(base_, identite_client(personne), true), date, texte);
    });
}

Refus BaseClients::ajouter_consultation(const Personne& personne, const Consultation& c) {
    return ecrire(
        [&] { inserer_consultation(base_, id_client(base_, identite_client(personne), true), c); });
}

Refus BaseClients::retenir_variantes(const Personne& personne,
                                     std::span<const Orthographe> variantes) {
    return ecrire([&] {
        remplacer_variantes(base_, id_client(base_, identite_client(personne), true), variantes);
    });
}

Refus BaseClients::retenir_partenaire(const Personne& personne, const Partenaire& p) {
    return ecrire([&] {
        const std::int64_t id = id_client(base_, identite_client(personne), true);
        Requete(base_, "DELETE FROM partenaires WHERE client = ? AND prenoms = ? AND nom = ? "
                       "AND jour = ? AND mois = ? AND annee = ?")
            .lier(1, id)
            .lier(2, p.prenoms)
            .lier(3, p.nom)
            .lier(4, p.jour)
            .lier(5, p.mois)
            .lier(6, p.annee)
            .executer();
        Requete rang(base_, "SELECT coalesce(max(rang), -1) + 1 FROM partenaires WHERE client = ?");
        rang.lier(1, id).ligne();
        Requete ajout(base_, sql_partenaire);
        inserer_partenaire(ajout, id, rang.entier(0), p);
    });
}

Refus BaseClients::suivre_modification(const Personne& ancienne, const Personne& nouvelle) {
    return ecrire([&] {
        const Personne cle = identite_client(nouvelle);
        const std::int64_t id = id_client(base_, identite_client(ancienne), false);
        if (id == 0 || id_client(base_, cle, false) != 0)
            return;
        verifier_personne(cle);
        Requete(base_, "UPDATE clients SET nom = ?, prenoms = ?, jour = ?, mois = ?, annee = ? "
                       "WHERE id = ?")
            .lier(1, cle.nom)
            .lier(2, cle.prenoms)
            .lier(3, cle.jour)
            .lier(4, cle.mois)
            .lier(5, cle.annee)
            .lier(6, id)
            .executer();
        indexer(base_, id);
    });
}

Refus BaseClients::effacer(const Personne& personne) {
    bool efface = false;
    if (auto r = ecrire([&] {
            const std::int64_t id = id_client(base_, identite_client(personne), false);
            if (id == 0)
                return;
            // The cascade removes the notes (and, by their trigger, their words
            // from the index), the tags, consultations, spellings and partners.
            Requete(base_, "DELETE FROM index_clients WHERE rowid = ?").lier(1, id).executer();
            Requete(base_, "DELETE FROM clients WHERE id = ?").lier(1, id).executer();
            // The search index keeps removed words until its segments are
            // merged: merge them now, so no word of the record stays behind.
            base_.executer("INSERT INTO index_notes (index_notes) VALUES ('optimize');"
                           "INSERT INTO index_clients (index_clients) VALUES ('optimize');");
            efface = true;
        }))
        return r;
    if (!efface || vider_journal(base_, chemin_))
        return std::nullopt;
    return "La fiche a été retirée, mais le journal du fichier des clients en garde une copie tant "
           "qu'un autre programme Kalder le lit\u00a0: elle en sera effacée à la prochaine "
           "ouverture du fichier.";
}

} // namespace kalder
