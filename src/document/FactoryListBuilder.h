#pragma once

#include <filesystem>
#include <memory>

namespace tarnell {

class CSettingsFile;

// Builds the factory service list from its readable tables (data/factory). Throws FileError
// naming the table and line of anything that does not fit.
std::unique_ptr<CSettingsFile> BuildFactoryList(const std::filesystem::path& tablesFolder);

} // namespace tarnell
