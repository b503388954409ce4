#include "systeme/renommer.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kalder {

#ifdef _WIN32
namespace {

// The Windows answers a save can meet, as the portable conditions the
// messages are chosen by; any other keeps its own number.
struct Correspondance {
    DWORD windows;
    std::errc condition;
};
constexpr Correspondance correspondances[] = {
    {ERROR_ACCESS_DENIED, std::errc::permission_denied},
    {ERROR_SHARING_VIOLATION, std::errc::permission_denied},
    {ERROR_LOCK_VIOLATION, std::errc::permission_denied},
    {ERROR_FILE_NOT_FOUND, std::errc::no_such_file_or_directory},
    {ERROR_PATH_NOT_FOUND, std::errc::no_such_file_or_directory},
    {ERROR_DISK_FULL, std::errc::no_space_on_device},
    {ERROR_HANDLE_DISK_FULL, std::errc::no_space_on_device},
    {ERROR_WRITE_PROTECT, std::errc::read_only_file_system},
    {ERROR_FILENAME_EXCED_RANGE, std::errc::filename_too_long},
};

std::error_code erreur_windows(DWORD code) {
    for (const Correspondance& c : correspondances)
        if (c.windows == code)
            return std::make_error_code(c.condition);
    return std::error_code(static_cast<int>(code), std::system_category());
}

} // namespace
#endif

std::error_code renommer_en_remplacant(const std::filesystem::path& source,
                                       const std::filesystem::path& cible) {
#ifdef _WIN32
    if (MoveFileExW(source.c_str(), cible.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return erreur_windows(GetLastError());
#else
    std::error_code erreur;
    std::filesystem::rename(source, cible, erreur);
    return erreur;
#endif
}

} // namespace kalder
