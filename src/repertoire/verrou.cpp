#include "repertoire/verrou.hpp"

#include "repertoire/erreurs_repertoire.hpp"

#include <cerrno>
#include <thread>

#if defined(_WIN32)
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

enum class Essai { tenu, occupe, sans_verrou, echec };

#if defined(_WIN32)

std::error_code derniere_erreur() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

std::intptr_t ouvrir(const fs::path& chemin, bool creer, std::error_code& ec) {
    HANDLE h = CreateFileW(chemin.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           creer ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ec = derniere_erreur();
        return -1;
    }
    return reinterpret_cast<std::intptr_t>(h);
}

Essai verrouiller(std::intptr_t poignee, std::error_code& ec) {
    OVERLAPPED zone{};
    if (LockFileEx(reinterpret_cast<HANDLE>(poignee),
                   LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &zone))
        return Essai::tenu;
    if (GetLastError() == ERROR_LOCK_VIOLATION || GetLastError() == ERROR_IO_PENDING)
        return Essai::occupe;
    ec = derniere_erreur();
    return Essai::echec;
}

void fermer(std::intptr_t poignee) {
    OVERLAPPED zone{};
    UnlockFileEx(reinterpret_cast<HANDLE>(poignee), 0, 1, 0, &zone);
    CloseHandle(reinterpret_cast<HANDLE>(poignee));
}

#else

std::intptr_t ouvrir(const fs::path& chemin, bool creer, std::error_code& ec) {
    // Never a link, and never waiting on a named pipe put in its place.
    const int options = (creer ? O_CREAT : 0) | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;
    int d = open(chemin.c_str(), O_RDWR | options, 0666);
    if (d < 0 && errno == EACCES) // made by another user: reading is enough to lock
        d = open(chemin.c_str(), O_RDONLY | options, 0666);
    if (d < 0) {
        ec = {errno, std::generic_category()};
        return -1;
    }
    struct stat st {};
    if (fstat(d, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(d);
        ec = ErreurRepertoire::pas_un_fichier_ordinaire;
        return -1;
    }
    return d;
}

Essai verrouiller(std::intptr_t poignee, std::error_code& ec) {
    const int d = static_cast<int>(poignee);
    for (;;) {
        if (flock(d, LOCK_EX | LOCK_NB) == 0)
            return Essai::tenu;
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK)
            return Essai::occupe;
        // A file system without locks: saving goes on, as it would anyway.
        if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS)
            return Essai::sans_verrou;
        ec = {errno, std::generic_category()};
        return Essai::echec;
    }
}

void fermer(std::intptr_t poignee) {
    close(static_cast<int>(poignee)); // also frees the lock
}

#endif

} // namespace

std::optional<Echec> Verrou::prendre(const fs::path& dossier, std::chrono::milliseconds attente) {
    lacher();
    const fs::path chemin = dossier / nom_fichier_verrou;
    std::error_code ec;
    const std::intptr_t poignee = ouvrir(chemin, true, ec);
    if (poignee == aucune) {
        // Windows answers "path not found" where the data folder is a file.
        std::error_code ignore;
        if (ec == std::errc::no_such_file_or_directory && fs::exists(dossier, ignore) &&
            !fs::is_directory(dossier, ignore))
            ec = std::make_error_code(std::errc::not_a_directory);
        // A data folder that is missing or not a folder is what the user must hear of.
        if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory ||
            ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
            ec == std::errc::read_only_file_system)
            return Echec{Operation::creer, chemin.parent_path(), ec};
        return Echec{Operation::verrouiller, chemin, ec};
    }
    const auto limite = std::chrono::steady_clock::now() + attente;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        switch (verrouiller(poignee, ec)) {
        case Essai::tenu:
        case Essai::sans_verrou:
            poignee_ = poignee;
            return std::nullopt;
        case Essai::echec:
            fermer(poignee);
            return Echec{Operation::verrouiller, chemin, ec};
        case Essai::occupe:
            break;
        }
        if (std::chrono::steady_clock::now() >= limite) {
            fermer(poignee);
            return Echec{Operation::verrouiller, chemin, ErreurRepertoire::verrou_occupe};
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

bool Verrou::essayer(const fs::path& dossier) {
    lacher();
    std::error_code ec;
    // An opening makes no lock file: a folder that was never saved into stays empty.
    const std::intptr_t poignee = ouvrir(dossier / nom_fichier_verrou, false, ec);
    if (poignee == aucune)
        return false;
    if (verrouiller(poignee, ec) != Essai::tenu) {
        fermer(poignee);
        return false;
    }
    poignee_ = poignee;
    return true;
}

void Verrou::lacher() {
    if (poignee_ != aucune)
        fermer(poignee_);
    poignee_ = aucune;
}

} // namespace kalder
