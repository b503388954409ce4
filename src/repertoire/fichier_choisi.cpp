#include "repertoire/fichier_choisi.hpp"

#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/messages_repertoire.hpp"
#include "systeme/fichiers_systeme.hpp"

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::optional<Echec> ecrire_en_place(const fs::path& chemin, std::string_view octets) {
    std::error_code ec;
    const systeme::Poignee p = systeme::ouvrir_ecriture_en_place(chemin, ec);
    if (p == systeme::sans_poignee)
        return Echec{Operation::remplacer, chemin,
                     ec == std::errc::no_such_device_or_address
                         ? std::error_code(ErreurRepertoire::tube_sans_lecteur)
                         : ec};
    systeme::EtatFichier etat;
    ec = systeme::etat_ouvert(p, etat);
    // A regular file put there meanwhile is not written over in place.
    if (!ec && etat.genre == systeme::Genre::ordinaire)
        ec = std::make_error_code(std::errc::device_or_resource_busy);
    if (!ec)
        ec = systeme::ecrire_tout(p, octets);
    systeme::fermer(p);
    if (ec)
        return Echec{Operation::ecrire, chemin, ec};
    return std::nullopt;
}

} // namespace

std::optional<Echec> ecrire_fichier_choisi(const fs::path& chemin, std::string_view octets,
                                           EnPlace en_place, Lecteurs lecteurs) {
    fs::path reel;
    if (auto echec = suivre_liens_surs(chemin, reel))
        return echec;
    systeme::EtatFichier etat;
    if (std::error_code ec = systeme::etat_sans_suivre(reel, etat))
        return Echec{Operation::creer, reel.parent_path(), ec};
    // The temporary file is made with the rights the new one will have.
    systeme::EtatFichier modele = etat;
    if (lecteurs == Lecteurs::proprietaire) {
        modele.droits &= static_cast<unsigned>(fs::perms::owner_read | fs::perms::owner_write);
        if (etat.genre == systeme::Genre::absent)
            modele.droits = static_cast<unsigned>(fs::perms::owner_read | fs::perms::owner_write);
        modele.genre = systeme::Genre::ordinaire;
    }
    switch (etat.genre) {
    case systeme::Genre::absent:
        return lecteurs == Lecteurs::usuels ? remplacer_fichier(reel, octets)
                                            : remplacer_fichier(reel, octets, &modele);
    case systeme::Genre::ordinaire:
        // Replacing it would only be possible because the folder is writable.
        if ((etat.droits & static_cast<unsigned>(fs::perms::owner_write)) == 0)
            return Echec{Operation::remplacer, reel, ErreurRepertoire::lecture_seule};
        return remplacer_fichier(reel, octets, &modele);
    case systeme::Genre::dossier:
        return Echec{Operation::remplacer, reel, std::make_error_code(std::errc::is_a_directory)};
    case systeme::Genre::lien: // still a link after forty: a loop
        return Echec{Operation::lire, chemin,
                     std::make_error_code(std::errc::too_many_symbolic_link_levels)};
    case systeme::Genre::autre:
        break;
    }
    if (en_place == EnPlace::refuse)
        return Echec{Operation::remplacer, reel, ErreurRepertoire::pas_un_fichier_ordinaire};
    return ecrire_en_place(reel, octets);
}

std::string expliquer_echec_fichier_choisi(const fs::path& chemin, const Echec& echec) {
    std::error_code ec;
    const fs::path montre = fs::absolute(chemin, ec);
    const std::string nom = "«\u00a0" + texte_chemin(ec ? chemin : montre) + "\u00a0»";
    if (echec.code == std::errc::no_space_on_device)
        return "le disque qui doit contenir " + nom + " est plein";
    if (echec.code == std::errc::filename_too_long)
        return "le nom du fichier " + nom + " est trop long pour le système de fichiers";
    if (echec.operation == Operation::creer)
        return "le fichier " + nom + " ne peut pas être créé, car " + expliquer_echec(echec);
    return expliquer_echec(echec);
}

} // namespace kalder
