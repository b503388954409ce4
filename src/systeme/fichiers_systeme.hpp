#pragma once
// The few file operations whose calls differ between Windows and the others:
// what the directory needs to replace a file safely, to lock it, and to judge
// a link. Failures come back as errno-like codes wherever one fits, so that
// one sentence builder explains them on every platform.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>

namespace kalder::systeme {

// A descriptor, or on Windows a handle.
using Poignee = std::intptr_t;
inline constexpr Poignee sans_poignee = -1;

enum class Genre { absent, ordinaire, dossier, lien, autre };

// The file an open handle or a path names, and who owns it (no owner on Windows).
struct EtatFichier {
    Genre genre = Genre::absent;
    std::uintmax_t taille = 0;
    std::uint64_t appareil = 0;
    std::uint64_t numero = 0;
    unsigned droits = 0;
    long proprietaire = -1;
    long groupe = -1;
};

// The path itself, a link not followed.
std::error_code etat_sans_suivre(const std::filesystem::path& chemin, EtatFichier& etat);
std::error_code etat_ouvert(Poignee poignee, EtatFichier& etat);

// A file that did not exist yet (file_exists otherwise), never through a
// link, created with `droits` (the umask may only narrow them, and they are
// widened back; the user's default without them), and held by its creator
// until closed.
Poignee creer_fichier_prive(const std::filesystem::path& chemin, std::optional<unsigned> droits,
                            std::error_code& ec);
std::error_code ecrire_tout(Poignee poignee, std::string_view octets);
// Through the system's cache to the disk.
std::error_code synchroniser(Poignee poignee);
void fermer(Poignee poignee);
// Gives the new file the owner and group of the one it replaces where the
// system allows it (as root, or a group the user belongs to); else nothing.
void garder_proprietaire(Poignee poignee, const EtatFichier& ancien);
// Puts the file written through `poignee` at `cible` in one step, and closes it.
std::error_code remplacer(Poignee poignee, const std::filesystem::path& source,
                          const std::filesystem::path& cible);
std::error_code synchroniser_dossier(const std::filesystem::path& dossier);
// A new folder's name reaches the disk through its parent.
std::error_code creer_dossier_durable(const std::filesystem::path& dossier);

// A lock file: never a link, a device or a named pipe, never waited on. On
// Windows it cannot be deleted or replaced while it is open.
Poignee ouvrir_verrou(const std::filesystem::path& chemin, bool creer, std::error_code& ec);
// The folder itself, to be locked as a whole: that lock holds even when its
// lock file is deleted or replaced meanwhile. sans_poignee where it cannot be
// opened, and on Windows, where folders are not locked.
Poignee ouvrir_dossier_verrou(const std::filesystem::path& dossier);
enum class Verrouillage { tenu, occupe, sans_verrou, echec };
Verrouillage verrouiller(Poignee poignee, std::error_code& ec);
void lacher(Poignee poignee);
// True when `chemin` still names the very file `poignee` holds.
bool designe(Poignee poignee, const std::filesystem::path& chemin);

// Removes a temporary file no running program holds; true when it went.
bool supprimer_si_abandonne(const std::filesystem::path& chemin);

// Calls `pour_chaque` with each name of `dossier`; never ends the program
// when memory lacks (std::bad_alloc reaches the caller).
std::error_code parcourir_dossier(const std::filesystem::path& dossier,
                                  const std::function<void(std::string_view)>& pour_chaque);

// A link may be followed when it belongs to the user running the program or
// to the administrator, as the system itself does in shared folders.
bool lien_de_confiance(const EtatFichier& lien);

// Opened for reading (links followed) without waiting on a named pipe; the
// caller checks with etat_ouvert what it is.
Poignee ouvrir_lecture(const std::filesystem::path& chemin, std::error_code& ec);
// A device or a named pipe opened for writing into as it is, the path itself
// (never a link), without waiting on a pipe no program reads (ENXIO then).
Poignee ouvrir_ecriture_en_place(const std::filesystem::path& chemin, std::error_code& ec);
// Bytes read, 0 at the end, -1 with `ec` set.
std::ptrdiff_t lire(Poignee poignee, char* tampon, std::size_t taille, std::error_code& ec);

// The folder holding the running program.
std::filesystem::path dossier_executable();

} // namespace kalder::systeme
