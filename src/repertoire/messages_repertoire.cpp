#include "repertoire/messages_repertoire.hpp"

#include "noyau/utf8.hpp"
#include "repertoire/erreurs_repertoire.hpp"
#include "systeme/chemins.hpp"

#include <cerrno>

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::string entre_guillemets(const fs::path& chemin) {
    return "«\u00a0" + texte_chemin(chemin) + "\u00a0»";
}

std::string sujet(const Echec& e) {
    switch (e.operation) {
    case Operation::creer:
    case Operation::ecrire:
        return "le dossier " + entre_guillemets(e.chemin);
    case Operation::lire:
    case Operation::remplacer:
    case Operation::verrouiller:
        break;
    }
    return "le fichier " + entre_guillemets(e.chemin);
}

std::string acces_refuse(const Echec& e) {
    switch (e.operation) {
    case Operation::creer:
    case Operation::ecrire:
        return sujet(e) + " est en lecture seule ou vous n'avez pas le droit d'y écrire";
    case Operation::lire:
        return sujet(e) + " ne peut pas être lu\u00a0: l'accès en est refusé";
    case Operation::verrouiller:
        return sujet(e) + " ne peut pas être ouvert\u00a0: l'accès en est refusé";
    case Operation::remplacer:
        break;
    }
    return sujet(e) + " est protégé en écriture ou verrouillé par un autre programme";
}

// "No such file" about a folder that is there: a system folder (/proc) that
// takes no new file.
std::string absent(const Echec& e) {
    std::error_code ec;
    if ((e.operation == Operation::creer || e.operation == Operation::ecrire) &&
        fs::is_directory(e.chemin, ec))
        return "le système ne permet pas de créer de fichier dans " + sujet(e);
    return sujet(e) + " n'existe pas";
}

} // namespace

std::string message_personnes_enregistrees(int nombre, const fs::path& fichier) {
    const std::string dans = " dans " + entre_guillemets(fichier) + ".";
    if (nombre == 0)
        return "Aucune personne enregistrée" + dans;
    if (nombre == 1)
        return "1 personne enregistrée" + dans;
    return std::to_string(nombre) + " personnes enregistrées" + dans;
}

std::string texte_chemin(const fs::path& chemin) {
    // A name that is not valid UTF-8 still shows, with replacement marks.
    return encoder_utf8(decoder_utf8(utf8_du_chemin(chemin)));
}

std::string expliquer_propre(const Echec& e) {
    switch (static_cast<ErreurRepertoire>(e.code.value())) {
    case ErreurRepertoire::pas_un_fichier_ordinaire:
        return entre_guillemets(e.chemin) +
               " n'est pas un fichier ordinaire (c'est un périphérique, un tube nommé, une "
               "prise réseau ou un lien vers l'un d'eux)\u00a0; Kalder n'y touche pas";
    case ErreurRepertoire::trop_grand:
        return sujet(e) + " dépasse " + std::to_string(taille_maximale_repertoire >> 20) +
               " Mo, la taille la plus grande que Kalder accepte pour un répertoire";
    case ErreurRepertoire::verrou_occupe:
        return "une autre fenêtre ou commande Kalder enregistre dans ce répertoire\u00a0; "
               "réessayez "
               "dans un instant";
    case ErreurRepertoire::lecture_seule:
        return sujet(e) +
               " est en lecture seule\u00a0; retirez cette protection pour y enregistrer";
    case ErreurRepertoire::memoire_insuffisante:
        return expliquer_exception(true);
    case ErreurRepertoire::utf8_hors_code_page:
        return sujet(e) +
               " est écrit en UTF-8 et contient un caractère que Windows-1252 ne peut pas "
               "représenter\u00a0; corrigez-le avec un éditeur de texte";
    case ErreurRepertoire::lien_verrou:
        return entre_guillemets(e.chemin) + " est un lien symbolique et non le fichier de verrou "
                                            "de Kalder\u00a0; Kalder n'y touche "
                                            "pas";
    case ErreurRepertoire::lien_d_autrui:
        return entre_guillemets(e.chemin) + " est un lien symbolique qui appartient à un autre "
                                            "utilisateur\u00a0; Kalder ne le suit "
                                            "pas";
    case ErreurRepertoire::resultat_trop_grand:
        return "le répertoire dépasserait " + std::to_string(taille_maximale_repertoire >> 20) +
               " Mo, la taille la plus grande que Kalder accepte\u00a0; le fichier est resté tel "
               "qu'il était";
    case ErreurRepertoire::tube_sans_lecteur:
        return entre_guillemets(e.chemin) +
               " est un tube nommé qu'aucun programme ne lit\u00a0; Kalder n'y écrit pas";
    case ErreurRepertoire::utf16:
        return sujet(e) +
               " est enregistré en UTF-16 («\u00a0Unicode\u00a0»), que Kalder ne lit pas\u00a0; "
               "enregistrez-le en UTF-8 ou en ANSI avec un éditeur de texte\u00a0: Kalder n'y "
               "a rien changé";
    case ErreurRepertoire::inattendue:
        break;
    }
    return expliquer_exception(false);
}

