#include "repertoire/verrou.hpp"

#include "repertoire/erreurs_repertoire.hpp"

#include "systeme/fichiers_systeme.hpp"

#include <thread>

namespace kalder {

namespace fs = std::filesystem;

using systeme::Poignee;
using systeme::sans_poignee;
using systeme::Verrouillage;

namespace {

std::optional<Echec> echec_ouverture(const fs::path& chemin, std::error_code ec) {
    std::error_code ignore;
    // A lock file there already that this user may not open is its own cause.
    const bool verrou_present = fs::is_regular_file(fs::symlink_status(chemin, ignore));
    const bool refuse =
        ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted;
    // A data folder that is missing or not a folder is what the user must hear of.
    if ((refuse && !verrou_present) || ec == std::errc::no_such_file_or_directory ||
        ec == std::errc::not_a_directory || ec == std::errc::read_only_file_system)
        return Echec{Operation::creer, chemin.parent_path(), ec};
    return Echec{Operation::verrouiller, chemin, ec};
}

// Looked at before any opening: a device or a link is not even opened.
std::optional<std::error_code> refus_avant_ouverture(const fs::path& chemin) {
    systeme::EtatFichier etat;
    if (auto ec = systeme::etat_sans_suivre(chemin, etat))
        return std::nullopt; // the opening says better why
    switch (etat.genre) {
    case systeme::Genre::absent:
    case systeme::Genre::ordinaire:
        return std::nullopt;
    case systeme::Genre::dossier:
        return std::make_error_code(std::errc::is_a_directory);
    case systeme::Genre::lien:
        return ErreurRepertoire::lien_verrou;
    case systeme::Genre::autre:
        break;
    }
    return ErreurRepertoire::pas_un_fichier_ordinaire;
}

Poignee ouvrir(const fs::path& chemin, bool creer, std::error_code& ec) {
    if (auto refus = refus_avant_ouverture(chemin)) {
        ec = *refus;
        return systeme::sans_poignee;
    }
    const Poignee poignee = systeme::ouvrir_verrou(chemin, creer, ec);
    if (ec == std::errc::no_such_device_or_address)
        ec = ErreurRepertoire::pas_un_fichier_ordinaire;
    else if (ec == std::errc::too_many_symbolic_link_levels)
        ec = ErreurRepertoire::lien_verrou; // put there since the look above
    return poignee;
}

} // namespace

namespace {

// Waits until `limite` for the lock of `poignee`; `occupe` when the time ran out.
class Attente {
  public:
    Attente(std::chrono::milliseconds attente, const std::function<void()>& en_attente)
        : limite_(std::chrono::steady_clock::now() + attente), en_attente_(en_attente) {}

    Verrouillage verrouiller(Poignee poignee, std::error_code& ec) {
        Verrouillage v;
        while ((v = systeme::verrouiller(poignee, ec)) == Verrouillage::occupe) {
            if (std::chrono::steady_clock::now() >= limite_)
                break;
            if (!signale_ && en_attente_)
                en_attente_();
            signale_ = true;
            std::this_thread::sleep_for(pause_);
            pause_ = std::min(pause_ * 2, std::chrono::milliseconds(20));
        }
        return v;
    }

  private:
    std::chrono::steady_clock::time_point limite_;
    const std::function<void()>& en_attente_;
    std::chrono::milliseconds pause_{1};
    bool signale_ = false;
};

// The folder's own lock, through `verrouiller`: its handle, sans_poignee
// where the folder cannot be locked (a network disk, Windows), and then the
// lock file alone counts; nothing when another save holds it.
template <typename Verrouiller>
std::optional<Poignee> verrou_de_dossier(const fs::path& dossier, Verrouiller&& verrouiller) {
    const Poignee d = systeme::ouvrir_dossier_verrou(dossier);
    if (d == sans_poignee)
        return sans_poignee;
    std::error_code ignore;
    const Verrouillage v = verrouiller(d, ignore);
    if (v == Verrouillage::tenu)
        return d;
    systeme::lacher(d);
    if (v == Verrouillage::occupe)
        return std::nullopt;
    return sans_poignee;
}

} // namespace

std::optional<Echec> Verrou::prendre(const fs::path& dossier, std::chrono::milliseconds attente,
                                     const std::function<void()>& en_attente) {
    lacher();
    const fs::path chemin = dossier / nom_fichier_verrou;
    Attente attendre(attente, en_attente);
    const Echec occupe{Operation::verrouiller, chemin, ErreurRepertoire::verrou_occupe};
    // The folder first: a lock file deleted or replaced while a save holds it
    // must not let a second one in.
    const auto d = verrou_de_dossier(
        dossier, [&](Poignee p, std::error_code& ec) { return attendre.verrouiller(p, ec); });
    if (!d)
        return occupe;
    dossier_ = *d;
    for (;;) {
        std::error_code ec;
        const Poignee poignee = ouvrir(chemin, true, ec);
        if (poignee == sans_poignee) {
            lacher();
            return echec_ouverture(chemin, ec);
        }
        const Verrouillage v = attendre.verrouiller(poignee, ec);
        if (v == Verrouillage::occupe || v == Verrouillage::echec) {
            systeme::lacher(poignee);
            lacher();
            if (v == Verrouillage::occupe)
                return occupe;
            return Echec{Operation::verrouiller, chemin, ec};
        }
        // Deleted or replaced while this program waited for it (by a Kalder
        // that does not lock the folder): the lock that counts is the one the
        // name leads to now.
        if (v == Verrouillage::sans_verrou || systeme::designe(poignee, chemin)) {
            poignee_ = poignee;
            return std::nullopt;
        }
        systeme::lacher(poignee);
    }
}

bool Verrou::essayer(const fs::path& dossier) {
    lacher();
    std::error_code ec;
    const auto d = verrou_de_dossier(dossier, systeme::verrouiller);
    if (!d)
        return false;
    dossier_ = *d;
    // An opening makes no lock file: a folder that was never saved into stays empty.
    const Poignee poignee = ouvrir(dossier / nom_fichier_verrou, false, ec);
    if (poignee == sans_poignee || systeme::verrouiller(poignee, ec) != Verrouillage::tenu) {
        if (poignee != sans_poignee)
            systeme::lacher(poignee);
        lacher();
        return false;
    }
    poignee_ = poignee;
    return true;
}

void Verrou::lacher() {
    for (Poignee* p : {&poignee_, &dossier_}) {
        if (*p != sans_poignee)
            systeme::lacher(*p);
        *p = sans_poignee;
    }
}

} // namespace kalder
