#include "repertoire/temporaires.hpp"

#include "repertoire/dossier_donnees.hpp"
#include "repertoire/erreurs_repertoire.hpp"
#include "systeme/chemins.hpp"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <thread>

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::string suffixe_unique() {
    // Parts two threads and two programs: the file is created only if the name is free.
    static std::mt19937 generateur{
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                   std::hash<std::thread::id>{}(std::this_thread::get_id()))};
    constexpr char chiffres[] = "0123456789abcdef";
    std::string s(12, '0');
    for (char& c : s)
        c = chiffres[generateur() % 16];
    return s;
}

bool commence_par(std::string_view nom, std::string_view debut) {
    return nom.substr(0, debut.size()) == debut;
}

} // namespace

std::optional<Echec> creer_temporaire(const fs::path& cible, std::optional<fs::perms> droits,
                                      FichierTemporaire& temporaire) {
    const fs::path dossier = cible.parent_path();
    std::optional<unsigned> mode;
    if (droits)
        mode = static_cast<unsigned>(*droits & fs::perms::mask);
    for (int essai = 0; essai < 16; ++essai) {
        // A name the system takes keeps room for the temporary's additions.
        const auto propre = cible.filename().native();
        fs::path nom = ".";
        nom += propre.substr(0, std::min<std::size_t>(propre.size(), 200));
        nom += "." + suffixe_unique() + ".tmp";
        temporaire.chemin = dossier / nom;
        std::error_code ec;
        temporaire.poignee = systeme::creer_fichier_prive(temporaire.chemin, mode, ec);
        if (temporaire.poignee != systeme::sans_poignee)
            return std::nullopt;
        if (ec != std::errc::file_exists)
            return Echec{Operation::creer, dossier, ec};
    }
    return Echec{Operation::creer, dossier, std::make_error_code(std::errc::file_exists)};
}

bool est_temporaire_repertoire(std::string_view nom, std::string_view autre) {
    if (nom.size() < 5 || nom.substr(nom.size() - 4) != ".tmp")
        return false;
    for (std::string_view fichier :
         {std::string_view(nom_fichier_repertoire), std::string_view(nom_fichier_secours), autre}) {
        if (!fichier.empty() && commence_par(nom, ".") && commence_par(nom.substr(1), fichier) &&
            nom.size() > fichier.size() + 1 && nom[fichier.size() + 1] == '.')
            return true;
    }
    return false;
}

std::size_t nettoyer_temporaires(const fs::path& dossier, std::string_view autre) {
    std::size_t supprimes = 0;
    systeme::parcourir_dossier(dossier, [&](std::string_view nom) {
        if (est_temporaire_repertoire(nom, autre) &&
            systeme::supprimer_si_abandonne(dossier / chemin_utf8(nom)))
            ++supprimes;
    });
    return supprimes;
}

} // namespace kalder
