// Put before the C library in kalder-theme, a disk as the tests need it: each
// folder synced is written to the file named by KALDER_ESSAI_SYNCHRO; the
// sync of a folder fails as on a failing disk when KALDER_ESSAI_SYNCHRO_ECHEC
// is set, and making a folder as on a read-only disk when
// KALDER_ESSAI_LECTURE_SEULE is; the disk fills while a file whose path holds
// KALDER_ESSAI_DISQUE_PLEIN is written: the first write stores part of what
// it is given, every later one finds the disk full. Everything else goes to
// the C library.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int fsync(int descripteur) {
    struct stat st {};
    if (fstat(descripteur, &st) == 0 && S_ISDIR(st.st_mode)) {
        if (const char* journal = std::getenv("KALDER_ESSAI_SYNCHRO")) {
            char chemin[4096];
            const std::string lien = "/proc/self/fd/" + std::to_string(descripteur);
            const ssize_t n = readlink(lien.c_str(), chemin, sizeof chemin - 1);
            if (std::FILE* f = n > 0 ? std::fopen(journal, "a") : nullptr) {
                std::fprintf(f, "%.*s\n", static_cast<int>(n), chemin);
                std::fclose(f);
            }
        }
        if (std::getenv("KALDER_ESSAI_SYNCHRO_ECHEC")) {
            errno = EIO;
            return -1;
        }
    }
    using Fsync = int (*)(int);
    static const auto suivant = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    return suivant(descripteur);
}

extern "C" int mkdir(const char* chemin, mode_t droits) {
    if (std::getenv("KALDER_ESSAI_LECTURE_SEULE")) {
        errno = EROFS;
        return -1;
    }
    using Mkdir = int (*)(const char*, mode_t);
    static const auto suivant = reinterpret_cast<Mkdir>(dlsym(RTLD_NEXT, "mkdir"));
    return suivant(chemin, droits);
}

extern "C" ssize_t write(int descripteur, const void* octets, size_t taille) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto suivant = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    static bool plein = false;
    struct stat st {};
    const char* nom = std::getenv("KALDER_ESSAI_DISQUE_PLEIN");
    if (nom && fstat(descripteur, &st) == 0 && S_ISREG(st.st_mode)) {
        char chemin[4096];
        const std::string lien = "/proc/self/fd/" + std::to_string(descripteur);
        const ssize_t n = readlink(lien.c_str(), chemin, sizeof chemin - 1);
        if (n > 0 &&
            std::string(chemin, static_cast<std::size_t>(n)).find(nom) != std::string::npos) {
            if (plein) {
                errno = ENOSPC;
                return -1;
            }
            plein = true;
            return suivant(descripteur, octets, taille > 1 ? taille / 2 : taille);
        }
    }
    return suivant(descripteur, octets, taille);
}
