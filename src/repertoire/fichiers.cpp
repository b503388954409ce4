#include "repertoire/fichiers.hpp"

#include "repertoire/erreurs_repertoire.hpp"
#include "repertoire/temporaires.hpp"
#include "systeme/fichiers_systeme.hpp"

namespace kalder {

namespace fs = std::filesystem;

namespace {

// Until it takes the old file's name, the temporary goes with any failure.
class Brouillon {
  public:
    explicit Brouillon(FichierTemporaire& f) : f_(f) {}
    ~Brouillon() {
        if (f_.poignee == systeme::sans_poignee)
            return;
        systeme::fermer(f_.poignee);
        std::error_code ignore;
        fs::remove(f_.chemin, ignore);
    }
    Brouillon(const Brouillon&) = delete;
    Brouillon& operator=(const Brouillon&) = delete;

  private:
    FichierTemporaire& f_;
};

} // namespace

std::optional<Echec> suivre_liens_surs(const fs::path& chemin, fs::path& reel) {
    reel = chemin;
    for (int sauts = 0; sauts < 40; ++sauts) {
        systeme::EtatFichier etat;
        if (systeme::etat_sans_suivre(reel, etat) || etat.genre != systeme::Genre::lien)
            return std::nullopt;
        if (!systeme::lien_de_confiance(etat))
            return Echec{Operation::remplacer, reel, ErreurRepertoire::lien_d_autrui};
        std::error_code ec;
        const fs::path cible = fs::read_symlink(reel, ec);
        if (ec)
            return Echec{Operation::lire, reel, ec};
        reel = cible.is_absolute() ? cible : reel.parent_path() / cible;
    }
    return Echec{Operation::lire, chemin,
                 std::make_error_code(std::errc::too_many_symbolic_link_levels)};
}

std::optional<Echec> remplacer_fichier(const fs::path& chemin, std::string_view octets,
                                       const systeme::EtatFichier* modele) {
    systeme::EtatFichier ancien;
    std::error_code ec;
    if (!modele) {
        if (systeme::etat_sans_suivre(chemin, ancien) || ancien.genre != systeme::Genre::ordinaire)
            ancien = {};
        modele = &ancien;
    }
    std::optional<fs::perms> droits;
    if (modele->genre == systeme::Genre::ordinaire)
        droits = static_cast<fs::perms>(modele->droits) & fs::perms::mask;

    FichierTemporaire temporaire;
    if (auto echec = creer_temporaire(chemin, droits, temporaire))
        return echec;
    const Brouillon brouillon(temporaire);

    const fs::path dossier = chemin.parent_path();
    if ((ec = systeme::ecrire_tout(temporaire.poignee, octets)) ||
        (ec = systeme::synchroniser(temporaire.poignee)))
        return Echec{Operation::ecrire, dossier, ec};
    systeme::garder_proprietaire(temporaire.poignee, *modele);
    const systeme::Poignee poignee = temporaire.poignee;
    temporaire.poignee = systeme::sans_poignee;
    if ((ec = systeme::remplacer(poignee, temporaire.chemin, chemin))) {
        std::error_code ignore;
        fs::remove(temporaire.chemin, ignore);
        return Echec{Operation::remplacer, chemin, ec};
    }
    // So that the new name survives a power cut too.
    if ((ec = systeme::synchroniser_dossier(dossier)))
        return Echec{Operation::ecrire, dossier, ec};
    return std::nullopt;
}

} // namespace kalder
