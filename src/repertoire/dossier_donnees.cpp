#include "repertoire/dossier_donnees.hpp"

#include "repertoire/messages_repertoire.hpp"
#include "systeme/fichiers_systeme.hpp"

#include <system_error>

namespace kalder {

namespace fs = std::filesystem;

namespace {

fs::path sans_espaces_autour(const fs::path& chemin) {
    using Texte = fs::path::string_type;
    const Texte& t = chemin.native();
    const auto espace = static_cast<Texte::value_type>(' ');
    const auto debut = t.find_first_not_of(espace);
    if (debut == Texte::npos)
        return {};
    const auto fin = t.find_last_not_of(espace);
    return fs::path(t.substr(debut, fin - debut + 1));
}

bool creer_si_absent(const fs::path& dossier, std::vector<Echec>* echecs) {
    auto echec = creer_dossier(dossier);
    if (echec && echecs)
        echecs->push_back(std::move(*echec));
    return !echec;
}

std::string cause(const Echec& e) {
    if (e.code == std::errc::not_a_directory)
        return "un fichier ou un chemin sans dossier est à sa place";
    if (e.code == std::errc::invalid_argument)
        return "ce chemin n'est pas absolu (HOME ou XDG_DATA_HOME doit commencer par "
               "«\u00a0/\u00a0»)";
    // The folder was to be made in its parent: that is where the right lacks.
    return expliquer_echec(Echec{Operation::creer, e.chemin.parent_path(), e.code});
}

} // namespace

std::optional<Echec> creer_dossier(const fs::path& dossier) {
    std::error_code ec;
    if (fs::is_directory(dossier, ec))
        return std::nullopt;
    // From the highest missing folder down, each new name synced in its parent.
    std::vector<fs::path> manquants;
    for (fs::path d = dossier; !d.empty() && !fs::exists(fs::symlink_status(d, ec));
         d = d.parent_path()) {
        manquants.push_back(d);
        if (d == d.parent_path() || !d.has_relative_path())
            break;
    }
    ec.clear();
    for (auto it = manquants.rbegin(); it != manquants.rend() && !ec; ++it) {
        // Made meanwhile by another program, or a file in the way (told below).
        if ((ec = systeme::creer_dossier_durable(*it)) == std::errc::file_exists)
            ec.clear();
    }
    if (!ec && fs::is_directory(dossier, ec))
        return std::nullopt;
    if (!ec || ec == std::errc::file_exists)
        ec = std::make_error_code(std::errc::not_a_directory);
    return Echec{Operation::creer, dossier, ec};
}

fs::path dossier_donnees(const fs::path& donnees_application, const fs::path& dossier_programme,
                         std::vector<Echec>* echecs) {
    const fs::path base = sans_espaces_autour(donnees_application);
    const fs::path dossier = (base.empty() ? dossier_programme : base) / nom_dossier_donnees;
    if (!dossier.is_absolute()) {
        // Against the working folder, the data would move with it.
        if (echecs)
            echecs->push_back(Echec{Operation::creer, dossier,
                                    std::make_error_code(std::errc::invalid_argument)});
        return dossier / "";
    }
    creer_si_absent(dossier, echecs);
    return dossier / "";
}

Message message_dossier_impossible(const std::vector<Echec>& echecs) {
    std::string texte = "Le dossier de données n'a pas pu être créé";
    for (std::size_t i = 0; i < echecs.size(); ++i) {
        texte += i == 0 ? "\u00a0: «\u00a0" : "\u00a0; ni «\u00a0";
        texte += texte_chemin(echecs[i].chemin) + "\u00a0», car " + cause(echecs[i]);
    }
    return Message{"Erreur", texte + ".", Icone::avertissement};
}

} // namespace kalder
