#if !defined(_WIN32)

#include "systeme/fichiers_systeme.hpp"

#include <cerrno>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalder::systeme {

namespace fs = std::filesystem;

namespace {

std::error_code erreur(int numero) {
    return {numero != 0 ? numero : EIO, std::generic_category()};
}

Genre genre_de(mode_t mode) {
    if (S_ISREG(mode))
        return Genre::ordinaire;
    if (S_ISDIR(mode))
        return Genre::dossier;
    if (S_ISLNK(mode))
        return Genre::lien;
    return Genre::autre;
}

void remplir(const struct stat& st, EtatFichier& etat) {
    etat.genre = genre_de(st.st_mode);
    etat.taille = static_cast<std::uintmax_t>(st.st_size);
    etat.appareil = static_cast<std::uint64_t>(st.st_dev);
    etat.numero = static_cast<std::uint64_t>(st.st_ino);
    etat.droits = static_cast<unsigned>(st.st_mode & 07777);
    etat.proprietaire = static_cast<long>(st.st_uid);
    etat.groupe = static_cast<long>(st.st_gid);
}

const char* nom(const fs::path& chemin) {
    return chemin.empty() ? "." : chemin.c_str();
}

} // namespace

std::error_code etat_sans_suivre(const fs::path& chemin, EtatFichier& etat) {
    struct stat st {};
    etat = {};
    if (lstat(nom(chemin), &st) != 0)
        return errno == ENOENT ? std::error_code{} : erreur(errno);
    remplir(st, etat);
    return {};
}

std::error_code etat_ouvert(Poignee poignee, EtatFichier& etat) {
    struct stat st {};
    if (fstat(static_cast<int>(poignee), &st) != 0)
        return erreur(errno);
    remplir(st, etat);
    return {};
}

Poignee creer_fichier_prive(const fs::path& chemin, std::optional<unsigned> droits,
                            std::error_code& ec) {
    const int d = open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                       static_cast<mode_t>(droits.value_or(0666)));
    if (d < 0) {
        ec = erreur(errno);
        return sans_poignee;
    }
    // Held until closed: the cleaning of a later save leaves it alone.
    flock(d, LOCK_EX | LOCK_NB);
    struct stat st {};
    // The umask only narrowed them: widening back exposes nothing.
    if (fstat(d, &st) != 0 || (droits && (st.st_mode & 07777) != *droits &&
                               fchmod(d, static_cast<mode_t>(*droits)) != 0)) {
        ec = erreur(errno);
        close(d);
        unlink(chemin.c_str());
        return sans_poignee;
    }
    return d;
}

std::error_code ecrire_tout(Poignee poignee, std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t n = write(static_cast<int>(poignee), octets.data(), octets.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return erreur(errno);
        }
        octets.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

std::error_code synchroniser(Poignee poignee) {
    if (fsync(static_cast<int>(poignee)) != 0 && errno != EINVAL)
        return erreur(errno);
    return {};
}

void fermer(Poignee poignee) {
    if (poignee != sans_poignee)
        close(static_cast<int>(poignee));
}

void garder_proprietaire(Poignee poignee, const EtatFichier& ancien) {
    if (ancien.proprietaire < 0)
        return;
    const int d = static_cast<int>(poignee);
    struct stat st {};
    if (fstat(d, &st) != 0 || (static_cast<long>(st.st_uid) == ancien.proprietaire &&
                               static_cast<long>(st.st_gid) == ancien.groupe))
        return;
    // A change of owner drops the set-id bits: each is given back with the
    // identity it stands for, never to another owner or group.
    mode_t gardes = 01777;
    if (fchown(d, static_cast<uid_t>(ancien.proprietaire), static_cast<gid_t>(ancien.groupe)) == 0)
        gardes = 07777;
    else if (fchown(d, static_cast<uid_t>(-1), static_cast<gid_t>(ancien.groupe)) == 0)
        gardes |= S_ISGID;
    fchmod(d, static_cast<mode_t>(ancien.droits) & gardes);
}

std::error_code remplacer(Poignee poignee, const fs::path& source, const fs::path& cible) {
    // Renamed while still open, so still held: no cleaning can take it meanwhile.
    std::error_code ec;
    if (rename(source.c_str(), cible.c_str()) != 0)
        ec = erreur(errno);
    close(static_cast<int>(poignee));
    return ec;
}

std::error_code synchroniser_dossier(const fs::path& dossier) {
    const int d = open(nom(dossier), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0)
        return erreur(errno);
    std::error_code ec;
    // Some file systems cannot sync a folder at all: nothing is lost there.
    if (fsync(d) != 0 && errno != EINVAL && errno != EROFS)
        ec = erreur(errno);
    close(d);
    return ec;
}

std::error_code creer_dossier_durable(const fs::path& dossier) {
    if (mkdir(dossier.c_str(), 0777) != 0)
        return erreur(errno);
    return synchroniser_dossier(dossier.parent_path());
}

Poignee ouvrir_verrou(const fs::path& chemin, bool creer, std::error_code& ec) {
    // Never a link, and never waiting on a named pipe put in its place.
    const int options = (creer ? O_CREAT : 0) | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;
    int d = open(chemin.c_str(), O_RDWR | options, 0666);
    if (d < 0 && errno == EACCES) // made by another user: reading is enough to lock
        d = open(chemin.c_str(), O_RDONLY | options, 0666);
    if (d < 0) {
        ec = erreur(errno);
        return sans_poignee;
    }
    EtatFichier etat;
    if (etat_ouvert(d, etat) || etat.genre != Genre::ordinaire) {
        close(d);
        ec = std::make_error_code(std::errc::no_such_device_or_address);
        return sans_poignee;
    }
    return d;
}

Poignee ouvrir_dossier_verrou(const fs::path& dossier) {
    const int d = open(nom(dossier), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return d < 0 ? sans_poignee : d;
}

Verrouillage verrouiller(Poignee poignee, std::error_code& ec) {
    const int d = static_cast<int>(poignee);
    for (;;) {
        if (flock(d, LOCK_EX | LOCK_NB) == 0)
            return Verrouillage::tenu;
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK)
            return Verrouillage::occupe;
        // A file system without locks: saving goes on, as it would anyway.
        if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS)
            return Verrouillage::sans_verrou;
        ec = erreur(errno);
        return Verrouillage::echec;
    }
}

