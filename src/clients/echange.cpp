// Export and import of the whole client file.
#include "clients/acces.hpp"

#include <algorithm>

namespace kalder {

namespace {

template <typename T> bool ajouter_absents(std::vector<T>& existants, const std::vector<T>& venus) {
    bool ajoute = false;
    for (const T& v : venus)
        if (std::find(existants.begin(), existants.end(), v) == existants.end()) {
            existants.push_back(v);
            ajoute = true;
        }
    return ajoute;
}

bool remplir(std::string& champ, const std::string& venu) {
    if (!champ.empty() || venu.empty())
        return false;
    champ = venu;
    return true;
}

} // namespace

Reponse<std::vector<Fiche>> BaseClients::tout_lire() const {
    Reponse<std::vector<Fiche>> r;
    const auto liste = lister();
    if (liste.erreur) {
        r.erreur = liste.erreur;
        return r;
    }
    for (const ResumeClient& c : liste.valeur) {
        auto f = lire(c.personne);
        if (f.erreur) {
            r.erreur = f.erreur;
            return r;
        }
        if (f.valeur)
            r.valeur.push_back(std::move(*f.valeur));
    }
    return r;
}

Reponse<BilanImport> BaseClients::importer(const std::vector<Fiche>& fiches) {
    Reponse<BilanImport> r;
    // Read before the transaction that writes: an import is a rare, whole act.
    std::vector<Fiche> fusions;
    for (const Fiche& venue : fiches) {
        auto lu = lire(venue.personne);
        if (lu.erreur) {
            r.erreur = lu.erreur;
            return r;
        }
        Fiche f;
        if (!lu.valeur) {
            f = venue;
            for (Note& n : f.notes)
                n.id = 0;
            for (Consultation& k : f.consultations)
                k.id = 0;
            ++r.valeur.fiches_creees;
            r.valeur.notes_ajoutees += f.notes.size();
            r.valeur.consultations_ajoutees += f.consultations.size();
            fusions.push_back(std::move(f));
            continue;
        }
        f = std::move(*lu.valeur);
        bool change = false;
        change |= remplir(f.contact.telephone, venue.contact.telephone);
        change |= remplir(f.contact.courriel, venue.contact.courriel);
        change |= remplir(f.contact.adresse, venue.contact.adresse);
        change |= ajouter_absents(f.tags, venue.tags);
        change |= ajouter_absents(f.variantes, venue.variantes);
        change |= ajouter_absents(f.partenaires, venue.partenaires);
        // Only the new notes and consultations are sent: the others keep their ids.
        std::vector<Note> notes;
        for (const Note& n : venue.notes)
            if (std::none_of(f.notes.begin(), f.notes.end(),
                             [&](const Note& e) { return e.date == n.date && e.texte == n.texte; }))
                notes.push_back({0, n.date, n.texte});
        std::vector<Consultation> consultations;
        for (Consultation k : venue.consultations) {
            k.id = 0;
            if (std::none_of(f.consultations.begin(), f.consultations.end(),
                             [&](Consultation e) { return (e.id = 0, e == k); }))
                consultations.push_back(k);
        }
        r.valeur.notes_ajoutees += notes.size();
        r.valeur.consultations_ajoutees += consultations.size();
        change |= !notes.empty() || !consultations.empty();
        f.notes = std::move(notes);
        f.consultations = std::move(consultations);
        if (change) {
            ++r.valeur.fiches_completees;
            fusions.push_back(std::move(f));
        }
    }
    if (auto refus = ecrire([&] {
            for (const Fiche& f : fusions)
                ecrire_fiche(f);
        })) {
        r.erreur = refus;
        r.valeur = {};
    }
    return r;
}

} // namespace kalder
