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

struct Ajouts {
    bool change = false;
    std::size_t notes = 0;
    std::size_t consultations = 0;
};

// What `venue` adds to `f`: the empty contact fields filled; the missing
// tags, spellings, partners, notes and consultations added (new ones without
// an id). Nothing of `f` is removed or overwritten.
Ajouts completer(Fiche& f, const Fiche& venue) {
    Ajouts a;
    a.change |= remplir(f.contact.telephone, venue.contact.telephone);
    a.change |= remplir(f.contact.courriel, venue.contact.courriel);
    a.change |= remplir(f.contact.adresse, venue.contact.adresse);
    a.change |= ajouter_absents(f.tags, venue.tags);
    a.change |= ajouter_absents(f.variantes, venue.variantes);
    a.change |= ajouter_absents(f.partenaires, venue.partenaires);
    for (const Note& n : venue.notes)
        // An empty note is none (the file does not keep one).
        if (!n.texte.empty() && std::none_of(f.notes.begin(), f.notes.end(), [&](const Note& e) {
                return e.date == n.date && e.texte == n.texte;
            })) {
            f.notes.push_back({0, n.date, n.texte});
            ++a.notes;
        }
    for (Consultation k : venue.consultations) {
        k.id = 0;
        if (std::none_of(f.consultations.begin(), f.consultations.end(),
                         [&](Consultation e) { return (e.id = 0, e == k); })) {
            f.consultations.push_back(k);
            ++a.consultations;
        }
    }
    a.change |= a.notes > 0 || a.consultations > 0;
    return a;
}

// Notes and consultations come newest first: stored oldest first, those of
// one date keep their order in the next export.
Fiche dans_l_ordre(Fiche f) {
    std::reverse(f.notes.begin(), f.notes.end());
    std::reverse(f.consultations.begin(), f.consultations.end());
    return f;
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
    // Entries of one identity (two exports put together, a name with a blank
    // after it) make one record.
    std::vector<Fiche> venues;
    for (const Fiche& entree : fiches) {
        const Personne cle = identite_client(entree.personne);
        const auto meme = std::find_if(venues.begin(), venues.end(),
                                       [&](const Fiche& v) { return v.personne == cle; });
        if (meme != venues.end()) {
            completer(*meme, entree);
            continue;
        }
        venues.push_back({});
        venues.back().personne = cle;
        completer(venues.back(), entree);
    }
    Reponse<BilanImport> r;
    // Each record is read and merged under the write lock: nothing another
    // program commits meanwhile can be overwritten.
    r.erreur = ecrire([&] {
        r.valeur = {};
        for (const Fiche& venue : venues) {
            auto lu = lire_fiche(base_, venue.personne);
            if (!lu) {
                ++r.valeur.fiches_creees;
                r.valeur.notes_ajoutees += venue.notes.size();
                r.valeur.consultations_ajoutees += venue.consultations.size();
                ecrire_fiche(dans_l_ordre(venue));
                continue;
            }
            const Ajouts ajouts = completer(*lu, venue);
            if (!ajouts.change)
                continue;
            ++r.valeur.fiches_completees;
            r.valeur.notes_ajoutees += ajouts.notes;
            r.valeur.consultations_ajoutees += ajouts.consultations;
            // Only the new notes and consultations are written: the others keep their ids.
            std::erase_if(lu->notes, [](const Note& n) { return n.id != 0; });
            std::erase_if(lu->consultations, [](const Consultation& k) { return k.id != 0; });
            ecrire_fiche(dans_l_ordre(std::move(*lu)));
        }
    });
    if (r.erreur)
        r.valeur = {};
    return r;
}

} // namespace kalder
