#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/fichiers.hpp"
#include "systeme/fichiers_systeme.hpp"

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::optional<Echec> refus_type(fs::file_type type, const fs::path& chemin, Operation operation) {
    switch (type) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
        return std::nullopt;
    case fs::file_type::directory:
        return Echec{operation, chemin, std::make_error_code(std::errc::is_a_directory)};
    default:
        return Echec{operation, chemin, ErreurRepertoire::pas_un_fichier_ordinaire};
    }
}

fs::file_type type_de(systeme::Genre genre) {
    switch (genre) {
    case systeme::Genre::ordinaire:
        return fs::file_type::regular;
    case systeme::Genre::dossier:
        return fs::file_type::directory;
    default:
        return fs::file_type::unknown;
    }
}

// Reads `taille` bytes, then whatever the file gained meanwhile, up to `limite`.
std::optional<Echec> lire_poignee(systeme::Poignee p, const fs::path& chemin, std::string& octets,
                                  std::size_t taille, std::uintmax_t limite) {
    octets.resize(taille);
    std::size_t lus = 0;
    char tampon[4096];
    for (;;) {
        // Past the expected size, small reads: the file rarely grows.
        const bool au_dela = lus == octets.size();
        char* cible = au_dela ? tampon : octets.data() + lus;
        const std::size_t place = au_dela ? sizeof tampon : octets.size() - lus;
        std::error_code ec;
        const std::ptrdiff_t n = systeme::lire(p, cible, place, ec);
        if (n == 0)
            break;
        if (n < 0)
            return Echec{Operation::lire, chemin, ec};
        if (au_dela) {
            if (octets.size() + static_cast<std::size_t>(n) > limite)
                return Echec{Operation::lire, chemin, ErreurRepertoire::trop_grand};
            octets.append(tampon, static_cast<std::size_t>(n));
        }
        lus += static_cast<std::size_t>(n);
    }
    octets.resize(lus);
    return std::nullopt;
}

} // namespace

std::optional<Echec> verifier_ordinaire(const fs::path& chemin, Operation operation) {
    std::error_code ec;
    const fs::file_status statut = fs::status(chemin, ec);
    if (ec && statut.type() != fs::file_type::not_found)
        return Echec{operation, chemin, ec};
    return refus_type(statut.type(), chemin, operation);
}

std::optional<Echec> lire_fichier(const fs::path& chemin, std::string& octets,
                                  std::uintmax_t limite) {
    octets.clear();
    // Looked at before opening: a device is not even opened.
    std::error_code ec;
    const fs::file_status statut = fs::status(chemin, ec);
    if (statut.type() == fs::file_type::not_found)
        return Echec{Operation::lire, chemin,
                     std::make_error_code(std::errc::no_such_file_or_directory)};
    if (ec)
        return Echec{Operation::lire, chemin, ec};
    if (auto refus = refus_type(statut.type(), chemin, Operation::lire))
        return refus;
    // The opening does not wait on a named pipe put in place since the look above.
    const systeme::Poignee p = systeme::ouvrir_lecture(chemin, ec);
    if (p == systeme::sans_poignee)
        return Echec{Operation::lire, chemin, ec};
    systeme::EtatFichier etat;
    std::optional<Echec> echec;
    try {
        if ((ec = systeme::etat_ouvert(p, etat)))
            echec = Echec{Operation::lire, chemin, ec};
        else if (auto refus = refus_type(type_de(etat.genre), chemin, Operation::lire))
            echec = refus;
        else if (etat.taille > limite)
            echec = Echec{Operation::lire, chemin, ErreurRepertoire::trop_grand};
        else
            echec = lire_poignee(p, chemin, octets, static_cast<std::size_t>(etat.taille), limite);
    } catch (...) {
        systeme::fermer(p);
        throw;
    }
    systeme::fermer(p);
    if (echec)
        octets.clear();
    return echec;
}

} // namespace kalder
