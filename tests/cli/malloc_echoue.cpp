// Put before the C library, an allocator that runs out: with
// KALDER_ESSAI_MALLOC_ECHEC=n the n-th allocation (malloc, calloc, realloc,
// aligned ones) and every one after it fail as when memory is exhausted. With
// KALDER_ESSAI_MALLOC_COMPTE set, the count of allocations is written on the
// error stream at exit ("allocations-N").
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

extern "C" {
void* __libc_malloc(std::size_t taille);
void* __libc_calloc(std::size_t nombre, std::size_t taille);
void* __libc_realloc(void* bloc, std::size_t taille);
void* __libc_memalign(std::size_t alignement, std::size_t taille);
}

namespace {

std::atomic<unsigned long> allocations{0};

// The rank from which allocations fail; 0 when none does.
unsigned long premier_echec() {
    static const unsigned long rang = [] {
        const char* texte = std::getenv("KALDER_ESSAI_MALLOC_ECHEC");
        return texte ? std::strtoul(texte, nullptr, 10) : 0UL;
    }();
    return rang;
}

// Counts one allocation; true when it must fail.
bool echoue() {
    const unsigned long rang = ++allocations;
    const unsigned long echec = premier_echec();
    if (echec == 0 || rang < echec)
        return false;
    errno = ENOMEM;
    return true;
}

[[gnu::destructor]] void dire_le_compte() {
    if (!std::getenv("KALDER_ESSAI_MALLOC_COMPTE"))
        return;
    char ligne[64];
    const int n = std::snprintf(ligne, sizeof ligne, "allocations-%lu\n", allocations.load());
    if (n > 0)
        static_cast<void>(::write(2, ligne, static_cast<std::size_t>(n)));
}

} // namespace

extern "C" {

void* malloc(std::size_t taille) {
    return echoue() ? nullptr : __libc_malloc(taille);
}

void* calloc(std::size_t nombre, std::size_t taille) {
    return echoue() ? nullptr : __libc_calloc(nombre, taille);
}

void* realloc(void* bloc, std::size_t taille) {
    return echoue() ? nullptr : __libc_realloc(bloc, taille);
}

void* memalign(std::size_t alignement, std::size_t taille) {
    return echoue() ? nullptr : __libc_memalign(alignement, taille);
}

void* aligned_alloc(std::size_t alignement, std::size_t taille) {
    return memalign(alignement, taille);
}

int posix_memalign(void** bloc, std::size_t alignement, std::size_t taille) {
    if (echoue())
        return ENOMEM;
    *bloc = __libc_memalign(alignement, taille);
    return *bloc ? 0 : ENOMEM;
}

} // extern "C"
