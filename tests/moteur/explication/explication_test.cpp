// The explanations of the numbers: each ends in the value its slot shows, is
// empty when the slot is, and states the raw sums the theme stored.
#include "annee/calculer_annee.hpp"
#include "compat/calculer_compatibilite.hpp"
#include "explication/explications.hpp"
#include "frise/frise.hpp"
#include "lisible.hpp"
#include "modele/catalogue.hpp"
#include "modele/effacer.hpp"
#include "modele/etat_fenetre.hpp"
#include "modele/slots.hpp"
#include "saisie_personne.hpp"
#include "theme/calculer_theme.hpp"
#include "tours.hpp"

#include <gtest/gtest.h>

#include <random>
#include <regex>

namespace kalder {
namespace {

class Hasard {
  public:
    explicit Hasard(unsigned graine) : moteur_(graine) {}

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(moteur_); }
    bool sur(int pourcent) { return entre(1, 100) <= pourcent; }

    std::string nom() {
        static const std::vector<std::string> morceaux = {
            "a", "e", "i", "o", "u", "y", "b", "k", "t", "m", "n", "r",
            "s", "z", "h", "é", "è", "à", "ç", "ë", "É", "Ô", "A", "J",
            "-", " ", "'", "Q", "w", "x", "ß", "Ł", "µ", "ñ", "æ", "2"};
        std::string r;
        const int longueur = entre(1, 12);
        for (int i = 0; i < longueur; ++i)
            r += morceaux[static_cast<std::size_t>(entre(0, int(morceaux.size()) - 1))];
        return r == " " || r == "-" ? "Lu" : r;
    }
    std::string nombre(int a, int b) { return std::to_string(entre(a, b)); }

