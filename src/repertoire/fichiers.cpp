#include "repertoire/fichiers.hpp"

#include "systeme/renommer.hpp"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>

#if defined(_WIN32)
#include <io.h>
#elif __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define KALDER_POSIX 1
#endif

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::error_code erreur_systeme(int numero) {
    return {numero != 0 ? numero : EIO, std::generic_category()};
}

// Windows answers "not found" for a folder that is really a file; the user
// is better told what the path leads to.
std::error_code erreur_creation(const fs::path& dossier, int numero) {
    std::error_code ec;
    if (numero == ENOENT && fs::exists(dossier, ec) && !fs::is_directory(dossier, ec))
        return std::make_error_code(std::errc::not_a_directory);
    return erreur_systeme(numero);
}

std::FILE* ouvrir(const fs::path& chemin, bool ecriture_nouveau) {
#if defined(_WIN32)
    return _wfopen(chemin.c_str(), ecriture_nouveau ? L"wbx" : L"rb");
#else
    return std::fopen(chemin.c_str(), ecriture_nouveau ? "wbx" : "rb");
#endif
}

std::error_code vider_cache_systeme([[maybe_unused]] std::FILE* flux) {
#if defined(_WIN32)
    if (_commit(_fileno(flux)) != 0)
        return erreur_systeme(errno);
#elif defined(KALDER_POSIX)
    if (fsync(fileno(flux)) != 0 && errno != EINVAL)
        return erreur_systeme(errno);
#endif
    return {};
}

// So that the new name survives a power cut too; a failure here changes nothing.
void vider_cache_dossier([[maybe_unused]] const fs::path& dossier) {
#if defined(KALDER_POSIX)
    const int d = open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (d >= 0) {
        fsync(d);
        close(d);
    }
#endif
}

std::string suffixe_aleatoire() {
    // The clock is enough to part two saves: the file is created only if the name is free.
    static std::mt19937 generateur{
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    constexpr char chiffres[] = "0123456789abcdef";
    std::string s(8, '0');
    for (char& c : s)
        c = chiffres[generateur() % 16];
    return s;
}

} // namespace

std::error_code ecrire_sur_disque(std::FILE* flux, std::string_view octets) {
    errno = 0;
    if (!octets.empty() && std::fwrite(octets.data(), 1, octets.size(), flux) != octets.size())
        return erreur_systeme(errno);
    errno = 0;
    if (std::fflush(flux) != 0)
        return erreur_systeme(errno);
    return vider_cache_systeme(flux);
}

std::optional<Echec> lire_fichier(const fs::path& chemin, std::string& octets) {
    std::error_code ec;
    if (fs::is_directory(chemin, ec))
        return Echec{Operation::lire, chemin, std::make_error_code(std::errc::is_a_directory)};
    errno = 0;
    std::FILE* flux = ouvrir(chemin, false);
    if (!flux)
        return Echec{Operation::lire, chemin, erreur_systeme(errno)};
    octets.clear();
    if (const auto taille = fs::file_size(chemin, ec); !ec)
        octets.reserve(static_cast<std::size_t>(taille));
    char tampon[1 << 16];
    std::size_t lus;
    while ((lus = std::fread(tampon, 1, sizeof tampon, flux)) > 0)
        octets.append(tampon, lus);
    const bool erreur = std::ferror(flux) != 0;
    const int numero = errno;
    std::fclose(flux);
    if (erreur)
        return Echec{Operation::lire, chemin, erreur_systeme(numero)};
    return std::nullopt;
}

std::optional<Echec> remplacer_fichier(const fs::path& chemin, std::string_view octets) {
    const fs::path dossier = chemin.parent_path();
    fs::path temporaire;
    std::FILE* flux = nullptr;
    for (int essai = 0; essai < 16 && !flux; ++essai) {
        fs::path nom = ".";
        nom += chemin.filename().native();
        nom += "." + suffixe_aleatoire() + ".tmp";
        temporaire = dossier / nom;
        errno = 0;
        flux = ouvrir(temporaire, true);
        if (!flux && errno != EEXIST)
            return Echec{Operation::creer, dossier, erreur_creation(dossier, errno)};
    }
    if (!flux)
        return Echec{Operation::creer, dossier, std::make_error_code(std::errc::file_exists)};

    std::error_code ec = ecrire_sur_disque(flux, octets);
    if (std::fclose(flux) != 0 && !ec)
        ec = erreur_systeme(errno);
    if (ec) {
        std::error_code ignore;
        fs::remove(temporaire, ignore);
        return Echec{Operation::ecrire, dossier, ec};
    }

    // Keep the rights the old file had (a private directory stays private).
    std::error_code ignore;
    const auto ancien = fs::status(chemin, ignore);
    if (fs::is_regular_file(ancien))
        fs::permissions(temporaire, ancien.permissions(), ignore);

    ec = renommer_en_remplacant(temporaire, chemin);
    if (ec) {
        fs::remove(temporaire, ignore);
        return Echec{Operation::remplacer, chemin, ec};
    }
    vider_cache_dossier(dossier);
    return std::nullopt;
}

} // namespace kalder
