#include "DocumentStatistics.h"

#include "CSettingsFile.h"

#include <algorithm>
#include <numeric>

namespace tarnell {

namespace {
constexpr uint8_t kHdBit = 0x80;
constexpr uint8_t kScrambledBit = 0x08;
} // namespace

DocumentStatistics DocumentStatistics::Count(const CSettingsFile& file) {
    DocumentStatistics s;
    for (const auto& c : file.m_channels.Items()) {
        const uint8_t flags = c->GetFlagByte();
        const bool scrambled = (flags & kScrambledBit) != 0;
        if (!c->IsTv()) {
            ++s.radio;
            s.radioScrambled += scrambled ? 1 : 0;
        } else if (flags & kHdBit) {
            ++s.tv;
            ++s.hd;
            s.hdScrambled += scrambled ? 1 : 0;
        } else {
            ++s.tv;
            s.sdScrambled += scrambled ? 1 : 0;
        }
    }
    s.usedTransponders = static_cast<int>(file.m_transponders.CountUsed());
    s.satellites = static_cast<int>(file.m_satellites.Size());
    s.timers = static_cast<int>(file.m_timers.CountActive());
    s.text = file.m_fduInfo.GetText();
    return s;
}

DocumentStatistics::Slices DocumentStatistics::PieSlices() const {
    const auto atLeast0 = [](int v) { return std::max(v, 0); };
    return {atLeast0(tv - hd - sdScrambled),
            atLeast0(hd - hdScrambled),
            atLeast0(sdScrambled),
            atLeast0(hdScrambled),
            atLeast0(radio - radioScrambled),
            atLeast0(radioScrambled)};
}

double DocumentStatistics::Share(const Slices& slices, int slice) {
    const double total = std::accumulate(slices.begin(), slices.end(), 0.0);
    if (total <= 0 || slice < 0 || slice >= kSliceCount) {
        return 0.0;
    }
    return 100.0 * slices[static_cast<size_t>(slice)] / total;
}

} // namespace tarnell
