#include "directory/liste_personnes.hpp"

#include "directory/cle_tri.hpp"
#include "directory/dossier_donnees.hpp"
#include "directory/fichiers.hpp"
#include "directory/format_repertoire.hpp"
#include "directory/messages_repertoire.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace kalder {

namespace fs = std::filesystem;

ListePersonnes liste_depuis_octets(std::string_view octets) {
    const std::vector<EntreeBrute> entrees = decouper_repertoire(octets);

    // All keys in one buffer: one allocation instead of one per entry. Their
    // first bytes, copied beside each index as numbers, settle most
    // comparisons without leaving the array being sorted.
    constexpr std::size_t mots = 3;
    struct Rang {
        std::array<std::uint64_t, mots> debut_cle;
        std::uint32_t index;
    };
    std::size_t taille_cles = 0;
    for (const EntreeBrute& e : entrees)
        for (auto champ : e.champs)
            taille_cles += 3 * champ.size() + 2;
    std::string cles;
    cles.reserve(taille_cles);
    std::vector<std::size_t> debuts(entrees.size() + 1);
    std::vector<Rang> ordre(entrees.size());
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        debuts[i] = cles.size();
        construire_cle_tri(cles, entrees[i].champs);
        Rang& r = ordre[i];
        r.index = static_cast<std::uint32_t>(i);
        unsigned char debut[8 * mots] = {};
        std::memcpy(debut, cles.data() + debuts[i],
                    std::min(sizeof debut, cles.size() - debuts[i]));
        for (std::size_t k = 0; k < sizeof debut; ++k)
            r.debut_cle[k / 8] = (r.debut_cle[k / 8] << 8) | debut[k];
    }
    debuts[entrees.size()] = cles.size();
    const auto suite_cle = [&](std::uint32_t i) {
        const std::size_t debut = std::min(debuts[i] + 8 * mots, debuts[i + 1]);
        return std::string_view(cles).substr(debut, debuts[i + 1] - debut);
    };
    // Equal keys keep the order of the file.
    std::sort(ordre.begin(), ordre.end(), [&](const Rang& a, const Rang& b) {
        if (a.debut_cle != b.debut_cle)
            return a.debut_cle < b.debut_cle;
        const int c = suite_cle(a.index).compare(suite_cle(b.index));
        return c != 0 ? c < 0 : a.index < b.index;
    });

    // Converted in the order of the file, where the bytes are read in a row,
    // then moved into the order of the list.
    std::vector<Personne> dans_le_fichier;
    dans_le_fichier.reserve(entrees.size());
    for (const EntreeBrute& e : entrees)
        dans_le_fichier.push_back(personne_utf8(e));
    ListePersonnes liste;
    liste.personnes.reserve(entrees.size());
    liste.lignes.reserve(entrees.size());
    for (const Rang& r : ordre) {
        liste.personnes.push_back(std::move(dans_le_fichier[r.index]));
        liste.lignes.push_back(ligne_liste(liste.personnes.back()));
    }
    return liste;
}

ListePersonnes lire_liste_personnes(const fs::path& dossier) {
    const fs::path fichier = fichier_repertoire(dossier);
    std::error_code ec;
    if (!fs::exists(fichier, ec) && !ec) {
        ListePersonnes liste;
        liste.erreur = message_pas_de_donnees();
        liste.prises_actives = false;
        return liste;
    }
    std::string octets;
    std::optional<Echec> echec;
    if (ec)
        echec = Echec{Operation::lire, fichier, ec};
    else
        echec = lire_fichier(fichier, octets);
    if (echec) {
        ListePersonnes liste;
        liste.erreur = message_echec_lecture(*echec);
        liste.prises_actives = false;
        return liste;
    }
    return liste_depuis_octets(octets);
}

std::string ligne_liste(const Personne& p) {
    std::string ligne;
    ligne.reserve(p.nom.size() + p.prenoms.size() + p.jour.size() + p.mois.size() + p.annee.size() +
                  4);
    ligne += p.nom;
    ligne += ';';
    ligne += p.prenoms;
    ligne += ';';
    ligne += p.jour;
    ligne += ';';
    ligne += p.mois;
    ligne += ';';
    ligne += p.annee;
    return ligne;
}

Personne decouper_ligne(std::string_view ligne) {
    Personne p;
    std::string* textes[] = {&p.nom, &p.prenoms, &p.jour, &p.mois, &p.annee};
    std::size_t k = 0;
    for (char c : ligne) {
        if (c == ';')
            ++k;
        else if (k < std::size(textes))
            textes[k]->push_back(c);
    }
    return p;
}

} // namespace kalder
