#if defined(_WIN32)

#include "systeme/fichiers_systeme.hpp"

#include "systeme/chemins.hpp"

#include <cerrno>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include <windows.h>

namespace kalder::systeme {

namespace fs = std::filesystem;

namespace {

HANDLE h(Poignee poignee) {
    return reinterpret_cast<HANDLE>(poignee);
}

// The system's answer as the errno the messages know, where one fits.
std::error_code erreur_windows(DWORD erreur = GetLastError()) {
    switch (erreur) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    case ERROR_ACCESS_DENIED:
        return std::make_error_code(std::errc::permission_denied);
    case ERROR_WRITE_PROTECT:
        return std::make_error_code(std::errc::read_only_file_system);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return std::make_error_code(std::errc::not_enough_memory);
    default:
        return {static_cast<int>(erreur), std::system_category()};
    }
}

// Windows answers "path not found" where the folder that should hold
// `chemin` is a file: said as elsewhere, "not a directory".
std::error_code erreur_chemin(const fs::path& chemin, DWORD erreur = GetLastError()) {
    const std::error_code ec = erreur_windows(erreur);
    std::error_code ignore;
    const fs::path dossier = chemin.parent_path();
    if (ec == std::errc::no_such_file_or_directory && fs::exists(dossier, ignore) &&
        !fs::is_directory(dossier, ignore))
        return std::make_error_code(std::errc::not_a_directory);
    return ec;
}

Genre genre_de(fs::file_type type) {
    switch (type) {
    case fs::file_type::not_found:
        return Genre::absent;
    case fs::file_type::regular:
        return Genre::ordinaire;
    case fs::file_type::directory:
        return Genre::dossier;
    case fs::file_type::symlink:
        return Genre::lien;
    default:
        return Genre::autre;
    }
}

} // namespace

std::error_code etat_sans_suivre(const fs::path& chemin, EtatFichier& etat) {
    etat = {};
    std::error_code ec;
    const fs::file_status statut = fs::symlink_status(chemin, ec);
    if (statut.type() == fs::file_type::not_found)
        return {};
    if (ec)
        return ec;
    etat.genre = genre_de(statut.type());
    etat.droits = static_cast<unsigned>(statut.permissions() & fs::perms::mask);
    if (etat.genre == Genre::ordinaire)
        etat.taille = fs::file_size(chemin, ec);
    return {};
}

std::error_code etat_ouvert(Poignee poignee, EtatFichier& etat) {
    etat = {};
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(h(poignee), &info))
        return erreur_windows();
    etat.genre = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Genre::dossier
                 : GetFileType(h(poignee)) == FILE_TYPE_DISK        ? Genre::ordinaire
                                                                    : Genre::autre;
    etat.taille = (std::uintmax_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    etat.appareil = info.dwVolumeSerialNumber;
    etat.numero = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    etat.droits = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0555 : 0777;
    return {};
}

Poignee creer_fichier_prive(const fs::path& chemin, std::optional<unsigned>, std::error_code& ec) {
    // Shared for reading only: while open, no other program can delete it.
    // Windows keeps no rights but the read-only mark, which a save never sets.
    HANDLE fichier = CreateFileW(chemin.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) {
        ec = erreur_windows();
        return sans_poignee;
    }
    return reinterpret_cast<Poignee>(fichier);
}

std::error_code ecrire_tout(Poignee poignee, std::string_view octets) {
    while (!octets.empty()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(octets.size(), 1u << 30));
        DWORD ecrits = 0;
        if (!WriteFile(h(poignee), octets.data(), part, &ecrits, nullptr))
            return erreur_windows();
        octets.remove_prefix(ecrits);
    }
    return {};
}

std::error_code synchroniser(Poignee poignee) {
    if (!FlushFileBuffers(h(poignee)))
        return erreur_windows();
    return {};
}

void fermer(Poignee poignee) {
    if (poignee != sans_poignee)
        CloseHandle(h(poignee));
}

void garder_proprietaire(Poignee, const EtatFichier&) {}

