#pragma once
// Gives a file another file's name, replacing that file in one step. POSIX
// rename does so; on Windows the default rename refuses an existing target, so
// MoveFileExW is asked to replace it and to finish only once it is on disk.

#include <filesystem>
#include <system_error>

namespace kalder {

std::error_code renommer_en_remplacant(const std::filesystem::path& source,
                                       const std::filesystem::path& cible);

} // namespace kalder
