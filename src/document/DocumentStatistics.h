#pragma once

#include <string>

namespace tarnell {

class CSettingsFile;

// The counts the statistics dialog shows.
struct DocumentStatistics {
    int tv = 0;
    int radio = 0;
    int usedTransponders = 0;
    int satellites = 0;
    int timers = 0;
    int hd = 0;
    int hdScrambled = 0;
    int sdScrambled = 0;
    int radioScrambled = 0;
    std::string text; // the file information text

    static DocumentStatistics Count(const CSettingsFile& file);
};

} // namespace tarnell
