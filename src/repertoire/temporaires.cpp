#include "repertoire/temporaires.hpp"

#include "repertoire/dossier_donnees.hpp"
#include "repertoire/erreurs_repertoire.hpp"
#include "systeme/chemins.hpp"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::string suffixe_unique() {
    // The clock is enough to part two saves: the file is created only if the name is free.
    static std::mt19937 generateur{
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    constexpr char chiffres[] = "0123456789abcdef";
    std::string s(8, '0');
    for (char& c : s)
        c = chiffres[generateur() % 16];
#if defined(_WIN32)
    return std::to_string(_getpid()) + "-" + s;
#else
    return std::to_string(getpid()) + "-" + s;
#endif
}

bool commence_par(std::string_view nom, std::string_view debut) {
    return nom.substr(0, debut.size()) == debut;
}

// Opens a new file; nullptr with errno set when it cannot be made.
std::FILE* creer_exclusif(const fs::path& chemin, std::optional<fs::perms> droits) {
#if defined(_WIN32)
    // Shared for reading only: while open, no other program can delete it.
    HANDLE h = CreateFileW(chemin.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            errno = EEXIST;
            break;
        case ERROR_ACCESS_DENIED:
            errno = EACCES;
            break;
        case ERROR_WRITE_PROTECT:
            errno = EROFS;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            errno = ENOSPC;
            break;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
            errno = ENOENT;
            break;
        default:
            errno = EIO;
        }
        return nullptr;
    }
    const int d = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (d < 0) {
        CloseHandle(h);
        DeleteFileW(chemin.c_str());
        errno = EIO;
        return nullptr;
    }
    std::FILE* flux = _fdopen(d, "wb");
    if (!flux) {
        _close(d);
        DeleteFileW(chemin.c_str());
        errno = EIO;
        return nullptr;
    }
    if (droits) {
        std::error_code ignore;
        fs::permissions(chemin, *droits, ignore);
    }
    return flux;
#else
    const int d = open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (d < 0)
        return nullptr;
    // Held until closed: the cleaning of a later save leaves it alone.
    flock(d, LOCK_EX | LOCK_NB);
    if (droits && fchmod(d, static_cast<mode_t>(*droits & fs::perms::mask)) != 0) {
        const int numero = errno;
        close(d);
        unlink(chemin.c_str());
        errno = numero;
        return nullptr;
    }
    std::FILE* flux = fdopen(d, "wb");
    if (!flux) {
        const int numero = errno;
        close(d);
        unlink(chemin.c_str());
        errno = numero;
    }
    return flux;
#endif
}

// True when no running program holds the file, which is then gone.
bool supprimer_si_abandonne(const fs::path& chemin) {
#if defined(_WIN32)
    std::error_code ec;
    return fs::remove(chemin, ec) && !ec;
#else
    const int d = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (d < 0)
        return false;
    struct stat st {};
    bool supprime = false;
    if (fstat(d, &st) == 0 && S_ISREG(st.st_mode) && flock(d, LOCK_EX | LOCK_NB) == 0)
        supprime = unlink(chemin.c_str()) == 0;
    close(d);
    return supprime;
#endif
}

} // namespace

std::optional<Echec> creer_temporaire(const fs::path& cible, std::optional<fs::perms> droits,
                                      FichierTemporaire& temporaire) {
    const fs::path dossier = cible.parent_path();
    for (int essai = 0; essai < 16; ++essai) {
        fs::path nom = ".";
        nom += cible.filename().native();
        nom += "." + suffixe_unique() + ".tmp";
        temporaire.chemin = dossier / nom;
        errno = 0;
        temporaire.flux = creer_exclusif(temporaire.chemin, droits);
        if (temporaire.flux)
            return std::nullopt;
        if (errno != EEXIST)
            return Echec{Operation::creer, dossier, erreur_systeme(errno)};
    }
    return Echec{Operation::creer, dossier, std::make_error_code(std::errc::file_exists)};
}

bool est_temporaire_repertoire(std::string_view nom) {
    if (nom.size() < 5 || nom.substr(nom.size() - 4) != ".tmp")
        return false;
    for (std::string_view fichier : {nom_fichier_repertoire, nom_fichier_secours}) {
        if (commence_par(nom, ".") && commence_par(nom.substr(1), fichier) &&
            nom.size() > fichier.size() + 1 && nom[fichier.size() + 1] == '.')
            return true;
    }
    return false;
}

std::size_t nettoyer_temporaires(const fs::path& dossier) {
    std::size_t supprimes = 0;
    std::error_code ec;
    for (auto it = fs::directory_iterator(dossier.empty() ? fs::path(".") : dossier, ec);
         !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string nom = utf8_du_chemin(it->path().filename());
        if (est_temporaire_repertoire(nom) && supprimer_si_abandonne(it->path()))
            ++supprimes;
    }
    return supprimes;
}

} // namespace kalder