  private:
    std::mt19937 moteur_;
};

void saisir_au_hasard(EtatFenetre& e, Hasard& h) {
    if (h.sur(85))
        essai::saisir_personne(e, h.nom(), h.nom(), h.nombre(1, 31), h.nombre(1, 12),
                               h.nombre(1, 2100));
    else
        essai::saisir_personne(e, h.nom(), h.nom());
}

// A character folded into itself ("Ë→Ë") or into no letter A..Z: the fold
// arrow stands only between an accented letter and its plain one.
bool pli_faux(const std::string& texte) {
    for (std::size_t i = texte.find("→"); i != std::string::npos; i = texte.find("→", i + 1)) {
        if (i == 0 || texte[i - 1] == ' ')
            continue; // a digit sum
        const std::size_t apres = i + std::string("→").size();
        if (apres >= texte.size() || texte[apres] < 'A' || texte[apres] > 'Z')
            return true;
        if (static_cast<unsigned char>(texte[i - 1]) < 0x80)
            return true; // an unaccented character needs no arrow
    }
    return false;
}

// What no text may say, and why: plain strings, then patterns.
constexpr std::pair<const char*, const char*> chaines_interdites[] = {
    {" :", "une espace ordinaire avant :"},
    {" ;", "une espace ordinaire avant ;"},
    {" !", "une espace ordinaire avant !"},
    {" ?", "une espace ordinaire avant ?"},
    {"« ", "une espace ordinaire dans « »"},
    {" »", "une espace ordinaire dans « »"},
    {"= ", "une espace ordinaire après ="},
    {"1ère", "« 1re »"},
    {" 1e ", "« 1re »"},
    {" mod ", "« reste de la division »"},
    {"calculée", "« année de calcul »"},
    {"nombre karmique", "« dette karmique »"},
    {"né le", "une tournure épicène"},
    {"du partenaire", "une tournure épicène"},
    {"de plus", "une liste coupée"},
    {"sans valeur =", "une seule forme pour un caractère sans valeur"},
    {"aucune dans le nom", "les prénoms comptent aussi"},
};

struct FormeInterdite {
    std::regex motif;
    const char* raison;
};

const std::vector<FormeInterdite>& motifs_interdits() {
    static const std::vector<FormeInterdite> formes = [] {
        const std::pair<const char*, const char*> table[] = {
            {R"((^|[^0-9])([0-9]+) → \2($|[^0-9]))", "un pas vers la même valeur"},
            {"[0-9] (ans?|jours?|mois)\\b", "une espace ordinaire entre un nombre et son unité"},
            {":[^:=→]*:", "deux deux-points de suite"},
            {"(de |d')([a-zéû]+) à \\2([^a-z]|$)", "« en janvier »"},
            {"lettre[^:]*: «", "un chiffre ou un signe appelé lettre"},
        };
        std::vector<FormeInterdite> r;
        for (const auto& [motif, raison] : table)
            r.push_back({std::regex(motif), raison});
        return r;
    }();
    return formes;
}

// What no explanation may say: the forms above, or a false fold. The
// patterns, slower, only when asked.
void verifier_forme(const std::string& explication, const std::string& contexte,
                    bool motifs = true) {
    for (const auto& [chaine, raison] : chaines_interdites)
        EXPECT_EQ(explication.find(chaine), std::string::npos)
            << contexte << " (" << raison << ") : " << explication;
    for (const FormeInterdite& f : motifs_interdits()) {
        if (!motifs)
            break;
        EXPECT_FALSE(std::regex_search(explication, f.motif))
            << contexte << " (" << f.raison << ") : " << explication;
    }
    EXPECT_FALSE(pli_faux(explication)) << contexte << " : " << explication;
}

// Joined to its caption, an explanation says the caption once and goes on
// in lower case: "Chemin de vie : jour 15 + …", "Voyelles du prénom…".
void verifier_apres_libelle(const std::string& nom, const std::string& explication) {
    const std::string libelle = libelle_slot(nom);
    std::string suite = ::essai::lisible(apres_libelle(libelle, explication));
    if (suite.starts_with(" : "))
        suite.erase(0, 3);
    EXPECT_FALSE(suite.starts_with(::essai::lisible(libelle))) << nom << " : " << explication;
    static const std::regex majuscule("^[(|]?(É|[A-Z])[a-zé]");
    EXPECT_FALSE(std::regex_search(suite, majuscule)) << nom << " : " << suite;
}

// Every slot: empty explanation for an empty slot, otherwise one that ends in
// the value shown.
void verifier_toutes(const EtatFenetre& e, const std::string& contexte, bool motifs) {
    const auto slots = slots_nommes(e);
    const auto explications = expliquer_slots(e);
    ASSERT_EQ(slots.size(), explications.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::string& texte = slots[i].second->texte;
        const std::string& explication = explications[i].second;
        ASSERT_EQ(explications[i].first, slots[i].first);
        if (texte.empty()) {
            EXPECT_EQ(explication, "") << contexte << " " << slots[i].first;
            continue;
        }
        // The bare captions of the triangle hold no number.
        if (slots[i].first.rfind("tri", 0) == 0 && !slots[i].second->nombre) {
            EXPECT_EQ(explication, "") << contexte << " " << slots[i].first;
            continue;
        }
        ASSERT_FALSE(explication.empty()) << contexte << " " << slots[i].first << " = " << texte;
        EXPECT_TRUE(atteint_la_valeur(explication, *slots[i].second))
            << contexte << " " << slots[i].first << " = " << texte << " : " << explication;
        verifier_forme(explication, contexte + " " + slots[i].first, motifs);
        verifier_apres_libelle(slots[i].first, explication);
    }
}

// "Voyelles : A 1 + E 5 = 6 → ...": the terms add up to the total, and the
// total is the stored raw sum.
void verifier_total(const EtatFenetre& e, const char* slot, Nombre brut) {
    const std::string explication = expliquer_slot(e, slot);
    if (brut == 0) {
        EXPECT_EQ(explication, "") << slot;
        return;
    }
    const std::string total = " =\u00A0" + std::to_string(brut);
    const auto position = explication.find(total);
    ASSERT_NE(position, std::string::npos) << slot << " : " << explication;
    const std::string termes = explication.substr(0, position);
    if (termes.find("…") != std::string::npos)
        return; // a long name is cut short
    static const std::regex valeur("\u00A0([1-9])(?= \\+|$)");
    Nombre somme = 0;
    for (auto it = std::sregex_iterator(termes.begin(), termes.end(), valeur);
         it != std::sregex_iterator(); ++it)
        somme += std::stoi((*it)[1]);
    EXPECT_EQ(somme, brut) << slot << " : " << explication;
}

// A partner (dates or not) and a year of calculation, each one time in two.
void entente_et_annee_au_hasard(EtatFenetre& e, Hasard& h) {
    if (h.sur(50)) {
        essai::saisir_partenaire(e, h.nom(), h.nom());
        if (h.sur(80)) {
            e.saisir(ChampId::jour_partenaire, h.nombre(1, 31));
            e.saisir(ChampId::mois_partenaire, h.nombre(1, 12));
            e.saisir(ChampId::annee_partenaire, h.nombre(1, 2100));
            e.saisir(ChampId::jour_rencontre, h.nombre(1, 31));
            e.saisir(ChampId::mois_rencontre, h.nombre(1, 12));
            e.saisir(ChampId::annee_rencontre, h.nombre(1, 2100));
        }
        calculer_compatibilite(e);
    }
    if (h.sur(50)) {
        e.saisir(ChampId::annee_calcul, h.nombre(1900, 2300));
        calculer_pour_annee(e);
    }
}

// Every number slot filled, for any person, is explained down to its value:
// an explanation that drifts from the calculation fails here.
TEST(Explications, PersonnesAuHasard) {
    Hasard h(20261207);
    for (int essai_ = 0; essai_ < ::essai::tours(2000); ++essai_) {
        EtatFenetre e;
        saisir_au_hasard(e, h);
        if (calculer_theme(e, h.entre(1900, 2100)).message)
            continue;
        entente_et_annee_au_hasard(e, h);
        const std::string qui = e.theme.prenom + " " + e.theme.nom;
        // Every form for the first few hundred persons.
        verifier_toutes(e, qui, essai_ < 300);
        // The timeline's texts too, a line at a time.
        const auto lignes = [&qui](const auto& bandes) {
            for (const BandeFrise& b : bandes)
                for (std::size_t debut = 0, fin = 0; fin != std::string::npos; debut = fin + 1) {
                    fin = b.explication.find('\n', debut);
                    verifier_forme(b.explication.substr(debut, fin - debut), qui + " frise");
                }
        };
        if (const auto f = essai_ < 300 ? construire_frise(e, 2026) : std::nullopt) {
            lignes(f->cycles);
            lignes(f->apogees);
            lignes(f->defis);
            lignes(f->noeuds);
            lignes(f->annees_personnelles);
        }
        if (HasFailure())
            return;
        const Theme& t = e.theme;
        verifier_total(e, "Nomb(0)", t.elan_brut);
        verifier_total(e, "Nomb(1)", t.actif_brut);
        verifier_total(e, "Nomb(2)", t.hereditaire_brut);
        verifier_total(e, "Nomb(3)", t.expression_brut);
        verifier_total(e, "Nomb(4)", t.moi_intime_brut);
        verifier_total(e, "synth(0)", t.elan_brut);
        verifier_total(e, "synth(1)", t.moi_intime_brut);
        verifier_total(e, "synth(2)", t.expression_brut);
    }
}

// Each catalogue row has its own explainer, written for that row.
TEST(Explications, UnExplicateurParEntreeDuCatalogue) {
    const auto expliquees = entrees_expliquees();
    const auto catalogue = catalogue_slots();
    ASSERT_EQ(expliquees.size(), catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        EXPECT_EQ(expliquees[i], catalogue[i].nom) << i;
}

// Successive commands on one window: every explanation still belongs to the
// value shown, whatever came before.
TEST(Explications, SuitesDeCommandes) {
    Hasard h(7);
    EtatFenetre e;
    for (int pas = 0; pas < ::essai::tours(400); ++pas) {
        const int commande = h.entre(0, 5);
        std::string quoi;
        switch (commande) {
        case 0:
        case 1:
            saisir_au_hasard(e, h);
            if (h.sur(10))
                e.saisir(ChampId::mois, "13");
            calculer_theme(e, 2026);
            quoi = "calcul";
            break;
        case 2:
            e.saisir(ChampId::annee_calcul, h.nombre(1900, 2300));
            calculer_pour_annee(e);
            quoi = "année";
            break;
        case 3:
            essai::saisir_partenaire(e, h.nom(), h.nom());
            if (h.sur(60)) {
                e.saisir(ChampId::jour_partenaire, h.nombre(1, 31));
                e.saisir(ChampId::mois_partenaire, h.nombre(1, 12));
                e.saisir(ChampId::annee_partenaire, h.nombre(1, 2100));
            }
            if (h.sur(50)) {
                e.saisir(ChampId::jour_rencontre, h.nombre(1, 31));
                e.saisir(ChampId::mois_rencontre, h.nombre(1, 12));
                e.saisir(ChampId::annee_rencontre, h.nombre(1, 2100));
            }
            calculer_compatibilite(e);
            quoi = "entente";
            break;
        case 4:
            effacer(e);
            quoi = "effacer";
            break;
        default:
            effacer_partenaire(e);
            quoi = "effacer partenaire";
            break;
        }
        verifier_toutes(e, std::to_string(pas) + " " + quoi, pas < 100);
        if (HasFailure())
            return;
    }
}

// The wording of each kind of explanation, no-break spaces read as blanks.
TEST(Explications, ExempleAnneMarieDupont) {
    EtatFenetre e = essai::anne_marie_dupont();
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    const std::pair<const char*, const char*> cas[] = {
        {"synth(0)", "Voyelles du prénom et du nom : A 1 + E 5 + A 1 + I 9 + E 5 + U 3 + O 6 = 30 "
                     "→ 3 + 0 = 3"},
        {"synth(4)", "Mois 7 + jour 15 = 22, nombre maître gardé : 22/4"},
        {"dei(1)", "Consonnes du mot « Marie » : M 4 + R 9 = 13, dette karmique : 13"},
        {"apogee2", "Jour 15 + année 1975 = 1990 → 1 + 9 + 9 + 0 = 19, écrit 19/1"},
        {"apogee3", "(Jour + année) 1990 → 1 + 9 + 9 + 0 = 19, (jour + mois) 22 : 19 + 22 = 41, "
                    "écrit 41/5"},
        {"vie(0)", "Jour 15 + mois 7 + année 1975 = 1997 → 1 + 9 + 9 + 7 = 26 → 2 + 6 = 8"},
        {"Grille(8)",
         "Lettres valant 8 (H, Q, Z) : aucune dans le prénom et le nom, chiffre absent = 0"},
        {"tri1", "1re lettre du prénom : A 1"},
        {"tri2", "Lettres du prénom : A 1 + N 5 + N 5 + E 5 + M 4 + A 1 + R 9 + I 9 + E 5 = 44 → "
                 "4 + 4 = 8"},
        {"deco(0)", "1er mot du prénom et du nom, coupés aux blancs et aux signes : Anne"},
        {"Nomb(12)", "Jour du mois de naissance, sans réduction = 15"},
        {"Nomb(14)", "Écart des deux chiffres du jour 15 : |1 − 5| = 4"},
        {"cycle3", "Année de naissance 1975 → 1 + 9 + 7 + 5 = 22, nombre maître gardé : 22/4"},
        {"fin_apogee1", "36 − chemin de vie réduit 8 = 28 ans"},
        // Read back from other slots, as the calculation does.
        {"defi_apogee3", "Défis des apogées 1 et 2 : |1 − 2| = 1"},
        {"Nomb(11)", "Lettres du 1er mot « Anne » : A 1 + N 5 + N 5 + E 5 = 16 ; 16 + jour 15 = "
                     "31 → 3 + 1 = 4"},
        {"inconnu", ""},
    };
    for (const auto& [slot, attendu] : cas)
        EXPECT_EQ(::essai::lisible(expliquer_slot(e, slot)), attendu) << slot;
    // After its caption: said once, in lower case.
    EXPECT_EQ(::essai::lisible(apres_libelle("Chemin de vie", expliquer_slot(e, "vie(0)"))),
              " : jour 15 + mois 7 + année 1975 = 1997 → 1 + 9 + 9 + 7 = 26 → 2 + 6 = 8");
    // A caption said once: the line goes on from it when the explanation
    // starts with its words.
    const std::pair<const char*, const char*> lignes[] = {
        {"Voyelles", "Voyelles du prénom et du nom : A 1 + E 5 + A 1 + I 9 + E 5 + U 3 + O 6 = 30 "
                     "→ 3 + 0 = 3"},
        {"Mode d'expression, Mental", "Mode d'expression, Mental (A, G, H, J, L, N, P) : A, N, N, "
                                      "A, P, N = 6"},
        {"Voyelles du mot 1", "Voyelles du mot 1 « Anne » : A 1 + E 5 = 6"},
        {"Essence de la rencontre", "Essence de la rencontre : jour 9"},
        {"Janvier", "Janvier (jours 166 à 195) tombe dans les jours 157 à 208, soit la période 4"},
        {"Jour de naissance, vibration",
         "Jour de naissance, vibration : jour du mois de naissance, sans réduction = 15"},
        {"Année personnelle",
         "Année personnelle : année 2026 + mois 7 + jour 15 = 2048 → 2 + 0 + 4 "
         "+ 8 = 14 → 1 + 4 = 5"},
    };
    const std::pair<std::string, std::string> explications[] = {
        {"Voyelles", expliquer_slot(e, "synth(0)")},
        {"Mode d'expression, Mental",
         "Mode Mental (A, G, H, J, L, N, P)\u202F: A, N, N, A, P, N =\u00a06"},
        {"Voyelles du mot 1",
         "Voyelles du mot «\u202FAnne\u202F»\u202F: A\u00a01 + E\u00a05 =\u00a06"},
        {"Essence de la rencontre", "Rencontre\u202F: jour 9"},
        {"Janvier", "janvier (jours 166 à 195) tombe dans les jours 157 à 208, soit la période 4"},
        {"Jour de naissance, vibration", "Jour du mois de naissance, sans réduction =\u00a015"},
        {"Année personnelle",
         "Année\u00a02026 + mois\u00a07 + jour\u00a015 =\u00a02048 → 2 + 0 + 4 + "
         "8 = 14 → 1 + 4 = 5"},
    };
    for (std::size_t i = 0; i < std::size(lignes); ++i)
        EXPECT_EQ(::essai::lisible(explications[i].first +
                                   apres_libelle(explications[i].first, explications[i].second)),
                  lignes[i].second);
}

// Letters as written and as counted: an accent folded with the reason it
// counts with the consonants, letters without value at 0, initials without
// value named, and a theme without a date saying so first.
TEST(Explications, LettresEcritesEtComptees) {
    struct Cas {
        const char* prenom;
        const char* nom;
        const char* slot;
        const char* attendu;
    };
    const Cas cas[] = {
        {"Hélène", "Zoë", "Nomb(4)",
         "Consonnes du prénom et du nom (les voyelles accentuées comptent ici comme consonnes) "
         ": H 8 + é→E 5 + L 3 + è→E 5 + N 5 + Z 8 + ë (sans valeur) 0 = 34 → 3 + 4 = 7"},
        {"Hélène Anne", "Zoë", "Nomb(0)",
         "Voyelles des prénoms et du nom (les voyelles accentuées comptent ici comme consonnes) "
         ": E 5 + A 1 + E 5 + O 6 = 17 → 1 + 7 = 8"},
        {"Hélène", "Zoë", "defi(1)",
         "1er caractère qui n'est pas une voyelle H 8, dernier ë (sans valeur) 0 : |8 − 0| = 8"},
        {"Anne", "Élodie", "Nomb(6)", "1re voyelle (A, E, I, O, U, Y) du nom « Élodie » : É→E"},
        {"Œdipe", "Äb", "Nomb(5)", "Initiales : Œ (sans valeur) 0 + Ä (sans valeur) 0 = 0"},
        {"Œdipe", "Äb", "Nomb(9)", "Date de naissance absente : toutes les lettres 27 → 2 + 7 = 9"},
        {"Œdipe", "Äb", "Nomb(13)", "Date de naissance absente : 9 − 0 = 9"},
        {"Œdipe", "Äb", "tri1", "1re lettre du prénom : Œ (sans valeur) 0"},
        // Every character of a name is listed the same way.
        {"Łucja", "Straßeµ", "Nomb(3)",
         "Toutes les lettres du prénom et du nom : Ł (sans valeur) 0 + U 3 + C 3 + J 1 + A 1 + S "
         "1 + T 2 + R 9 + A 1 + ß (sans valeur) 0 + E 5 + µ (sans valeur) 0 = 26 → 2 + 6 = 8"},
    };
    for (const Cas& c : cas) {
        EtatFenetre e;
        essai::saisir_personne(e, c.prenom, c.nom);
        ASSERT_FALSE(calculer_theme(e, 2026).message);
        EXPECT_EQ(::essai::lisible(expliquer_slot(e, c.slot)), c.attendu)
            << c.prenom << " " << c.nom;
    }
}

// Clear-all keeps the whole-life panel of "Cycles": its explanations still
// tell the earlier date, though the stored date is zero.
TEST(Explications, ApresEffacerLePanneauVertGardeSaDate) {
    EtatFenetre e = essai::anne_marie_dupont();
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    effacer(e);
    EXPECT_EQ(e.theme.jour, 0);
    EXPECT_EQ(::essai::lisible(expliquer_slot(e, "cycle2")), "Jour de naissance 15 → 1 + 5 = 6");
    EXPECT_EQ(expliquer_slot(e, "Nomb(0)"), "");
}

// The year grid is explained for the year it shows, not the one typed since.
TEST(Explications, AnneeDeLaGrille) {
    EtatFenetre e = essai::anne_marie_dupont();
    ASSERT_FALSE(calculer_theme(e, 2026).message);
    e.saisir(ChampId::annee_calcul, "2030");
    ASSERT_FALSE(calculer_pour_annee(e).message);
    e.saisir(ChampId::annee_calcul, "1999");
    EXPECT_EQ(::essai::lisible(expliquer_slot(e, "annee_personnelle")),
              "Année 2030 + mois 7 + jour 15 = 2052 → 2 + 0 + 5 + 2 = 9");
}

} // namespace
} // namespace kalder
