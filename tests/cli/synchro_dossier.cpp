// Put before the C library in kalder-theme: each folder it syncs is written
// to the file named by KALDER_ESSAI_SYNCHRO, and the sync fails as on a
// failing disk when KALDER_ESSAI_SYNCHRO_ECHEC is set. Files sync as usual.
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
