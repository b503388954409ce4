#pragma once
// Failures of the directory that are not the system's own: they travel in the
// same std::error_code as the system's so that one sentence builder explains both.

#include <cerrno>
#include <system_error>

namespace kalder {

enum class ErreurRepertoire {
    pas_un_fichier_ordinaire = 1, // a device, a named pipe, a socket
    trop_grand,                   // over the size the program reads
    verrou_occupe,                // another Kalder is saving
    lecture_seule,                // write-protected directory file
    memoire_insuffisante,
    utf8_hors_code_page, // a UTF-8 file holds a character Windows-1252 cannot
    inattendue,          // any other exception
    lien_verrou,         // a link where the lock file should be
    lien_d_autrui,       // a link another user made, not followed
    resultat_trop_grand, // a save whose file would pass the size read back
    tube_sans_lecteur,   // a named pipe no program reads
    utf16,               // a directory file saved as UTF-16
};

const std::error_category& categorie_repertoire();
std::error_code make_error_code(ErreurRepertoire e);

} // namespace kalder

template <> struct std::is_error_code_enum<kalder::ErreurRepertoire> : std::true_type {};
