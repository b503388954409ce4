#include "repertoire/messages_repertoire.hpp"

#include "noyau/utf8.hpp"

#include <cerrno>

namespace kalder {

namespace fs = std::filesystem;

namespace {

std::string entre_guillemets(const fs::path& chemin) {
    return "« " + texte_chemin(chemin) + " »";
}

std::string sujet(const Echec& e) {
    switch (e.operation) {
    case Operation::creer:
    case Operation::ecrire:
        return "le dossier " + entre_guillemets(e.chemin);
    case Operation::lire:
    case Operation::remplacer:
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
        return sujet(e) + " ne peut pas être lu : l'accès en est refusé";
    case Operation::remplacer:
        break;
    }
    return sujet(e) + " est protégé en écriture ou verrouillé par un autre programme";
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
    const std::u8string u = chemin.u8string();
    // A name that is not valid UTF-8 still shows, with replacement marks.
    return encoder_utf8(
        decoder_utf8(std::string_view(reinterpret_cast<const char*>(u.data()), u.size())));
}

std::string expliquer_echec(const Echec& e) {
    const std::error_code& c = e.code;
    using std::errc;
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
        return sujet(e) + " n'existe pas";
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
    return "le système a refusé l'opération sur " + sujet(e) + " (erreur " +
           std::to_string(c.value()) + " : " + c.message() + ")";
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
                   "Les personnes n'ont pas pu être enregistrées : " + std::string(raison) + ".",
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
        "Erreur", "Les personnes enregistrées n'ont pas pu être lues : " + expliquer_echec(e) + ".",
        Icone::avertissement};
}

} // namespace kalder
