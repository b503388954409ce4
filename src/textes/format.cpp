#include "textes/format.hpp"

#include <algorithm>
#include <optional>

namespace kalder::textes::format {
namespace {

constexpr std::string_view fin_de_ligne = "\r\n";

bool caractere_de_cle(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Length of the UTF-8 sequence starting at s[i], or 0 when it is malformed.
std::size_t longueur_utf8(std::string_view s, std::size_t i) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = octet(i);
    std::size_t n = 0;
    char32_t point = 0;
    if (c < 0x80) {
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        point = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        point = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        point = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        point = (point << 6) | (octet(i + k) & 0x3F);
    }
    const bool trop_long = (n == 3 && point < 0x800) || (n == 4 && point < 0x10000);
    const bool interdit = (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF;
    return trop_long || interdit ? 0 : n;
}

// Turns the escapes of one text line into their bytes; nullopt with `erreur` set on a fault.
std::optional<std::string> deplier(std::string_view ligne, std::string& erreur) {
    std::string sortie;
    for (std::size_t i = 0; i < ligne.size();) {
        const auto c = static_cast<unsigned char>(ligne[i]);
        if (c < 0x20 || c == 0x7F) {
            erreur = "caractère de contrôle interdit";
            return std::nullopt;
        }
        if (c == '\\') {
            if (i + 1 == ligne.size()) {
                erreur = "barre oblique inverse en fin de ligne";
                return std::nullopt;
            }
            switch (ligne[i + 1]) {
            case 's':
                sortie += ' ';
                break;
            case '\\':
                sortie += '\\';
                break;
            case '#':
                sortie += '#';
                break;
            case '[':
                sortie += '[';
                break;
            case 'e':
                break;
            default:
                erreur = "séquence d'échappement inconnue";
                return std::nullopt;
            }
            i += 2;
            continue;
        }
        const std::size_t n = longueur_utf8(ligne, i);
        if (n == 0) {
            erreur = "UTF-8 invalide";
            return std::nullopt;
        }
        sortie.append(ligne.substr(i, n));
        i += n;
    }
    return sortie;
}

std::string joindre(const std::vector<std::string>& lignes) {
    std::string texte;
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        if (k > 0) {
            texte += fin_de_ligne;
        }
        texte += lignes[k];
    }
    return texte;
}

} // namespace

bool nom_de_table_valide(std::string_view nom) {
    return !nom.empty() && std::all_of(nom.begin(), nom.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

Resultat analyser(std::string_view contenu) {
    Resultat r;
    if (contenu.starts_with("\xEF\xBB\xBF")) {
        contenu.remove_prefix(3);
    }
    std::optional<std::string> cle;
    std::vector<std::string> lignes;
    // Blank lines count only between two text lines: those opening or closing an entry are layout.
    // A wanted final empty line is written "\e".
    std::size_t blancs_en_attente = 0;
    const auto clore = [&] {
        if (cle) {
            r.entrees.push_back({*cle, joindre(lignes)});
        }
        lignes.clear();
        blancs_en_attente = 0;
    };
    const auto echec = [&](std::size_t numero, std::string message) {
        r.entrees.clear();
        r.erreur = std::move(message);
        r.ligne = numero;
        return r;
    };

    std::size_t numero = 0;
    while (!contenu.empty()) {
        ++numero;
        const std::size_t fin = contenu.find('\n');
        std::string_view ligne = contenu.substr(0, fin);
        contenu.remove_prefix(fin == std::string_view::npos ? contenu.size() : fin + 1);
        if (ligne.ends_with('\r')) {
            ligne.remove_suffix(1);
        }
        // Trailing blanks are invisible in an editor; a wanted one is written "\s".
        while (!ligne.empty() && (ligne.back() == ' ' || ligne.back() == '\t')) {
            ligne.remove_suffix(1);
        }
        if (ligne.starts_with('#')) {
            continue;
        }
        if (ligne.starts_with('[')) {
            const std::string_view nom = ligne.substr(1, ligne.size() >= 2 ? ligne.size() - 2 : 0);
            if (!ligne.ends_with(']') || nom.empty() ||
                !std::all_of(nom.begin(), nom.end(), caractere_de_cle)) {
                return echec(numero, "clé mal formée");
            }
            clore();
            const bool deja = std::any_of(r.entrees.begin(), r.entrees.end(),
                                          [&](const Entree& e) { return e.cle == nom; });
            if (deja) {
                return echec(numero, "clé en double");
            }
            cle = std::string(nom);
            continue;
        }
        if (ligne.empty()) {
            blancs_en_attente += lignes.empty() ? 0 : 1;
            continue;
        }
        if (!cle) {
            return echec(numero, "texte avant la première clé");
        }
        std::string erreur;
        auto texte = deplier(ligne, erreur);
        if (!texte) {
            return echec(numero, erreur);
        }
        lignes.insert(lignes.end(), blancs_en_attente, std::string());
        blancs_en_attente = 0;
        lignes.push_back(std::move(*texte));
    }
    clore();
    return r;
}

} // namespace kalder::textes::format
