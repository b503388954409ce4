#pragma once
// The directory file as one command reads it: Windows-1252 bytes, whatever
// encoding the file was saved in.

#include "repertoire/fichiers.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace kalder {

struct ContenuRepertoire {
    bool existe = false;
    // Windows-1252.
    std::string octets;
    // The bytes on disk when lines of the file were UTF-8 (then converted into `octets`).
    std::string en_utf8;
    bool utf8 = false;

    const std::string& sur_disque() const { return utf8 ? en_utf8 : octets; }
    void echanger(ContenuRepertoire& autre) noexcept {
        std::swap(existe, autre.existe);
        octets.swap(autre.octets);
        en_utf8.swap(autre.en_utf8);
        std::swap(utf8, autre.utf8);
    }
};

// A missing file is no failure (`existe` stays false). A UTF-8 line holding
// a character that Windows-1252 cannot is refused when `pour_ecrire`, and
// otherwise read byte for byte as Windows-1252.
std::optional<Echec> lire_contenu(const std::filesystem::path& fichier, ContenuRepertoire& contenu,
                                  bool pour_ecrire);

} // namespace kalder
