#include "repertoire/contenu_repertoire.hpp"

#include "repertoire/encodage_fichier.hpp"
#include "repertoire/erreurs_repertoire.hpp"

namespace kalder {

namespace fs = std::filesystem;

std::optional<Echec> lire_contenu(const fs::path& fichier, ContenuRepertoire& contenu,
                                  bool pour_ecrire) {
    contenu = {};
    std::string octets;
    if (auto echec = lire_fichier(fichier, octets)) {
        if (echec->code == std::errc::no_such_file_or_directory)
            return std::nullopt;
        return echec;
    }
    contenu.existe = true;
    bool hors_code_page = false;
    auto converti = lignes_en_cp1252(octets, hors_code_page);
    if (hors_code_page && pour_ecrire)
        return Echec{Operation::lire, fichier, ErreurRepertoire::utf8_hors_code_page};
    if (converti) {
        contenu.utf8 = true;
        contenu.en_utf8 = std::move(octets);
        contenu.octets = std::move(*converti);
        return std::nullopt;
    }
    contenu.octets = std::move(octets);
    return std::nullopt;
}

} // namespace kalder
