#include "cli/clients_cli.hpp"

#include "cli/saisie_cli.hpp"

#include <iostream>

#if defined(KALDER_CLIENTS)
#include "clients/base_clients.hpp"
#include "clients/json_clients.hpp"
#include "noyau/date_chiffres.hpp"
#include "noyau/elision.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/ligne_fenetre.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "systeme/chemins.hpp"
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
    std::cout << (o.json ? fiche_json(*lu.valeur) + "\n" : fiche_texte(*lu.valeur));
    return 0;
}

int note(BaseClients& base, const Options& o) {
    const Personne p = personne_des_options(o);
    const std::string texte = *o.valeur("note");
    if (texte.empty())
        return refus("la note est vide.");
    if (auto r = base.ajouter_note(p, maintenant_client(), texte))
        return refus(*r);
    std::cout << "Note ajoutée à la fiche " << de(nom_complet(p)) << ".\n";
    return 0;
}

int clients(BaseClients& base, const Options& o) {
    const auto liste = base.lister(o.valeur("chercher").value_or(""));
    if (liste.erreur)
        return refus(*liste.erreur);
    for (const ResumeClient& c : liste.valeur) {
        const Personne& p = c.personne;
        std::cout << p.nom << ";" << p.prenoms << ";" << p.jour << ";" << p.mois << ";" << p.annee
                  << "\n";
    }
    return 0;
}

int exporter(BaseClients& base, const std::string& nom) {
    const auto fiches = base.tout_lire();
    if (fiches.erreur)
        return refus(*fiches.erreur);
    const auto chemin = chemin_utf8(nom);
    std::error_code ec;
    const bool nouveau = !std::filesystem::exists(chemin, ec);
    if (auto echec = remplacer_fichier(chemin, export_json(fiches.valeur)))
        return refus("l'exportation «\u00a0" + nom +
                     "\u00a0» n'a pas pu être écrite\u00a0: " + expliquer_echec(*echec) + ".");
    // Notes are private: a new export is for its owner only.
    if (nouveau)
        std::filesystem::permissions(
            chemin, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
            std::filesystem::perm_options::replace, ec);
    std::cout << nombre(fiches.valeur.size(), "fiche exportée", "fiches exportées")
              << " dans «\u00a0" << nom << "\u00a0».\n";
    return 0;
}

int importer(BaseClients& base, const std::string& nom) {
    std::string texte;
    if (auto echec = lire_fichier(chemin_utf8(nom), texte, std::uintmax_t{4} << 30))
        return refus("«\u00a0" + nom +
                     "\u00a0» n'a pas pu être lu\u00a0: " + expliquer_echec(*echec) + ".");
    const auto fiches = lire_export_json(texte);
    if (fiches.erreur)
        return refus("«\u00a0" + nom + "\u00a0» n'a pas été importé\u00a0: " + *fiches.erreur +
                     ".");
    const auto bilan = base.importer(fiches.valeur);
    if (bilan.erreur)
        return refus(*bilan.erreur + " Rien n'a été importé.");
    const BilanImport& b = bilan.valeur;
    std::cout << "Importation de «\u00a0" << nom
              << "\u00a0»\u00a0: " << nombre(b.fiches_creees, "fiche créée", "fiches créées")
              << ", " << nombre(b.fiches_completees, "fiche complétée", "fiches complétées") << ", "
              << nombre(b.notes_ajoutees, "note ajoutée", "notes ajoutées") << ", "
              << nombre(b.consultations_ajoutees, "consultation ajoutée", "consultations ajoutées")
              << ".\n";
    return 0;
}

} // namespace

int executer_clients(const Options& o, const std::filesystem::path& dossier) {
    const int commandes =
        o.fiche + o.clients + o.a("note") + o.a("exporter-clients") + o.a("importer-clients");
    if (commandes > 1)
        return erreur_usage("--fiche, --note, --clients, --exporter-clients et "
                            "--importer-clients s'excluent");
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
    if (o.fiche)
        return fiche(base, o);
    if (o.a("note"))
        return note(base, o);
    if (o.clients)
        return clients(base, o);
    if (auto f = o.valeur("exporter-clients"))
        return exporter(base, *f);
    return importer(base, *o.valeur("importer-clients"));
}

#endif

} // namespace kalder::cli
