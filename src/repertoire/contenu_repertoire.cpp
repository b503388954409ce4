#include "repertoire/contenu_repertoire.hpp"

#include "repertoire/encodage_fichier.hpp"
#include "repertoire/erreurs_repertoire.hpp"

namespace kalder {

namespace fs = std::filesystem;

namespace {

// A text editor's "Unicode": a UTF-16 byte-order mark, or, without one, the
// NUL bytes beside each letter of a first line in Latin letters.
bool en_utf16(std::string_view o) {
    if (o.starts_with("\xFF\xFE") || o.starts_with("\xFE\xFF"))
        return true;
    return o.size() >= 4 && ((o[1] == '\0' && o[3] == '\0') || (o[0] == '\0' && o[2] == '\0'));
}

} // namespace

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
    // Read as Windows-1252 it would hold no person, and a save would add
    // lines in another encoding: the file is left as it is.
    if (en_utf16(octets))
        return Echec{Operation::lire, fichier, ErreurRepertoire::utf16};
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
