#include "repertoire/ligne_fenetre.hpp"

#include "noyau/nombre_saisi.hpp"
#include "noyau/utf8.hpp"
#include "repertoire/composition.hpp"
#include "repertoire/cp1252.hpp"
#include "repertoire/messages_repertoire.hpp"

namespace kalder {

namespace {

constexpr std::array<ChampId, champs_par_entree> champs_vous = {
    ChampId::nom, ChampId::prenom, ChampId::jour, ChampId::mois, ChampId::annee};
constexpr std::array<ChampId, champs_par_entree> champs_partenaire = {
    ChampId::nom_partenaire, ChampId::prenom_partenaire, ChampId::jour_partenaire,
    ChampId::mois_partenaire, ChampId::annee_partenaire};

constexpr std::array<std::string_view, champs_par_entree> libelles = {
    "le nom", "le prénom", "le jour de naissance", "le mois de naissance", "l'année de naissance"};

const std::array<ChampId, champs_par_entree>& champs_de(LigneId id) {
    return id == LigneId::vous ? champs_vous : champs_partenaire;
}

std::string hexadecimal(char32_t c) {
    constexpr char chiffres[] = "0123456789ABCDEF";
    std::string s;
    // At least four digits, as code points are usually written: U+00E9, U+1F600.
    for (int decalage = 20; decalage >= 0; decalage -= 4)
        if (decalage < 16 || (c >> decalage) != 0)
            s.push_back(chiffres[(c >> decalage) & 0xF]);
    return "U+" + s;
}

} // namespace

std::array<std::string_view, champs_par_entree> LigneFenetre::champs() const {
    return {octets[0], octets[1], octets[2], octets[3], octets[4]};
}

bool LigneFenetre::meme_personne(const EntreeBrute& entree) const {
    return entree.champs[1] == octets[1] && entree.champs[0] == octets[0];
}

LigneFenetre lire_ligne(const EtatFenetre& etat, LigneId id) {
    LigneFenetre ligne;
    ligne.id = id;
    const auto& champs = champs_de(id);
    for (std::size_t i = 0; i < champs.size(); ++i)
        ligne.textes[i] = preparer_champ(etat.texte(champs[i]));
    return ligne;
}

std::string preparer_champ(std::string_view texte) {
    return composer_utf8(rogner(texte));
}

Personne personne_saisie(std::string_view nom, std::string_view prenoms, std::string_view jour,
                         std::string_view mois, std::string_view annee) {
    return Personne{preparer_champ(nom), preparer_champ(prenoms), preparer_champ(jour),
                    preparer_champ(mois), preparer_champ(annee)};
}

std::optional<std::string> defaut_champ(std::string_view texte) {
    for (char32_t c : decoder_utf8(texte)) {
        if (c == U'"')
            return "un guillemet (\")";
        if (c == U'\r' || c == U'\n')
            return "un retour à la ligne";
        if (c == 0xFFFD)
            return "un caractère illisible";
        if (!octet_cp1252(c)) {
            std::string montre;
            ajouter_utf8(montre, c);
            return "le caractère «\u00a0" + montre + "\u00a0» (" + hexadecimal(c) + ")";
        }
    }
    return std::nullopt;
}

std::optional<Issue> encoder_ligne(LigneFenetre& ligne) {
    for (std::size_t i = 0; i < ligne.textes.size(); ++i) {
        const auto defaut = defaut_champ(ligne.textes[i]);
        if (!defaut) {
            // Every character passed the code-page test: the conversion holds.
            ligne.octets[i] = *utf8_vers_cp1252(ligne.textes[i]);
            continue;
        }
        const std::string personne =
            texte_visible(encoder_utf8(decoder_utf8(ligne.prenoms() + " " + ligne.nom())));
        const char* qui =
            ligne.id == LigneId::vous ? "de la ligne «\u00a0Vous\u00a0»" : "du partenaire";
        Issue issue;
        issue.message = message_sauvegarde_impossible(
            std::string(libelles[i]) + " " + qui + " (" + personne + ") contient " + *defaut +
            ", que le répertoire ne peut pas garder tel quel. Corrigez ce champ, puis "
            "sauvegardez à nouveau");
        issue.focus = champs_de(ligne.id)[i];
        return issue;
    }
    return std::nullopt;
}

} // namespace kalder
