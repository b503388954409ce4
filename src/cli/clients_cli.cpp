#include "cli/clients_cli.hpp"

#include "cli/saisie_cli.hpp"

#include <iostream>

#if defined(KALDER_CLIENTS)
#include "clients/base_clients.hpp"
#include "clients/json_clients.hpp"
#include "clients/sauvegarde.hpp"
#include "noyau/date_chiffres.hpp"
#include "noyau/elision.hpp"
#include "repertoire/ajouter_personnes.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichier_choisi.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "systeme/chemins.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#endif

namespace kalder::cli {

#if !defined(KALDER_CLIENTS)

int executer_clients(const Options&, const std::filesystem::path&) {
    std::cerr << "Erreur\u00a0: cette version de kalder-theme n'a pas de fichier des clients.\n";
    return sortie_erreur_saisie;
}

#else

namespace {

int refus(const std::string& texte) {
    std::cerr << "Erreur\u00a0: " << texte << "\n";
    return sortie_erreur_saisie;
}

// What the file holds, as the terminal must show it: a control character
// (escape sequences of a hostile name) becomes "�"; line breaks and tabs stay.
std::string affichable(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        const bool c1 = c == 0xC2 && i + 1 < texte.size() &&
                        static_cast<unsigned char>(texte[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(texte[i + 1]) < 0xA0;
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F || c1) {
            r += "\uFFFD";
            i += c1 ? 1 : 0;
        } else {
            r += static_cast<char>(c);
        }
    }
    return r;
}

// "s" after a count other than 0 or 1.
std::string nombre(std::size_t n, const char* singulier, const char* pluriel) {
    return std::to_string(n) + " " + (n > 1 ? pluriel : singulier);
}

std::string nom_complet(const Personne& p) {
    return p.prenoms + " " + p.nom;
}

std::string date_personne(const std::string& jour, const std::string& mois,
                          const std::string& annee) {
    return date_chiffres(jour, mois, annee);
}

std::string fiche_texte(const Fiche& f) {
    const Personne& p = f.personne;
    std::string t = "Fiche " + de(nom_complet(p));
    if (const auto d = date_personne(p.jour, p.mois, p.annee); !d.empty())
        t += ", date de naissance\u00a0: " + d;
    t += "\n";
    const std::pair<const char*, const std::string*> contact[] = {
        {"Téléphone", &f.contact.telephone},
        {"Courriel", &f.contact.courriel},
        {"Adresse", &f.contact.adresse}};
    for (const auto& [titre, valeur] : contact)
        if (!valeur->empty())
            t += std::string(titre) + "\u00a0: " + *valeur + "\n";
    if (!f.tags.empty()) {
        t += "Étiquettes\u00a0: ";
        for (std::size_t i = 0; i < f.tags.size(); ++i)
            t += (i ? ", " : "") + f.tags[i];
        t += "\n";
    }
    if (!f.notes.empty())
        t += "Notes\u00a0:\n";
    for (const Note& n : f.notes)
        t += "  " + date_affichee(n.date) + "\u00a0: " + n.texte + "\n";
    if (!f.consultations.empty())
        t += "Consultations\u00a0:\n";
    for (const Consultation& k : f.consultations) {
        t += "  " + date_affichee(k.date);
        if (k.annee_calcul)
            t += ", année " + std::to_string(k.annee_calcul);
        if (!k.fichier.empty())
            t += ", dossier «\u00a0" + k.fichier + "\u00a0»";
        if (!k.sections.empty())
            t += " (" + k.sections + ")";
        t += k.note.empty() ? "\n" : "\u00a0: " + k.note + "\n";
    }
    if (!f.variantes.empty())
        t += "Variantes du nom\u00a0:\n";
    for (const Orthographe& o : f.variantes)
        t += "  " + o.prenoms + " " + o.nom + "\n";
    if (!f.partenaires.empty())
        t += "Partenaires\u00a0:\n";
    for (const Partenaire& q : f.partenaires) {
        t += "  " + q.prenoms + " " + q.nom;
        if (const auto d = date_personne(q.jour, q.mois, q.annee); !d.empty())
            t += ", " + d;
        if (!q.rencontre.empty())
            t += ", rencontre le " + q.rencontre;
        t += "\n";
    }
    return t;
}

Personne personne_des_options(const Options& o) {
    return personne_saisie(o.valeur("nom").value_or(""), o.valeur("prenom").value_or(""),
                           o.valeur("jour").value_or(""), o.valeur("mois").value_or(""),
                           o.valeur("annee").value_or(""));
}

int fiche(BaseClients& base, const Options& o) {
    const Personne p = personne_des_options(o);
    const auto lu = base.lire(p);
    if (lu.erreur)
        return refus(*lu.erreur);
    if (!lu.valeur)
        return refus(nom_complet(p) + " n'a pas de fiche client.");
    std::cout << (o.json ? fiche_json(*lu.valeur) + "\n" : affichable(fiche_texte(*lu.valeur)));
    return 0;
}

// A note, a contact or a tag goes only to a person of the directory: a typo
// must not make a client of nobody.
bool enregistree(const std::vector<Personne>& repertoire, const Personne& p) {
    const Personne cle = identite_client(p);
    return std::any_of(repertoire.begin(), repertoire.end(),
                       [&](const Personne& q) { return identite_client(q) == cle; });
}

int note(BaseClients& base, const Options& o, const std::vector<Personne>& repertoire) {
    const Personne p = personne_des_options(o);
    const std::string texte = *o.valeur("note");
    if (texte.find_first_not_of(" \t\r\n") == std::string::npos)
        return refus("la note est vide.");
    if (!enregistree(repertoire, p))
        return refus(nom_complet(p) +
                     " n'est pas dans le répertoire\u00a0: enregistrez d'abord la personne "
                     "(--sauvegarder), avec sa date de naissance s'il y en a une.");
    if (auto r = base.ajouter_note(p, maintenant_client(), texte))
        return refus(*r);
    std::cout << "Note ajoutée à la fiche " << de(nom_complet(p)) << ".\n";
    return 0;
}

int clients(BaseClients& base, const Options& o) {
    const auto liste = base.lister(o.valeur("chercher").value_or(""));
    if (liste.erreur)
        return refus(*liste.erreur);
    if (o.json) {
        auto liste_json = nlohmann::ordered_json::array();
        for (const ResumeClient& c : liste.valeur)
            liste_json.push_back({{"nom", c.personne.nom},
                                  {"prenoms", c.personne.prenoms},
                                  {"jour", c.personne.jour},
                                  {"mois", c.personne.mois},
                                  {"annee", c.personne.annee},
                                  {"derniere_consultation", c.derniere_consultation},
                                  {"tags", c.tags},
                                  {"notes", c.notes}});
        std::cout << liste_json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                  << "\n";
        return 0;
    }
    for (const ResumeClient& c : liste.valeur) {
        const Personne& p = c.personne;
        std::cout << affichable(p.nom + ";" + p.prenoms + ";" + p.jour + ";" + p.mois + ";" +
                                p.annee)
                  << "\n";
    }
    return 0;
}

// The directory and the client file in one backup.
int exporter(BaseClients& base, const std::string& nom, const std::vector<Personne>& repertoire) {
    const auto ecrites = sauvegarder_tout(base, repertoire, chemin_utf8(nom));
    if (ecrites.erreur)
        return refus(*ecrites.erreur);
    std::cout << nombre(ecrites.valeur, "fiche exportée", "fiches exportées") << " dans «\u00a0"
              << nom << "\u00a0».\n";
    return 0;
}

// A field of the spreadsheet file: quoted, its quotes doubled.
std::string champ_csv(std::string_view texte) {
    std::string r = "\"";
    for (const char c : texte)
        r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

// The list of clients for a spreadsheet: UTF-8 with its mark, fields
// separated by ";" and quoted, lines ended by CR LF.
int exporter_csv(BaseClients& base, const std::string& nom) {
    const auto fiches = base.tout_lire();
    if (fiches.erreur)
        return refus(*fiches.erreur);
    std::string csv = "\xEF\xBB\xBF";
    const auto ligne = [&](std::initializer_list<std::string_view> champs) {
        bool premier = true;
        for (const std::string_view c : champs) {
            csv += (premier ? "" : ";") + champ_csv(c);
            premier = false;
        }
        csv += "\r\n";
    };
    ligne({"Nom", "Prénoms", "Date de naissance", "Téléphone", "Courriel", "Adresse", "Tags",
           "Dernière consultation"});
    for (const Fiche& f : fiches.valeur) {
        const Personne& p = f.personne;
        std::string tags;
        for (const std::string& t : f.tags)
            tags += (tags.empty() ? "" : ", ") + t;
        // Newest first: the first one is the last consultation.
        const std::string derniere =
            f.consultations.empty() ? "" : date_affichee(f.consultations.front().date);
        ligne({p.nom, p.prenoms, date_personne(p.jour, p.mois, p.annee), f.contact.telephone,
               f.contact.courriel, f.contact.adresse, tags, derniere});
    }
    const auto chemin = chemin_utf8(nom);
    if (auto echec = ecrire_fichier_choisi(chemin, csv, EnPlace::accepte, Lecteurs::proprietaire))
        return refus("l'exportation «\u00a0" + nom + "\u00a0» n'a pas pu être écrite\u00a0: " +
                     expliquer_echec_fichier_choisi(chemin, *echec) + ".");
    std::cout << nombre(fiches.valeur.size(), "client exporté", "clients exportés")
              << " dans «\u00a0" << nom << "\u00a0».\n";
    return 0;
}

// The persons the directory lacks are added, then the records merged; nothing
// is removed or overwritten.
int importer(BaseClients& base, const std::string& nom, const std::filesystem::path& dossier) {
    const auto issue = restaurer_tout(base, dossier, chemin_utf8(nom));
    const BilanRestauration& b = issue.valeur;
    if (b.personnes_ecartees)
        std::cerr << "Attention\u00a0: "
                  << nombre(b.personnes_ecartees, "personne n'a pas pu être ajoutée",
                            "personnes n'ont pas pu être ajoutées")
                  << " au répertoire, qui ne peut pas garder ses caractères.\n";
    if (issue.erreur)
        return refus(*issue.erreur);
    std::cout << "Importation de «\u00a0" << nom << "\u00a0»\u00a0: " << resume_restauration(b)
              << ".\n";
    return 0;
}

} // namespace

int executer_clients(const Options& o, const std::filesystem::path& dossier) {
    const int commandes = o.fiche + o.clients + o.a("note") + o.a("exporter-clients") +
                          o.a("importer-clients") + o.a("exporter-csv");
    if (commandes > 1)
        return erreur_usage("--fiche, --note, --clients, --exporter-clients, "
                            "--importer-clients et --exporter-csv s'excluent");
    if ((o.fiche || o.a("note")) && (!o.a("prenom") || !o.a("nom")))
        return erreur_usage("--fiche et --note demandent --prenom et --nom");
    if (o.a("chercher") && !o.clients)
        return erreur_usage("--chercher va avec --clients");
    if (!std::filesystem::is_directory(dossier))
        if (auto echec = creer_dossier(dossier))
            return refus("le dossier de données «\u00a0" + utf8_du_chemin(dossier) +
                         "\u00a0» n'a pas pu être créé.");
    BaseClients base(dossier);
    if (base.avis())
        std::cerr << "Attention\u00a0: " << *base.avis() << "\n";
    if (!base.disponible())
        return refus(base.raison());
    const auto repertoire = personnes_du_repertoire(dossier);
    // Every saved person is a client, with an empty record until one is kept
    // (a file that can only be read shows what it holds).
    if (o.fiche || o.clients || o.a("exporter-clients") || o.a("exporter-csv"))
        base.inscrire(repertoire);
    if (o.fiche)
        return fiche(base, o);
    if (o.a("note"))
        return note(base, o, repertoire);
    if (o.clients)
        return clients(base, o);
    if (auto f = o.valeur("exporter-clients"))
        return exporter(base, *f, repertoire);
    if (auto f = o.valeur("exporter-csv"))
        return exporter_csv(base, *f);
    return importer(base, *o.valeur("importer-clients"), dossier);
}

#endif

} // namespace kalder::cli