void lacher(Poignee poignee) {
    close(static_cast<int>(poignee)); // also frees the lock
}

bool designe(Poignee poignee, const fs::path& chemin) {
    EtatFichier tenu, nomme;
    return !etat_ouvert(poignee, tenu) && !etat_sans_suivre(chemin, nomme) &&
           nomme.genre == Genre::ordinaire && tenu.appareil == nomme.appareil &&
           tenu.numero == nomme.numero;
}

bool supprimer_si_abandonne(const fs::path& chemin) {
    EtatFichier avant;
    if (etat_sans_suivre(chemin, avant) || avant.genre != Genre::ordinaire)
        return false;
    const int d = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (d < 0)
        return false;
    EtatFichier etat;
    bool supprime = false;
    if (!etat_ouvert(d, etat) && etat.genre == Genre::ordinaire && etat.numero == avant.numero &&
        flock(d, LOCK_EX | LOCK_NB) == 0)
        supprime = unlink(chemin.c_str()) == 0;
    close(d);
    return supprime;
}

std::error_code parcourir_dossier(const fs::path& dossier,
                                  const std::function<void(std::string_view)>& pour_chaque) {
    const std::unique_ptr<DIR, int (*)(DIR*)> d(opendir(nom(dossier)), closedir);
    if (!d)
        return erreur(errno);
    for (;;) {
        errno = 0;
        const dirent* entree = readdir(d.get());
        if (!entree)
            return errno != 0 ? erreur(errno) : std::error_code{};
        pour_chaque(entree->d_name);
    }
}

bool lien_de_confiance(const EtatFichier& lien) {
    return lien.proprietaire == 0 || lien.proprietaire == static_cast<long>(geteuid());
}

Poignee ouvrir_lecture(const fs::path& chemin, std::error_code& ec) {
    const int d = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (d < 0) {
        ec = erreur(errno);
        return sans_poignee;
    }
    EtatFichier etat;
    // Reading from a regular file then waits as it should.
    if (!etat_ouvert(d, etat) && etat.genre == Genre::ordinaire)
        fcntl(d, F_SETFL, fcntl(d, F_GETFL) & ~O_NONBLOCK);
    return d;
}

Poignee ouvrir_ecriture_en_place(const fs::path& chemin, std::error_code& ec) {
    const int d = open(chemin.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (d < 0) {
        ec = erreur(errno);
        return sans_poignee;
    }
    // A reader is there: writing then waits on it as any pipe does.
    fcntl(d, F_SETFL, fcntl(d, F_GETFL) & ~O_NONBLOCK);
    return d;
}

std::ptrdiff_t lire(Poignee poignee, char* tampon, std::size_t taille, std::error_code& ec) {
    for (;;) {
        const ssize_t n = read(static_cast<int>(poignee), tampon, taille);
        if (n >= 0)
            return n;
        if (errno != EINTR) {
            ec = erreur(errno);
            return -1;
        }
    }
}

fs::path dossier_executable() {
    std::error_code ec;
    const fs::path programme = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : programme.parent_path();
}

} // namespace kalder::systeme

#endif
