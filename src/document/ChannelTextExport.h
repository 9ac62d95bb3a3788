#pragma once

#include "CodePage.h"

#include <cstdint>
#include <vector>

namespace tarnell {

class CSettingsFile;

// The channel list of one kind as the comma-and-tab separated text other tools read (CR LF),
// ending in the number of channel records walked. Other tools expect Windows-1252; names it
// cannot hold come out as "?" there, so UTF-8 may be asked for instead.
std::vector<uint8_t> ExportChannelText(const CSettingsFile& file, bool tv,
                                       CodePage codePage = CodePage::Windows1252);
// True when every name the export of this kind writes fits the code page.
bool ChannelTextFits(const CSettingsFile& file, bool tv, CodePage codePage);

} // namespace tarnell
