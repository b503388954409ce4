#include "repertoire/liste_personnes.hpp"

#include "repertoire/cle_tri.hpp"
#include "repertoire/contenu_repertoire.hpp"
#include "repertoire/cp1252.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/fichiers.hpp"
#include "repertoire/format_repertoire.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "repertoire/temporaires.hpp"
#include "repertoire/verrou.hpp"

#include <new>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace kalder {

namespace fs = std::filesystem;

std::size_t ListePersonnes::fin_entree(std::size_t entree) const {
    const std::size_t suivante = (entree + 1) * champs_ligne;
    return suivante < reperes_.size() ? reperes_[suivante] : taille_texte_;
}

std::string_view ListePersonnes::ligne(std::size_t i) const {
    const std::size_t entree = ordre_.at(i);
    const std::size_t debut = reperes_[entree * champs_ligne];
    return texte().substr(debut, fin_entree(entree) - debut);
}

Personne ListePersonnes::personne(std::size_t i) const {
    const std::size_t entree = ordre_.at(i);
    std::array<std::string, champs_ligne> champs;
    for (std::size_t k = 0; k < champs_ligne; ++k) {
        const std::size_t debut = reperes_[entree * champs_ligne + k];
        // Each field but the last is followed by its ";".
        const std::size_t fin =
            k + 1 < champs_ligne ? reperes_[entree * champs_ligne + k + 1] - 1 : fin_entree(entree);
        champs[k] = texte().substr(debut, fin - debut);
    }
    return Personne{std::move(champs[0]), std::move(champs[1]), std::move(champs[2]),
                    std::move(champs[3]), std::move(champs[4])};
}

std::vector<std::string> ListePersonnes::lignes() const {
    std::vector<std::string> r;
    r.reserve(taille());
    for (std::size_t i = 0; i < taille(); ++i)
        r.emplace_back(ligne(i));
    return r;
}

ListePersonnes liste_depuis_octets(std::string_view octets) {
    // The sort's reading of the file bounds the list's text closely: its
    // fields' bytes and their ";", and two more for each byte past 0x7F, the
    // most the code page takes in UTF-8. The text is made once the sort keys
    // are gone.
    std::size_t octets_champs = 0;
    std::vector<std::uint32_t> ordre = classer_entrees(octets, octets_champs);
    const std::size_t taille_max =
        octets_champs + (champs_par_entree - 1) * ordre.size() + 2 * compter_octets(octets).hauts;
    auto texte = std::make_unique_for_overwrite<char[]>(taille_max);
    std::vector<std::uint32_t> reperes;
    reperes.reserve(ordre.size() * ListePersonnes::champs_ligne);
    char* p = texte.get();
    pour_chaque_entree(octets, [&](const EntreeBrute& e) {
        for (std::size_t k = 0; k < e.champs.size(); ++k) {
            if (k > 0)
                *p++ = ';';
            reperes.push_back(static_cast<std::uint32_t>(p - texte.get()));
            p = ecrire_cp1252_en_utf8(p, e.champs[k]);
        }
    });
    const auto taille = static_cast<std::size_t>(p - texte.get());
    return ListePersonnes(std::move(texte), taille, std::move(reperes), std::move(ordre));
}

namespace {

ListePersonnes liste_en_erreur(Message message) {
    ListePersonnes liste;
    liste.erreur = std::move(message);
    liste.prises_actives = false;
    return liste;
}

ListePersonnes lire_liste(const fs::path& dossier) {
    // Leftovers of killed saves go at an opening too, when no save runs now.
    if (Verrou verrou; verrou.essayer(dossier))
        nettoyer_temporaires(dossier);
    const fs::path fichier = fichier_repertoire(dossier);
    ContenuRepertoire contenu;
    if (auto echec = lire_contenu(fichier, contenu, false))
        return liste_en_erreur(message_echec_lecture(*echec));
    if (!contenu.existe)
        return liste_en_erreur(message_pas_de_donnees());
    std::string().swap(contenu.en_utf8); // freed: assigning an empty text keeps the capacity
    return liste_depuis_octets(contenu.octets);
}

} // namespace

ListePersonnes lire_liste_personnes(const fs::path& dossier) {
    constexpr std::string_view debut = "Les personnes enregistrées n'ont pas pu être lues";
    try {
        return lire_liste(dossier);
    } catch (const std::bad_alloc&) {
        return liste_en_erreur(message_erreur_exception(debut, true, false));
    } catch (...) {
        return liste_en_erreur(message_erreur_exception(debut, false, false));
    }
}

std::vector<Personne> personnes_du_repertoire(const fs::path& dossier) {
    const ListePersonnes liste = lire_liste_personnes(dossier);
    std::vector<Personne> r;
    r.reserve(liste.taille());
    for (std::size_t i = 0; i < liste.taille(); ++i)
        r.push_back(liste.personne(i));
    return r;
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

} // namespace kalder
