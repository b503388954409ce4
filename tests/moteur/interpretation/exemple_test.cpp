// The model shared by the interpretation tests.
#include "exemple.hpp"
#include "modele/etat_fenetre.hpp"

#include "noyau/reductions.hpp"
#include "noyau/sommes.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"

namespace kalder::essai {

// The slot as the calculation would have written that text: "22/4" holds 22
// with its digit 4, "13" holds 13, "" holds nothing.
void poser(Slot& slot, std::string_view texte) {
    slot.texte.clear();
    slot.texte.append(texte);
    slot.nombre.reset();
    // Only what the calculation writes holds a number: " 13" or "13 " is no 13.
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    if (texte.empty() || !chiffre(texte.front()) || !chiffre(texte.back()))
        return;
    const Nombre valeur = lire_debut_nombre(texte);
    const bool barre = texte.find('/') != std::string_view::npos;
    if (!barre && dette_karmique(valeur))
        slot.nombre = nombre_reduit(valeur, Arret::karmique, Ecriture::barre_sauf_zero);
    else
        slot.nombre = nombre_entier(valeur, barre ? Ecriture::barre : Ecriture::nombre);
}

EtatFenetre exemple_rempli() {
    EtatFenetre e = anne_marie_dupont();
    calculer_theme(e, 2026);
    // The year grid of another person, Anne Dupont (17/5/1980), for 2026; each
    // week slot distinct, so that a wrong index shows.
    poser(e.annee_personnelle, "5");
    poser(e.lettre_passage, "P");
    remplir(e.Toi, 1, {"6", "7", "8", "9", "1", "2", "3", "4", "5", "6", "7", "8"});
    remplir(e.cym, 1, {"6", "6", "6", "6", "6", "9", "9", "9", "9", "6", "6", "6"});
    remplir(e.esse, 1, {"3", "4", "5", "6", "7", "11", "3", "4", "5", "3", "4", "5"});
    remplir(e.apog, 1, {"32/5", "36/9", "68/5", "24/6"});
    remplir(e.leco, 1, {"6", "6", "8", "8"});
    remplir(e.periode, 1, {"5", "6", "6", "7", "7", "1", "2", "2", "3", "3", "4", "5"});
    remplir(e.profec, 1, {"10", "10", "10", "10", "10", "11", "11", "11", "11", "11", "11", "11"});
    // k = 9, 18... carry challenge 0.
    for (std::size_t k = 1; k <= 48; ++k) {
        poser(e.semaine[k], texte_apogee(static_cast<Nombre>(10 + k)));
        poser(e.semdef[k], std::to_string(k % 9));
    }
    remplir(e.ent, 1, {"8", "", "8", "", "", "", ""});
    return e;
}

} // namespace kalder::essai
