#include "DocumentStatistics.h"

#include "CSettingsFile.h"

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

} // namespace tarnell