std::string expliquer_echec(const Echec& e) {
    const std::error_code& c = e.code;
    using std::errc;
    if (c.category() == categorie_repertoire())
        return expliquer_propre(e);
    if (c == errc::permission_denied || c == errc::operation_not_permitted)
        return acces_refuse(e);
    if (c == errc::read_only_file_system)
        return sujet(e) + " se trouve sur un disque en lecture seule";
    if (c == errc::no_space_on_device)
        return "le disque qui contient " + sujet(e) + " est plein";
#ifdef EDQUOT
    if (c.category() == std::generic_category() && c.value() == EDQUOT)
        return "votre quota d'espace disque est atteint pour " + sujet(e);
#endif
    if (c == errc::is_a_directory)
        return entre_guillemets(e.chemin) + " est un dossier et non un fichier";
    if (c == errc::not_a_directory)
        return "le chemin " + entre_guillemets(e.chemin) + " ne mène pas à un dossier";
    if (c == errc::no_such_file_or_directory)
        return absent(e);
    if (c == errc::filename_too_long)
        return "le chemin " + entre_guillemets(e.chemin) + " est trop long";
    if (c == errc::device_or_resource_busy || c == errc::text_file_busy)
        return sujet(e) + " est utilisé par un autre programme";
    if (c == errc::too_many_files_open || c == errc::too_many_files_open_in_system)
        return "trop de fichiers sont ouverts en ce moment";
    if (c == errc::io_error)
        return "le disque a signalé une erreur de lecture ou d'écriture sur " + sujet(e);
    if (c == errc::file_exists)
        return "aucun fichier temporaire n'a pu être créé dans " + sujet(e);
    if (c == errc::too_many_symbolic_link_levels)
        return "le chemin " + entre_guillemets(e.chemin) +
               " passe par trop de liens symboliques (sans doute une boucle de liens)";
    if (c == errc::file_too_large)
        return sujet(e) + " est trop grand pour ce disque";
    if (c == errc::not_enough_memory)
        return expliquer_exception(true);
    if (c == errc::no_such_device_or_address)
        return entre_guillemets(e.chemin) + " ne mène à aucun fichier ordinaire";
    if (c == errc::cross_device_link)
        return sujet(e) + " n'est pas sur le même disque que le fichier à remplacer";
    if (c == errc::resource_unavailable_try_again)
        return sujet(e) + " est momentanément indisponible\u00a0; réessayez dans un instant";
    return "le système a refusé l'opération sur " + sujet(e) + " (erreur système " +
           std::to_string(c.value()) + ")";
}

std::string expliquer_exception(bool memoire) {
    return memoire ? "la mémoire a manqué" : "une erreur inattendue est survenue";
}

std::string personne_lisible(const Personne& p) {
    std::string texte = p.prenoms;
    if (!texte.empty() && !p.nom.empty())
        texte += ' ';
    texte += p.nom;
    if (!p.jour.empty() || !p.mois.empty() || !p.annee.empty())
        texte += " (" + p.jour + '/' + p.mois + '/' + p.annee + ')';
    return texte_visible(texte);
}

Message question_supprimer(const Personne& personne) {
    return Message{"Attention",
                   "Supprimer «\u00a0" + personne_lisible(personne) +
                       "\u00a0» du répertoire\u00a0?",
                   Icone::question};
}

std::string message_personne_retiree(const Personne& personne, const fs::path& fichier) {
    return "Personne retirée de " + entre_guillemets(fichier) +
           "\u00a0: " + personne_lisible(personne);
}

Message message_echec_suppression(const Echec& e) {
    return Message{
        "Erreur",
        "La personne n'a pas pu être retirée du répertoire\u00a0: " + expliquer_echec(e) + ".",
        Icone::avertissement};
}

Message message_absente(const Personne& personne) {
    return Message{"Erreur",
                   "«\u00a0" + personne_lisible(personne) +
                       "\u00a0» n'est pas (ou plus) dans le répertoire\u00a0: rien n'a été retiré.",
                   Icone::exclamation};
}

Message message_erreur_exception(std::string_view debut, bool memoire, bool ecriture) {
    return Message{"Erreur",
                   std::string(debut) + "\u00a0: " + expliquer_exception(memoire) +
                       (ecriture ? "\u00a0; rien n'a été écrit." : "."),
                   Icone::avertissement};
}

std::string texte_visible(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\r' || c == '\n') {
            r += "\u21B5"; // ↵, one for CR LF
            if (c == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n')
                ++i;
        } else if (c == '\t') {
            r += ' ';
        } else {
            r += c;
        }
    }
    return r;
}

Message question_modifier(std::string_view prenoms, std::string_view nom, Icone icone) {
    std::string texte(prenoms);
    texte += ' ';
    texte += nom;
    texte += " a déjà été enregistré, modifier ?";
    return Message{"Attention", std::move(texte), icone};
}

Message message_sauvegarde_impossible(std::string_view raison) {
    return Message{"Erreur",
                   "Les personnes n'ont pas pu être enregistrées\u00a0: " + std::string(raison) +
                       ".",
                   Icone::avertissement};
}

Message message_echec_sauvegarde(const Echec& e) {
    return message_sauvegarde_impossible(expliquer_echec(e));
}

Message message_echec_secours(const Echec& e) {
    return message_sauvegarde_impossible("la copie de sécurité n'a pas pu être faite, car " +
                                         expliquer_echec(e));
}

Message message_pas_de_donnees() {
    return Message{"Erreur", "Pas de données enregistrées", Icone::exclamation};
}

Message message_echec_lecture(const Echec& e) {
    return Message{
        "Erreur",
        "Les personnes enregistrées n'ont pas pu être lues\u00a0: " + expliquer_echec(e) + ".",
        Icone::avertissement};
}

} // namespace kalder
