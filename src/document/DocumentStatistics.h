#pragma once

#include <array>
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

    // The pie's six slices, in this order: SD free, HD free, SD scrambled, HD scrambled (all
    // TV), radio free, radio scrambled. Never negative, whatever the counts say.
    static constexpr int kSliceCount = 6;
    using Slices = std::array<int, kSliceCount>;
    Slices PieSlices() const;
    // A slice's part of all slices in percent; 0 for an empty list instead of a division by 0.
    static double Share(const Slices& slices, int slice);
};

} // namespace tarnell
