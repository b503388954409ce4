#include "repertoire/verrou.hpp"

#include "repertoire/erreurs_repertoire.hpp"

#include "systeme/fichiers_systeme.hpp"

#include <thread>

namespace kalder {

namespace fs = std::filesystem;

using systeme::Verrouillage;

namespace {

std::optional<Echec> echec_ouverture(const fs::path& dossier, const fs::path& chemin,
                                     std::error_code ec) {
    // Windows answers "path not found" where the data folder is a file.
    std::error_code ignore;
    if (ec == std::errc::no_such_file_or_directory && fs::exists(dossier, ignore) &&
        !fs::is_directory(dossier, ignore))
        ec = std::make_error_code(std::errc::not_a_directory);
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

std::intptr_t ouvrir(const fs::path& chemin, bool creer, std::error_code& ec) {
    if (auto refus = refus_avant_ouverture(chemin)) {
        ec = *refus;
        return systeme::sans_poignee;
    }
    const std::intptr_t poignee = systeme::ouvrir_verrou(chemin, creer, ec);
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

    Verrouillage verrouiller(std::intptr_t poignee, std::error_code& ec) {
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

} // namespace

std::optional<Echec> Verrou::prendre(const fs::path& dossier, std::chrono::milliseconds attente,
                                     const std::function<void()>& en_attente) {
    lacher();
    const fs::path chemin = dossier / nom_fichier_verrou;
    Attente attendre(attente, en_attente);
    const Echec occupe{Operation::verrouiller, chemin, ErreurRepertoire::verrou_occupe};
    // The folder first: a lock file deleted or replaced while a save holds it
    // must not let a second one in. A folder that cannot be locked (a network
    // disk) leaves the lock file alone to count, as on Windows.
    if (const std::intptr_t d = systeme::ouvrir_dossier_verrou(dossier); d != aucune) {
        std::error_code ignore;
        const Verrouillage v = attendre.verrouiller(d, ignore);
        if (v == Verrouillage::tenu)
            dossier_ = d;
        else
            systeme::lacher(d);
        if (v == Verrouillage::occupe)
            return occupe;
    }
    for (;;) {
        std::error_code ec;
        const std::intptr_t poignee = ouvrir(chemin, true, ec);
        if (poignee == aucune) {
            lacher();
            return echec_ouverture(dossier, chemin, ec);
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
    if (const std::intptr_t d = systeme::ouvrir_dossier_verrou(dossier); d != aucune) {
        const Verrouillage v = systeme::verrouiller(d, ec);
        if (v == Verrouillage::occupe) {
            systeme::lacher(d);
            return false;
        }
        if (v == Verrouillage::tenu)
            dossier_ = d;
        else
            systeme::lacher(d);
    }
    // An opening makes no lock file: a folder that was never saved into stays empty.
    const std::intptr_t poignee = ouvrir(dossier / nom_fichier_verrou, false, ec);
    if (poignee == aucune || systeme::verrouiller(poignee, ec) != Verrouillage::tenu) {
        if (poignee != aucune)
            systeme::lacher(poignee);
        lacher();
        return false;
    }
    poignee_ = poignee;
    return true;
}

void Verrou::lacher() {
    for (std::intptr_t* p : {&poignee_, &dossier_}) {
        if (*p != aucune)
            systeme::lacher(*p);
        *p = aucune;
    }
}

} // namespace kalder
