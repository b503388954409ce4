// Allocations made to fail one after another during a listing, a save and a
// removal: never an abort, always the French message, the file whole and no
// temporary file left. The failures come from this program's own operator new.
#include "modele/etat_fenetre.hpp"
#include "nom_du_cas.hpp"
#include "outils_repertoire.hpp"
#include "repertoire/dossier_donnees.hpp"
#include "repertoire/liste_personnes.hpp"
#include "repertoire/sauvegarder_personnes.hpp"
#include "repertoire/supprimer_personne.hpp"
#include "saisie_personne.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define KALDER_SANS_NEW_PROPRE 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KALDER_SANS_NEW_PROPRE 1
#endif
#endif

namespace {
// Allocations left before one fails; negative: none fails.
long allocations_restantes = -1;
bool echec_provoque = false;

long prochain_echec = -1;

// Only the operation under test meets the failure: not what prepares it,
// nor what the test then does with its result.
void armer() {
    allocations_restantes = prochain_echec;
}
template <class T> T desarme(T resultat) {
    allocations_restantes = -1;
    return resultat;
}
} // namespace

#if !defined(KALDER_SANS_NEW_PROPRE)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t taille) {
    if (allocations_restantes == 0) {
        allocations_restantes = -1; // one failure; what follows may allocate again
        echec_provoque = true;
        throw std::bad_alloc();
    }
    if (allocations_restantes > 0)
        --allocations_restantes;
    if (void* p = std::malloc(taille == 0 ? 1 : taille))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop
#endif

namespace kalder {
namespace {

namespace fs = std::filesystem;
using namespace essai;

const std::string contenu = "\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n"
                            "\"Roy\",\"Zo\xC3\xA9\",\"1\",\"2\",\"1990\"\r\n";

struct Operation {
    const char* nom;
    bool ecrit;
    std::function<std::optional<Message>(const fs::path&)> faire;
};

std::optional<Message> sauver(const fs::path& dossier) {
    EtatFenetre e;
    essai::saisir_personne(e, "Luc", "Roy");
    struct Oui : Questions {
        bool oui(const Message&) override { return true; }
    } oui;
    armer();
    return desarme(sauvegarder_personnes(e, dossier, oui)).message;
}

class RepertoireMemoire : public ::testing::TestWithParam<Operation> {};

TEST_P(RepertoireMemoire, ChaqueAllocationRefuseeUneFois) {
#if defined(KALDER_SANS_NEW_PROPRE)
    GTEST_SKIP() << "l'outil de détection remplace lui-même operator new";
#endif
    for (long n = 0;; ++n) {
        DossierTemporaire dossier;
        const fs::path fichier = fichier_repertoire(dossier.chemin());
        ecrire_octets(fichier, contenu);
        ecrire_octets(dossier.chemin() / "Kalderrep.lock", "");
        ecrire_octets(dossier.chemin() / ".Kalderrep.txt.1-0badcafe.tmp", "reste");
        echec_provoque = false;
        prochain_echec = n;
        std::optional<Message> message;
        try {
            message = GetParam().faire(dossier.chemin());
        } catch (...) {
            allocations_restantes = -1;
            FAIL() << "exception sortie à l'allocation " << n;
        }
        if (!echec_provoque)
            break;
        if (message && message->texte.find("la mémoire a manqué") != std::string::npos) {
            if (GetParam().ecrit) {
                EXPECT_NE(message->texte.find("la mémoire a manqué\u00a0; rien n'a été écrit"),
                          std::string::npos)
                    << message->texte;
                EXPECT_EQ(lire_octets(fichier), contenu) << "allocation " << n;
            }
        }
        for (const auto& e : fs::directory_iterator(dossier.chemin())) {
            const std::string nom = e.path().filename().string();
            EXPECT_FALSE(nom.ends_with(".tmp") && nom != ".Kalderrep.txt.1-0badcafe.tmp")
                << nom << " après l'allocation " << n;
        }
        ASSERT_LT(n, 100000);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, RepertoireMemoire,
    ::testing::Values(Operation{"liste", false,
                                [](const fs::path& d) {
                                    armer();
                                    return desarme(lire_liste_personnes(d)).erreur;
                                }},
                      Operation{"sauvegarde", true, sauver},
                      Operation{"retrait", true,
                                [](const fs::path& d) {
                                    const Personne paul{"Martin", "Paul", "3", "4", "1980"};
                                    armer();
                                    return desarme(supprimer_personne(d, paul)).message;
                                }}),
    ::essai::NomDuCas());

} // namespace
} // namespace kalder