std::error_code remplacer(Poignee poignee, const fs::path& source, const fs::path& cible) {
    // Windows renames no open file; a killed save between the two steps
    // leaves a file that the next save removes.
    CloseHandle(h(poignee));
    // A program reading the old file (a window listing it) holds it a moment.
    for (int essai = 0;; ++essai) {
        if (MoveFileExW(source.c_str(), cible.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        const DWORD erreur = GetLastError();
        if (essai == 50 || (erreur != ERROR_SHARING_VIOLATION && erreur != ERROR_ACCESS_DENIED))
            return erreur_windows(erreur);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// MOVEFILE_WRITE_THROUGH already carries the new name to the disk.
std::error_code synchroniser_dossier(const fs::path&) {
    return {};
}

std::error_code creer_dossier_durable(const fs::path& dossier) {
    if (!CreateDirectoryW(dossier.c_str(), nullptr))
        return erreur_chemin(dossier);
    return {};
}

Poignee ouvrir_verrou(const fs::path& chemin, bool creer, std::error_code& ec) {
    // Without FILE_SHARE_DELETE: while any Kalder has it open, nobody deletes
    // or replaces it, which the folder's lock ensures elsewhere.
    HANDLE fichier = CreateFileW(chemin.c_str(), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 creer ? OPEN_ALWAYS : OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) {
        ec = erreur_chemin(chemin);
        return sans_poignee;
    }
    if (GetFileType(fichier) != FILE_TYPE_DISK) {
        CloseHandle(fichier);
        ec = std::make_error_code(std::errc::no_such_device_or_address);
        return sans_poignee;
    }
    return reinterpret_cast<Poignee>(fichier);
}

Poignee ouvrir_dossier_verrou(const fs::path&) {
    return sans_poignee;
}

Verrouillage verrouiller(Poignee poignee, std::error_code& ec) {
    OVERLAPPED zone{};
    if (LockFileEx(h(poignee), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &zone))
        return Verrouillage::tenu;
    const DWORD erreur = GetLastError();
    if (erreur == ERROR_LOCK_VIOLATION || erreur == ERROR_IO_PENDING)
        return Verrouillage::occupe;
    ec = erreur_windows(erreur);
    return Verrouillage::echec;
}

void lacher(Poignee poignee) {
    OVERLAPPED zone{};
    UnlockFileEx(h(poignee), 0, 1, 0, &zone);
    CloseHandle(h(poignee));
}

bool designe(Poignee poignee, const fs::path& chemin) {
    HANDLE nomme =
        CreateFileW(chemin.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (nomme == INVALID_HANDLE_VALUE)
        return false;
    EtatFichier tenu, trouve;
    const bool meme = !etat_ouvert(poignee, tenu) &&
                      !etat_ouvert(reinterpret_cast<Poignee>(nomme), trouve) &&
                      tenu.appareil == trouve.appareil && tenu.numero == trouve.numero;
    CloseHandle(nomme);
    return meme;
}

bool supprimer_si_abandonne(const fs::path& chemin) {
    // A temporary being written is open without sharing its deletion.
    return DeleteFileW(chemin.c_str()) != 0;
}

std::error_code parcourir_dossier(const fs::path& dossier,
                                  const std::function<void(std::string_view)>& pour_chaque) {
    WIN32_FIND_DATAW trouve{};
    const fs::path motif = (dossier.empty() ? fs::path(L".") : dossier) / L"*";
    HANDLE recherche = FindFirstFileW(motif.c_str(), &trouve);
    if (recherche == INVALID_HANDLE_VALUE) {
        const DWORD erreur = GetLastError();
        return erreur == ERROR_FILE_NOT_FOUND ? std::error_code{} : erreur_windows(erreur);
    }
    // Closed whatever happens, an exception of `pour_chaque` included.
    const std::unique_ptr<void, BOOL (*)(HANDLE)> fermeture(recherche, FindClose);
    do {
        pour_chaque(utf8_du_chemin(fs::path(trouve.cFileName)));
    } while (FindNextFileW(recherche, &trouve));
    const DWORD erreur = GetLastError();
    return erreur == ERROR_NO_MORE_FILES ? std::error_code{} : erreur_windows(erreur);
}

// Links on Windows are made by administrators or by the user's own consent.
bool lien_de_confiance(const EtatFichier&) {
    return true;
}

Poignee ouvrir_lecture(const fs::path& chemin, std::error_code& ec) {
    HANDLE fichier = CreateFileW(chemin.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) {
        ec = erreur_windows();
        return sans_poignee;
    }
    return reinterpret_cast<Poignee>(fichier);
}

Poignee ouvrir_ecriture_en_place(const fs::path& chemin, std::error_code& ec) {
    HANDLE fichier = CreateFileW(chemin.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) {
        ec = erreur_windows();
        return sans_poignee;
    }
    return reinterpret_cast<Poignee>(fichier);
}

std::ptrdiff_t lire(Poignee poignee, char* tampon, std::size_t taille, std::error_code& ec) {
    DWORD lus = 0;
    const DWORD part = static_cast<DWORD>(std::min<std::size_t>(taille, 1u << 30));
    if (!ReadFile(h(poignee), tampon, part, &lus, nullptr)) {
        ec = erreur_windows();
        return -1;
    }
    return static_cast<std::ptrdiff_t>(lus);
}

fs::path dossier_executable() {
    std::wstring chemin(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
        if (n == 0)
            return {};
        if (n < chemin.size()) {
            chemin.resize(n);
            return fs::path(chemin).parent_path();
        }
        chemin.resize(chemin.size() * 2);
    }
}

} // namespace kalder::systeme

#endif
