#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/fichiers.hpp"

#include <cerrno>

#if defined(_WIN32)
#include <cstdio>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#if !defined(_WIN32)
fs::file_type type_de(mode_t mode) {
    if (S_ISREG(mode))
        return fs::file_type::regular;
    if (S_ISDIR(mode))
        return fs::file_type::directory;
    return fs::file_type::unknown;
}

// Reads `taille` bytes, then whatever the file gained meanwhile, up to `limite`.
std::optional<Echec> lire_descripteur(int d, const fs::path& chemin, std::string& octets,
                                      std::size_t taille, std::uintmax_t limite) {
    octets.resize(taille);
    std::size_t lus = 0;
    char tampon[4096];
    for (;;) {
        // Past the expected size, small reads: the file rarely grows.
        const bool au_dela = lus == octets.size();
        char* cible = au_dela ? tampon : octets.data() + lus;
        const std::size_t place = au_dela ? sizeof tampon : octets.size() - lus;
        const ssize_t n = read(d, cible, place);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Echec{Operation::lire, chemin, erreur_systeme(errno)};
        }
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
#endif

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
#if defined(_WIN32)
    const std::uintmax_t taille = fs::file_size(chemin, ec);
    if (!ec && taille > limite)
        return Echec{Operation::lire, chemin, ErreurRepertoire::trop_grand};
    errno = 0;
    std::FILE* flux = _wfopen(chemin.c_str(), L"rb");
    if (!flux)
        return Echec{Operation::lire, chemin, erreur_systeme(errno)};
    if (!ec)
        octets.reserve(static_cast<std::size_t>(taille));
    char tampon[1 << 16];
    std::size_t lus;
    while ((lus = std::fread(tampon, 1, sizeof tampon, flux)) > 0) {
        if (octets.size() + lus > limite) {
            std::fclose(flux);
            return Echec{Operation::lire, chemin, ErreurRepertoire::trop_grand};
        }
        octets.append(tampon, lus);
    }
    const bool erreur = std::ferror(flux) != 0;
    const int numero = errno;
    std::fclose(flux);
    if (erreur)
        return Echec{Operation::lire, chemin, erreur_systeme(numero)};
    return std::nullopt;
#else
    // Without O_NONBLOCK, a named pipe put in place since the look above
    // would block the opening until some writer came.
    const int d = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (d < 0)
        return Echec{Operation::lire, chemin, erreur_systeme(errno)};
    struct stat st {};
    std::optional<Echec> echec;
    if (fstat(d, &st) != 0)
        echec = Echec{Operation::lire, chemin, erreur_systeme(errno)};
    else if (auto refus = refus_type(type_de(st.st_mode), chemin, Operation::lire))
        echec = refus;
    else if (static_cast<std::uintmax_t>(st.st_size) > limite)
        echec = Echec{Operation::lire, chemin, ErreurRepertoire::trop_grand};
    else {
        fcntl(d, F_SETFL, fcntl(d, F_GETFL) & ~O_NONBLOCK);
        echec = lire_descripteur(d, chemin, octets, static_cast<std::size_t>(st.st_size), limite);
    }
    close(d);
    if (echec)
        octets.clear();
    return echec;
#endif
}

} // namespace kalder
