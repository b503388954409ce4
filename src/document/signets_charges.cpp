#include "document/signets_pdf.hpp"

#include <dlfcn.h>

#include <array>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace kalder::document {

namespace {

namespace fs = std::filesystem;

constexpr const char* nom_module = "libkalder-signets.so";

// Beside the program, in the helpers' folder of the installation, then where
// this build made it (the tests' programs live elsewhere).
void* module_ouvert() {
    std::error_code ec;
    const fs::path dossier = fs::read_symlink("/proc/self/exe", ec).parent_path();
    const std::array<fs::path, 3> candidats{dossier / nom_module,
                                            dossier / KALDER_AIDES_INSTALLES / nom_module,
                                            fs::path(KALDER_MODULE_SIGNETS)};
    for (const fs::path& candidat : candidats)
        if (::access(candidat.c_str(), R_OK) == 0)
            if (void* module = ::dlopen(candidat.c_str(), RTLD_NOW | RTLD_LOCAL))
                return module;
    return nullptr;
}

using Entree = decltype(&kalder_ajouter_signets);

Entree entree() {
    static const Entree trouvee = []() -> Entree {
        void* module = module_ouvert();
        return module ? reinterpret_cast<Entree>(::dlsym(module, "kalder_ajouter_signets"))
                      : nullptr;
    }();
    return trouvee;
}

} // namespace

std::optional<QByteArray> ajouter_signets(const QByteArray& pdf, const std::vector<Signet>& signets,
                                          const std::vector<LienPdf>& liens,
                                          const InformationsPdf& infos) {
    const Entree ajouter = entree();
    QByteArray sortie;
    if (!ajouter || !ajouter(&pdf, &signets, &liens, &infos, &sortie))
        return std::nullopt;
    return sortie;
}

} // namespace kalder::document
