#pragma once

#include "ImportReport.h"

#include <filesystem>
#include <string_view>

namespace tarnell {

class CSettingsFile;
class ImportIndex;

// Reads an Enigma2 service database (lamedb version 3, 4 or 5) into a settings file.
class CEnigma2ImportManager {
public:
    // `path` names a lamedb or lamedb5 file, or the folder holding them (lamedb preferred).
    // Returns false, with the message in the report, when the file is missing or malformed;
    // what was read up to then stays in the file.
    bool ImportServices(const std::filesystem::path& path, CSettingsFile& file,
                        ImportReport& report);
    bool ImportServicesText(std::string_view text, CSettingsFile& file, ImportReport& report);

    // The database file a path stands for.
    static std::filesystem::path ResolveDatabase(const std::filesystem::path& path);

private:
    bool ReadVersion4(std::string_view text, int version, CSettingsFile& file, ImportIndex& index,
                      ImportReport& report);
    bool ReadVersion5(std::string_view text, CSettingsFile& file, ImportIndex& index,
                      ImportReport& report);
};

} // namespace tarnell
