#pragma once

#include <cstdint>
#include <vector>

namespace tarnell {

class CSettingsFile;

// The channel list of one kind as the comma-and-tab separated text other tools read
// (Windows-1252, CR LF), ending in the number of channel records walked.
std::vector<uint8_t> ExportChannelText(const CSettingsFile& file, bool tv);

} // namespace tarnell
