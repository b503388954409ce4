#include "repertoire/erreurs_repertoire.hpp"

#include <string>

namespace kalder {

namespace {

class Categorie : public std::error_category {
  public:
    const char* name() const noexcept override { return "kalder-repertoire"; }
    std::string message(int valeur) const override {
        switch (static_cast<ErreurRepertoire>(valeur)) {
        case ErreurRepertoire::pas_un_fichier_ordinaire:
            return "pas un fichier ordinaire";
        case ErreurRepertoire::trop_grand:
            return "fichier trop grand";
        case ErreurRepertoire::verrou_occupe:
            return "une autre fenêtre ou commande Kalder enregistre";
        case ErreurRepertoire::lecture_seule:
            return "lecture seule";
        case ErreurRepertoire::memoire_insuffisante:
            return "mémoire insuffisante";
        case ErreurRepertoire::utf8_hors_code_page:
            return "caractère hors de Windows-1252";
        case ErreurRepertoire::lien_verrou:
            return "lien à la place du verrou";
        case ErreurRepertoire::lien_d_autrui:
            return "lien d'un autre utilisateur";
        case ErreurRepertoire::resultat_trop_grand:
            return "résultat trop grand";
        case ErreurRepertoire::tube_sans_lecteur:
            return "tube nommé sans lecteur";
        case ErreurRepertoire::utf16:
            return "fichier en UTF-16";
        case ErreurRepertoire::inattendue:
            break;
        }
        return "erreur inattendue";
    }
};

} // namespace

const std::error_category& categorie_repertoire() {
    static const Categorie categorie;
    return categorie;
}

std::error_code make_error_code(ErreurRepertoire e) {
    return {static_cast<int>(e), categorie_repertoire()};
}

} // namespace kalder
