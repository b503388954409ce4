#include "repertoire/fichiers.hpp"

#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/temporaires.hpp"

#include <cerrno>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>

#include <chrono>
#include <thread>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::error_code vider_cache_systeme(std::FILE* flux) {
#if defined(_WIN32)
    if (_commit(_fileno(flux)) != 0)
        return erreur_systeme(errno);
#else
    if (fsync(fileno(flux)) != 0 && errno != EINVAL)
        return erreur_systeme(errno);
#endif
    return {};
}

// So that the new name survives a power cut too; a failure here changes nothing.
void vider_cache_dossier([[maybe_unused]] const fs::path& dossier) {
#if !defined(_WIN32)
    const int d = open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (d >= 0) {
        fsync(d);
        close(d);
    }
#endif
}

// The new file takes the old one's name in one step: a reader sees either.
std::error_code renommer_par_dessus(const fs::path& source, const fs::path& cible) {
#if defined(_WIN32)
    // A program reading the old file (a window listing it) holds it a moment.
    for (int essai = 0;; ++essai) {
        if (MoveFileExW(source.c_str(), cible.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        const DWORD erreur = GetLastError();
        if (essai == 50 || (erreur != ERROR_SHARING_VIOLATION && erreur != ERROR_ACCESS_DENIED))
            return {static_cast<int>(erreur), std::system_category()};
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
#else
    std::error_code ec;
    fs::rename(source, cible, ec);
    return ec;
#endif
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

std::optional<Echec> remplacer_fichier(const fs::path& chemin, std::string_view octets,
                                       std::optional<fs::perms> droits) {
    if (!droits) {
        std::error_code ignore;
        const auto ancien = fs::status(chemin, ignore);
        if (fs::is_regular_file(ancien))
            droits = ancien.permissions();
    }
    FichierTemporaire temporaire;
    if (auto echec = creer_temporaire(chemin, droits, temporaire))
        return echec;

    const fs::path dossier = chemin.parent_path();
    const auto abandonner = [&](Echec echec) {
        std::error_code ignore;
        fs::remove(temporaire.chemin, ignore);
        return echec;
    };
    std::error_code ec = ecrire_sur_disque(temporaire.flux, octets);
#if defined(_WIN32)
    // Windows renames no open file; a killed save between the two steps
    // leaves a file that the next save removes.
    if (std::fclose(temporaire.flux) != 0 && !ec)
        ec = erreur_systeme(errno);
    if (ec)
        return abandonner(Echec{Operation::ecrire, dossier, ec});
    if (ec = renommer_par_dessus(temporaire.chemin, chemin); ec)
        return abandonner(Echec{Operation::remplacer, chemin, ec});
#else
    // Renamed while still open, so still locked: no cleaning can take it meanwhile.
    if (ec) {
        std::fclose(temporaire.flux);
        return abandonner(Echec{Operation::ecrire, dossier, ec});
    }
    if (ec = renommer_par_dessus(temporaire.chemin, chemin); ec) {
        std::fclose(temporaire.flux);
        return abandonner(Echec{Operation::remplacer, chemin, ec});
    }
    std::fclose(temporaire.flux);
#endif
    vider_cache_dossier(dossier);
    return std::nullopt;
}

} // namespace kalder
